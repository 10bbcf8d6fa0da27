#include "editor/EditKeys.h"

#include "editor/EditCursor.h"

namespace markroll {

KeyCommand TranslateKey(const KeyInput& in) {
    const bool onlyCtrl = in.ctrl && !in.alt && !in.shift;
    const bool onlyAlt = in.alt && !in.ctrl && !in.shift;
    switch (in.key) {
    case KeyInput::Left:
        return {onlyCtrl || onlyAlt ? KeyCommand::Ignore : KeyCommand::Arrow, EditCursor::VkLeft};
    case KeyInput::Up:
        return {onlyCtrl || onlyAlt ? KeyCommand::Ignore : KeyCommand::Arrow, EditCursor::VkUp};
    case KeyInput::Right:
        return {onlyCtrl || onlyAlt ? KeyCommand::Ignore : KeyCommand::Arrow, EditCursor::VkRight};
    case KeyInput::Down:
        return {onlyCtrl || onlyAlt ? KeyCommand::Ignore : KeyCommand::Arrow, EditCursor::VkDown};
    case KeyInput::Tab:
        return {KeyCommand::Char, EditCursor::CharTab};
    case KeyInput::Escape:
        return {KeyCommand::Char, EditCursor::CharEscape};
    case KeyInput::Backspace:
        return {KeyCommand::Char, EditCursor::CharBackspace};
    case KeyInput::Enter:
        return {KeyCommand::Char, EditCursor::CharEnter};
    case KeyInput::Delete:
        return {};
    case KeyInput::Other:
        break;
    }
    if (in.ch == 0 || (in.alt && !in.ctrl))
        return {};
    char32_t ch = in.ch;
    if (in.ctrl && !in.alt && ch >= 32) {
        const char32_t upper = ch >= U'a' && ch <= U'z' ? ch - 32 : ch;
        if (upper < U'@' || upper > U'_')
            return {};
        ch = upper - U'@';
    }
    if (ch < 32 || ch == 127)
        return {KeyCommand::Char, static_cast<int>(ch)};
    if (in.byte < 0)
        return {KeyCommand::Beep, 0};
    return {KeyCommand::Char, in.byte};
}

} // namespace markroll

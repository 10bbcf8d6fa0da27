#pragma once

namespace markroll {

/// A key press as the editor page receives it, reduced to what decides its meaning.
struct KeyInput {
    enum Key { Other, Left, Up, Right, Down, Tab, Escape, Backspace, Enter, Delete };
    Key key = Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    /// The first character of the key's text; 0 when it has none.
    char32_t ch = 0;
    /// That character in the file's code page; -1 when a markroll file cannot store it.
    int byte = -1;
};

/// What a key press means while editing.
struct KeyCommand {
    enum Kind {
        PassOn, ///< not the page's key (an access key, Delete, a key without text): the window handles it
        Ignore, ///< taken, but does nothing (an arrow with Ctrl or Alt)
        Arrow,  ///< code is EditCursor's VkLeft..VkDown
        Char,   ///< code is the character typed, control characters included
        Beep,   ///< a character the file could not store
    };
    Kind kind = PassOn;
    int code = 0;
};

/// Arrows move the cursor unless Ctrl or Alt alone goes with them; Tab, Escape, Backspace and Enter are their
/// control characters; Alt with a key is an access key (Ctrl with Alt is AltGr on some keyboards and types);
/// Ctrl with a letter types its control character (Ctrl+I a tab, Ctrl+[ an escape).
KeyCommand TranslateKey(const KeyInput& in);

} // namespace markroll

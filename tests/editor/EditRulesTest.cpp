// The editor's plain rules: what a key press means, the display dialog's corrections and colours, and the
// field a pop-up works on.

#include <gtest/gtest.h>

#include "editor/DisplayRules.h"
#include "editor/EditCursor.h"
#include "editor/EditKeys.h"
#include "editor/FieldInfo.h"
#include "support/TestDocuments.h"

using namespace markroll;

namespace {

TEST(EditKeys, TranslateKey) {
    using K = KeyInput;
    using C = KeyCommand;
    // clang-format off
    const struct {
        KeyInput in;
        KeyCommand::Kind kind;
        int code;
    } cases[] = {
        {{K::Left}, C::Arrow, EditCursor::VkLeft},
        {{K::Down, true, true}, C::Arrow, EditCursor::VkDown},       // Ctrl+Shift still moves
        {{K::Up, false, true}, C::Ignore, EditCursor::VkUp},         // Ctrl alone does not
        {{K::Right, false, false, true}, C::Ignore, EditCursor::VkRight},
        {{K::Tab, true}, C::Char, EditCursor::CharTab},               // Shift+Tab is a tab too
        {{K::Escape}, C::Char, EditCursor::CharEscape},
        {{K::Enter}, C::Char, EditCursor::CharEnter},
        {{K::Delete, false, false, false, U'\x7f', -1}, C::PassOn, 0},
        {{K::Other, false, false, false, U'7', '7'}, C::Char, '7'},
        {{K::Other, false, false, true, U'e', 'e'}, C::PassOn, 0},   // Alt+E is an access key
        {{K::Other, true, false, true, U'E', 'E'}, C::PassOn, 0},
        {{K::Other, false, true, true, U'@', '@'}, C::Char, '@'},    // AltGr types
        {{K::Other, false, true, false, U'i', 'i'}, C::Char, 9},     // Ctrl+I is a tab
        {{K::Other, false, true, false, U'[', '['}, C::Char, 27},
        {{K::Other, false, true, false, U'1', '1'}, C::PassOn, 0},
        {{K::Other, false, false, false, U'\u00e9', 0xE9}, C::Char, 0xE9},
        {{K::Other, false, false, false, U'\u4e00', -1}, C::Beep, 0}, // the file cannot store it
        {{K::Other}, C::PassOn, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const KeyCommand got = TranslateKey(c.in);
        EXPECT_EQ(got.kind, c.kind) << "key " << c.in.key << " char " << static_cast<int>(c.in.ch);
        if (c.kind != C::PassOn && c.kind != C::Beep)
            EXPECT_EQ(got.code, c.code) << "key " << c.in.key << " char " << static_cast<int>(c.in.ch);
    }
}

TEST(DisplayRules, LengthsColoursAndFontCaption) {
    const struct {
        const char* typed;
        int value;
        bool corrected;
    } lengths[] = {{"12", 11, true},  {"-1", 0, true},   {"4.5", 4, false},
                   {"5.5", 6, false}, {"11", 11, false}, {"x", 0, false}};
    for (const auto& c : lengths) {
        bool corrected = false;
        EXPECT_EQ(ReadDisplayLength(c.typed, 11, corrected), c.value) << c.typed;
        EXPECT_EQ(corrected, c.corrected) << c.typed;
    }

    std::array<Rgb, NumDisplayElements> bg{}, fg{};
    SetElementColor(bg, fg, ElemBorderRight, false, 0x123456);
    EXPECT_EQ(fg[ElemBorder], 0x123456u);
    SetElementColor(bg, fg, ElemBorder, true, 0xABCDEF);
    EXPECT_EQ(bg[ElemBorderRight], 0xABCDEFu);
    SetElementColor(bg, fg, ElemData, true, 0x111111);
    EXPECT_EQ(bg[ElemTotals], 0u);

    EXPECT_EQ(FontCaption("Courier", 8, false, false), "Courier - Regular 8 pts");
    EXPECT_EQ(FontCaption("Mono", 10.5, true, true), "Mono - Italic Bold 10.5 pts");
}

TEST(PopTargets, FieldsThePopUpsWorkOn) {
    const Document doc = test::MakeDocument(3, {{"Tests", 100, 5, 3}}); // SUMMARY 5 cells, NAME DATA 2, Tests 5
    // clang-format off
    const struct {
        int cat, fld;
        PopTarget info, set;
    } cases[] = {
        {2, 4, {2, 4, 4}, {2, 4, 4}},  {2, 5, {2, 0, 4}, {2, 4, 4}}, {1, 1, {1, 1, 1}, {0, 1, 4}},
        {9, -1, {2, 0, 4}, {2, 0, 4}}, {0, 4, {0, 4, 4}, {0, 4, 4}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const PopTarget info = InfoPopTarget(doc, c.cat, c.fld);
        const PopTarget set = SetValuesPopTarget(doc, c.cat, c.fld);
        EXPECT_EQ((std::array{info.cat, info.fld, info.lastFld}), (std::array{c.info.cat, c.info.fld, c.info.lastFld}))
            << c.cat << "/" << c.fld;
        EXPECT_EQ((std::array{set.cat, set.fld, set.lastFld}), (std::array{c.set.cat, c.set.fld, c.set.lastFld}))
            << c.cat << "/" << c.fld;
    }
}

} // namespace

// The editor's plain rules: what a key press means, the display dialog's corrections and colours, and the
// field a pop-up works on.

#include <gtest/gtest.h>

#include "editor/DisplayRules.h"
#include "editor/EditCursor.h"
#include "editor/EditKeys.h"
#include "editor/FieldInfo.h"
#include "support/TestDocuments.h"

using namespace markroll;

TEST(EditKeys, TranslateKey) {
    using K = KeyInput;
    using C = KeyCommand;
    // clang-format off
    const std::tuple<KeyInput, KeyCommand::Kind, int> cases[] = {
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
    for (const auto& [in, kind, code] : cases) {
        const KeyCommand got = TranslateKey(in);
        const bool coded = kind != C::PassOn && kind != C::Beep;
        EXPECT_EQ((std::pair{got.kind, coded ? got.code : 0}), (std::pair{kind, code})) << int(in.ch);
    }
}

TEST(DisplayRules, LengthsColoursAndFontCaption) {
    const std::tuple<const char*, int, bool> lengths[] = {{"12", 11, true},  {"-1", 0, true},   {"4.5", 4, false},
                                                          {"5.5", 6, false}, {"11", 11, false}, {"x", 0, false}};
    for (const auto& [typed, value, corrected] : lengths) {
        bool fixed = false;
        EXPECT_EQ((std::pair{ReadDisplayLength(typed, 11, fixed), fixed}), (std::pair{value, corrected})) << typed;
    }

    std::array<Rgb, NumDisplayElements> bg{}, fg{};
    // The two border zones are coloured as one; other elements alone.
    SetElementColor(bg, fg, ElemBorderRight, false, 0x123456);
    SetElementColor(bg, fg, ElemBorder, true, 0xABCDEF);
    SetElementColor(bg, fg, ElemData, true, 0x111111);
    EXPECT_EQ((std::array{fg[ElemBorder], bg[ElemBorderRight], bg[ElemTotals]}),
              (std::array<Rgb, 3>{0x123456, 0xABCDEF, 0}));

    EXPECT_EQ(FontCaption("Courier", 8, false, false), "Courier - Regular 8 pts");
    EXPECT_EQ(FontCaption("Mono", 10.5, true, true), "Mono - Italic Bold 10.5 pts");
}

TEST(PopTargets, FieldsThePopUpsWorkOn) {
    const Document doc = test::MakeDocument(3, {{"Tests", 100, 5, 3}}); // SUMMARY 5 cells, NAME DATA 2, Tests 5
                                                                        // clang-format off
    // Clicked category and field, then the category, field and last field of the information pop-up and of the
    // set-values pop-up.
    const std::array<int, 8> cases[] = {{2, 4, 2, 4, 4, 2, 4, 4}, {2, 5, 2, 0, 4, 2, 4, 4}, {1, 1, 1, 1, 1, 0, 1, 4},
                                        {9, -1, 2, 0, 4, 2, 0, 4}, {0, 4, 0, 4, 4, 0, 4, 4}};
    for (const auto& c : cases) {
        const PopTarget i = InfoPopTarget(doc, c[0], c[1]), s = SetValuesPopTarget(doc, c[0], c[1]);
        EXPECT_EQ((std::array{c[0], c[1], i.cat, i.fld, i.lastFld, s.cat, s.fld, s.lastFld}), c);
    }
}

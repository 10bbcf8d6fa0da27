// The editor page as a layout model: zones, groups of students, pages of fields, wraps and the texts of the
// title, label and footer rows, on round metrics ("A" 100 x 194 twips, rows 200 twips high).

#include <gtest/gtest.h>

#include "document/DisplaySettings.h"
#include "editor/PageLayout.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::MakeDocument;

namespace {

// 34 students fit: Fix((9000 - 400 - 300) / 200 - 7). 16 fields fit: Fix((12000 / 100 - 54 - 2) / 4).
const PageMetrics Round{100, 194, 9000, 300, 12000};

struct Page {
    PageLayout layout;
    std::int16_t cat, group, page;
};

Page Lay(const Document& doc, int cat, int group = 1, int page = 1, DisplaySettings display = DefaultDisplaySettings(),
         PageMetrics metrics = Round) {
    Page p{{}, std::int16_t(cat), std::int16_t(group), std::int16_t(page)};
    p.layout = DispCat(doc, p.cat, p.group, p.page, display, metrics);
    return p;
}

std::vector<std::string> Texts(const Document& doc, const PageRow& row) {
    std::vector<std::string> texts;
    for (const PageText& t : row.Texts)
        texts.push_back(RunText(doc, t));
    return texts;
}

} // namespace

TEST(PageLayout, ZonesOfAUserCategoryWithFullWidths) {
    const Document doc = MakeDocument(40, {{"Tests", 40, 11, 3}, {"Labs", 60, 3, 3}});
    const PageLayout l = Lay(doc, 2).layout;
    ASSERT_TRUE(l.Fits);
    EXPECT_EQ((std::vector<float>{l.RowH, float(l.StuPerGroup), float(l.FldPerPage)}),
              (std::vector<float>{200, 34, 16}));
    EXPECT_EQ(l.ZoneLen, (std::array<int, 7>{95, 3, 12, 31, 41, 5, 3}));
    EXPECT_EQ(l.ZoneStart, (std::array<int, 7>{0, 1, 1, 13, 5, 1, 1}));
    EXPECT_EQ((std::vector<float>{float(l.ZoneShow[4]), l.ZoneWid[0], l.DataX, l.DataEndX, l.PossY, l.LastRowY}),
              (std::vector<float>{40, 9500, 4600, 8600, 800, 800 + 34 * 200}));
}

TEST(PageLayout, GroupsPagesAndWraps) {
    struct Case {
        const char* what;
        int students, fields, cat, group, page;
        int wantCat, wantGroup, wantPage, numGroups, numPages, firstStu, lastStu, firstFld, lastFld;
        bool groupEnabled, pageEnabled;
    };
    // clang-format off
    const Case cases[] = {
        {"no students", 0, 5, 2, 1, 1, 2, 1, 1, 0, 1, 1, 0, 1, 4, false, false},
        {"exactly one group", 34, 5, 2, 1, 1, 2, 1, 1, 1, 1, 1, 34, 1, 4, false, false},
        {"one student more", 35, 5, 2, 2, 1, 2, 2, 1, 2, 1, 35, 35, 1, 4, true, false},
        {"group past the last", 40, 5, 2, 3, 1, 2, 1, 1, 2, 1, 1, 34, 1, 4, true, false},
        {"category of one field", 10, 1, 2, 1, 1, 2, 1, 1, 1, 0, 1, 10, 0, 0, false, false},
        {"page past the last of none", 10, 1, 2, 1, 2, 2, 1, 1, 1, 0, 1, 10, 0, 0, false, false},
        {"64 fields, last page", 10, 64, 2, 1, 4, 2, 1, 4, 1, 4, 1, 10, 49, 63, false, true},
        {"64 fields, page past the last", 10, 64, 2, 1, 5, 2, 1, 1, 1, 4, 1, 10, 1, 16, false, true},
        {"17 score fields", 10, 18, 2, 1, 2, 2, 1, 2, 1, 2, 1, 10, 17, 17, false, true},
        {"category past the last", 10, 5, 3, 1, 1, 0, 1, 1, 1, 1, 1, 10, 1, 4, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Page p = Lay(MakeDocument(c.students, {{"Tests", 100, c.fields, 3}}), c.cat, c.group, c.page);
        const PageLayout& l = p.layout;
        ASSERT_TRUE(l.Fits);
        EXPECT_EQ((std::vector<int>{p.cat, p.group, p.page}), (std::vector<int>{c.wantCat, c.wantGroup, c.wantPage}));
        EXPECT_EQ((std::vector<int>{l.NumGroups, l.NumPages, l.FirstStu, l.LastStu, l.FirstFld, l.LastFld}),
                  (std::vector<int>{c.numGroups, c.numPages, c.firstStu, c.lastStu, c.firstFld, c.lastFld}));
        EXPECT_EQ((std::pair{l.GroupEnabled, l.PageEnabled}), (std::pair{c.groupEnabled, c.pageEnabled}));
        // Title, column titles, possible points, the students shown, class average, footer.
        EXPECT_EQ(l.Rows.size(), static_cast<std::size_t>(c.lastStu - c.firstStu + 1 + 5));
    }
}

TEST(PageLayout, NoStudentsPutsTheClassAverageRightUnderThePossiblePoints) {
    const Document doc = MakeDocument(0, {{"Tests", 100, 3, 3}});
    const PageLayout l = Lay(doc, 2).layout;
    ASSERT_EQ(l.Rows.size(), 5U);
    EXPECT_EQ((std::vector<float>{l.Rows[2].Y, l.Rows[3].Y, l.LastRowY}),
              (std::vector<float>{l.PossY, l.PossY + 200, l.PossY}));
    EXPECT_EQ(Texts(doc, l.Rows[3]).front(), "Class Average");
}

TEST(PageLayout, RowsOfOddLengths) {
    // A category of one field shows its total in the data zone as well.
    Document doc = MakeDocument(2, {{"Tests", 100, 1, 3}});
    test::SetField(doc, 1, 2, 0, "87");
    std::vector<std::string> texts = Texts(doc, Lay(doc, 2).layout.Rows[3]);
    EXPECT_EQ(texts[3] + texts[4], "  87  87");
    // Short rows are padded so the columns stay in place.
    doc = MakeDocument(2, {{"Tests", 100, 4, 3}});
    doc.CatData(1, 2) = " 50   7";
    texts = Texts(doc, Lay(doc, 2).layout.Rows[3]);
    EXPECT_EQ(texts[3] + "|" + texts[4], "  7         | 50 ");
}

TEST(PageLayout, TitleRows) {
    const Document doc = MakeDocument(40, {{"Tests", 40, 11, 3}, {"Labs", 60, 3, 3}});
    const PageRow title = Lay(doc, 2, 2).layout.Rows[0];
    ASSERT_EQ(title.Texts.size() + title.Boxes.size(), 6U);
    const std::string caption = "2. Tests [40%] - {11}";
    EXPECT_EQ(Texts(doc, title), (std::vector<std::string>{"Group 2/2", caption, "Page 1/1"}));
    // Group at the left, caption centred, page at the right end, each boxed to its text.
    const float xs[] = {0, (9500 - caption.size() * 100) / 2.0F, 9500 - 800};
    const int elements[] = {ElemGroup, ElemCategory, ElemPage};
    const DisplaySettings d = DefaultDisplaySettings();
    for (std::size_t i = 0; i < 3; ++i) {
        const PageBox& b = title.Boxes[i];
        EXPECT_EQ((std::vector<float>{title.Texts[i].X, b.X, b.W, b.Y}),
                  (std::vector<float>{xs[i], xs[i], title.Texts[i].Literal.size() * 100.0F, 397}));
        EXPECT_EQ((std::pair{b.Color, title.Texts[i].Color}),
                  (std::pair{d.BgColor[elements[i]], d.FgColor[elements[i]]}));
    }
    // A hand-edited name longer than the program makes is cut, so the caption stays clear of the labels.
    Document longName = MakeDocument(40, {{"Tests", 40, 11, 3}});
    longName.CatName[2] = "A category name far longer than sixteen characters";
    EXPECT_EQ(Texts(longName, Lay(longName, 2).layout.Rows[0])[1], "2. A category name  [40%] - {11}");
    // SUMMARY: fields 1..5 of " GR   1   2 tot adj TOT" in the data zone, the grade title in the totals zone.
    const Document summary = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
    const PageLayout l = Lay(summary, 0).layout;
    EXPECT_EQ(l.Rows[0].Texts[1].Literal, "0. SUMMARY [100%] - {6}");
    EXPECT_EQ(Texts(summary, l.Rows[1]), (std::vector<std::string>{"ID#", "NAME", "   1   2 tot adj TOT", " GR "}));
}

TEST(PageLayout, LabelsOfNarrowIdAndNameWidths) {
    struct Case {
        int idLen, nameLen;
        const char *id, *name, *possible, *average;
        float idX, nameX, possibleX, averageX;
    };
    // Zone 1 is 300 twips wide, the ID# zone (IdDispLen + 1) * 100.
    // clang-format off
    const Case cases[] = {
        {11, 30, "ID#", "NAME", "Possible Points", "Class Average", 700, 1500 + 1300, 1700, 1700},
        {3, 4, "ID#", "NAME", "Pts", "Avg", 300, 700, 300, 300},
        {2, 3, "ID#", "NAME", "Pts", "Avg", 300, 600, 300, 300},
        {1, 2, "#", "N", "Pts", "Avg", 300, 500, 300, 300},
        {0, 0, "#", "N", "Pts", "Avg", 300, 400, 300, 300},
        {6, 20, "ID#", "NAME", "Possible Points", "Class Average", 300 + 200, 1000 + 800, 300 + 600, 300 + 700},
    };
    // clang-format on
    const Document doc = MakeDocument(2, {{"Tests", 100, 3, 3}});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "IdDispLen " << c.idLen << ", NameDispLen " << c.nameLen);
        DisplaySettings d = DefaultDisplaySettings();
        d.IdDispLen = static_cast<std::int16_t>(c.idLen);
        d.NameDispLen = static_cast<std::int16_t>(c.nameLen);
        const std::vector<PageRow> rows = Lay(doc, 2, 1, 1, d).layout.Rows;
        const PageText* labels[] = {&rows[1].Texts[0], &rows[1].Texts[1], &rows[2].Texts[0],
                                    &rows[rows.size() - 2].Texts[0]};
        const char* texts[] = {c.id, c.name, c.possible, c.average};
        const float xs[] = {c.idX, c.nameX, c.possibleX, c.averageX};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ((std::pair{labels[i]->Literal, labels[i]->X}), (std::pair{std::string(texts[i]), xs[i]}));
    }
}

TEST(PageLayout, StudentRowShowsTheWindowsOfItsRowStrings) {
    Document doc = MakeDocument(3, {{"Tests", 100, 4, 3}});
    doc.CatData(2, 1) = "123-45-6789 Lovelace, Ada" + std::string(30 - 13, ' ');
    test::SetField(doc, 2, 2, 0, "95");
    test::SetField(doc, 2, 2, 2, "17");
    DisplaySettings d = DefaultDisplaySettings();
    d.IdDispLen = 4;
    d.NameDispLen = 8;
    const PageRow row = Lay(doc, 2, 1, 1, d).layout.Rows[4];
    EXPECT_EQ(Texts(doc, row), (std::vector<std::string>{" 2", "6789", "Lovelace", " ...  17 ...", "  95", " 2"}));
    ASSERT_EQ(row.Boxes.size(), 6U);
    const float xs[] = {0, 300, 800, 1700, 3000, 3500};
    const float ws[] = {300, 500, 900, 1300, 500, 300};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ((std::pair{row.Boxes[k].X, row.Boxes[k].W}), (std::pair{xs[k], ws[k]}));
        EXPECT_EQ((std::pair{row.Boxes[k].Color, row.Texts[k].Color}), (std::pair{d.BgColor[k + 1], d.FgColor[k + 1]}));
    }
    EXPECT_EQ(row.Texts[5].X, 3600);                           // the right border number follows one blank into zone 6
    EXPECT_EQ(RowNumberText(42) + RowNumberText(100), "4200"); // row numbers keep their last two digits
}

TEST(PageLayout, FooterJoinsInstructorAndTerm) {
    struct Case {
        const char* what;
        std::string term, instructor, want;
        bool infoLines = true;
    };
    const std::string longTerm(50, 'T');
    const std::string longInstructor(50, 'I');
    // Row of 95 characters (10 score fields): 95 - 6 characters of room.
    // clang-format off
    const Case cases[] = {
        {"short lines", "Fall 2024", "Dr. Who", "Dr. Who" + std::string(95 - 9 - 7 - 6, ' ') + "Fall 2024"},
        {"one blank left", std::string(40, 'T'), std::string(48, 'I'),
         std::string(48, 'I') + " " + std::string(40, 'T')},
        {"too long", longTerm, longInstructor, (longInstructor + " " + longTerm).substr(0, 89)},
        {"empty", "", "", std::string(89, ' ')},
        {"no info lines", "", "", std::string(89, ' '), false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = MakeDocument(2, {{"Tests", 100, 11, 3}});
        doc.InfoLine[3] = c.term;
        doc.InfoLine[4] = c.instructor;
        if (!c.infoLines) {
            doc.InfoLine.resize(1);
            doc.LastInfo = 0;
        }
        const PageRow footer = Lay(doc, 2).layout.Rows.back();
        ASSERT_EQ(footer.Texts.size(), 1U);
        EXPECT_EQ((std::pair{footer.Texts[0].Literal, footer.Texts[0].X}), (std::pair{c.want, 300.0F}));
    }
}

TEST(PageLayout, TooSmallForTheFontShowsAMessageInsteadOfDividingByZero) {
    // clang-format off
    const PageMetrics tooSmall[] = {
        {100, 194, 2000, 300, 12000}, // (2000 - 400 - 300) / 200 - 7 = -0.5: no student row fits
        {100, 194, 9000, 300, 4000},  // 4000 / 100 - 54 - 2 is negative: no field fits
        {1200, 2000, 9000, 300, 12000},
        {0, 0, 9000, 300, 12000},
    };
    // clang-format on
    const Document doc = MakeDocument(40, {{"Tests", 100, 11, 3}});
    for (const PageMetrics& m : tooSmall) {
        SCOPED_TRACE(testing::Message() << m.CharW << " x " << m.CharH << ", " << m.WindowHeight << ", "
                                        << m.ScreenWidth);
        const PageLayout l = Lay(doc, 2, 1, 1, DefaultDisplaySettings(), m).layout;
        EXPECT_EQ(l.Message, "Window too small for this font");
        ASSERT_EQ(l.Rows.size(), 2U);
        EXPECT_EQ(l.Rows[0].Texts[0].Literal + "|" + l.Rows[1].Texts[0].Literal,
                  "Window too small for this font|Choose a smaller font with \"Disp\".");
        EXPECT_FALSE(l.Fits || l.GroupEnabled || l.PageEnabled || l.HasStudents());
    }
    EXPECT_TRUE(Lay(doc, 2).layout.Fits);
    EXPECT_EQ(Lay(Document{}, 0).layout.Message, "No markroll is open");
}

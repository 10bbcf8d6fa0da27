// The editor page as a layout model: zones, groups of students, pages of fields, wraps and the texts of the
// title, label and footer rows, on round metrics ("A" 100 x 194 twips, rows 200 twips high).

#include <gtest/gtest.h>

#include "document/DisplaySettings.h"
#include "editor/PageLayout.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::CatShape;
using markroll::test::MakeDocument;

namespace {

// 34 students fit: Fix((9000 - 400 - 300) / 200 - 7). 16 fields fit: Fix((12000 / 100 - 54 - 2) / 4).
PageMetrics Metrics() {
    return {100, 194, 9000, 300, 12000};
}

struct Page {
    PageLayout layout;
    std::int16_t cat;
    std::int16_t group;
    std::int16_t page;
};

Page Lay(const Document& doc, int cat, int group = 1, int page = 1, DisplaySettings display = DefaultDisplaySettings(),
         PageMetrics metrics = Metrics()) {
    Page p{{}, static_cast<std::int16_t>(cat), static_cast<std::int16_t>(group), static_cast<std::int16_t>(page)};
    p.layout = DispCat(doc, p.cat, p.group, p.page, display, metrics);
    return p;
}

// The text of the run of a row that starts at x.
const PageText* RunAt(const PageRow& row, float x) {
    for (const PageText& t : row.Texts)
        if (t.X == x)
            return &t;
    return nullptr;
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
    const Page p = Lay(doc, 2);
    const PageLayout& l = p.layout;
    ASSERT_TRUE(l.Fits);
    EXPECT_EQ(l.RowH, 200);
    EXPECT_EQ(l.TopY, 400);
    EXPECT_EQ(l.StuPerGroup, 34);
    EXPECT_EQ(l.FldPerPage, 16);
    EXPECT_EQ(l.NumGroups, 2);
    EXPECT_EQ(l.NumPages, 1);
    EXPECT_EQ(l.FirstStu, 1);
    EXPECT_EQ(l.LastStu, 34);
    EXPECT_EQ(l.FirstFld, 1);
    EXPECT_EQ(l.LastFld, 10);
    EXPECT_EQ(l.ZoneLen, (std::array<int, 7>{95, 3, 12, 31, 41, 5, 3}));
    EXPECT_EQ(l.ZoneStart, (std::array<int, 7>{0, 1, 1, 13, 5, 1, 1}));
    EXPECT_EQ(l.ZoneShow[4], 40);
    EXPECT_EQ(l.ZoneWid[0], 9500);
    EXPECT_EQ(l.ZoneWid[4], 4100);
    EXPECT_EQ(l.DataX, 4600);
    EXPECT_EQ(l.DataEndX, 8600);
    EXPECT_EQ(l.SpanX0, l.DataX);
    EXPECT_EQ(l.SpanX1, l.DataEndX);
    EXPECT_EQ(l.PossY, 800);
    EXPECT_EQ(l.LastRowY, 800 + 34 * 200);
    EXPECT_TRUE(l.GroupEnabled);
    EXPECT_FALSE(l.PageEnabled);
    // Title, column titles, possible points, 34 students, class average, footer.
    EXPECT_EQ(l.Rows.size(), 39U);
}

TEST(PageLayout, GroupsPagesAndWraps) {
    struct Case {
        const char* what;
        int students;
        int fields;
        int cat, group, page;
        int wantCat, wantGroup, wantPage;
        int numGroups, numPages, firstStu, lastStu, firstFld, lastFld;
        bool groupEnabled, pageEnabled;
    };
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Document doc = MakeDocument(c.students, {{"Tests", 100, c.fields, 3}});
        const Page p = Lay(doc, c.cat, c.group, c.page);
        ASSERT_TRUE(p.layout.Fits);
        EXPECT_EQ(p.cat, c.wantCat);
        EXPECT_EQ(p.group, c.wantGroup);
        EXPECT_EQ(p.page, c.wantPage);
        EXPECT_EQ(p.layout.NumGroups, c.numGroups);
        EXPECT_EQ(p.layout.NumPages, c.numPages);
        EXPECT_EQ(p.layout.FirstStu, c.firstStu);
        EXPECT_EQ(p.layout.LastStu, c.lastStu);
        EXPECT_EQ(p.layout.FirstFld, c.firstFld);
        EXPECT_EQ(p.layout.LastFld, c.lastFld);
        EXPECT_EQ(p.layout.GroupEnabled, c.groupEnabled);
        EXPECT_EQ(p.layout.PageEnabled, c.pageEnabled);
        EXPECT_EQ(p.layout.ZoneLen[4], (c.lastFld - c.firstFld + 1) * 4 + 1);
        EXPECT_EQ(p.layout.ZoneStart[4], c.firstFld * 4 + 1);
        EXPECT_EQ(p.layout.Rows.size(), static_cast<std::size_t>(c.lastStu - c.firstStu + 1 + 5));
    }
}

TEST(PageLayout, NoStudentsPutsTheClassAverageRightUnderThePossiblePoints) {
    const Document doc = MakeDocument(0, {{"Tests", 100, 3, 3}});
    const Page p = Lay(doc, 2);
    ASSERT_EQ(p.layout.Rows.size(), 5U);
    EXPECT_EQ(p.layout.Rows[2].Y, p.layout.PossY);
    EXPECT_EQ(p.layout.Rows[3].Y, p.layout.PossY + 200);
    EXPECT_EQ(Texts(doc, p.layout.Rows[3]).front(), "Class Average");
    EXPECT_EQ(p.layout.LastRowY, p.layout.PossY);
}

TEST(PageLayout, CategoryOfOneFieldShowsItsTotalInTheDataZone) {
    Document doc = MakeDocument(2, {{"Tests", 100, 1, 3}});
    test::SetField(doc, 1, 2, 0, "87");
    const Page p = Lay(doc, 2);
    const PageRow& student = p.layout.Rows[3];
    const PageText* data = RunAt(student, p.layout.DataX);
    const PageText* total = RunAt(student, p.layout.ZoneX(5));
    ASSERT_TRUE(data && total);
    EXPECT_EQ(RunText(doc, *data), "  87");
    EXPECT_EQ(RunText(doc, *total), "  87");
}

TEST(PageLayout, TitleRowTextsAndBoxes) {
    const Document doc = MakeDocument(40, {{"Tests", 40, 11, 3}, {"Labs", 60, 3, 3}});
    const Page p = Lay(doc, 2, 2);
    const PageRow& title = p.layout.Rows[0];
    ASSERT_EQ(title.Texts.size(), 3U);
    const std::string caption = "2. Tests [40%] - {11}";
    EXPECT_EQ(title.Texts[0].Literal, "Group 2/2");
    EXPECT_EQ(title.Texts[0].X, 0);
    EXPECT_EQ(title.Texts[1].Literal, caption);
    EXPECT_EQ(title.Texts[1].X, (9500 - caption.size() * 100) / 2.0F);
    EXPECT_EQ(title.Texts[2].Literal, "Page 1/1");
    EXPECT_EQ(title.Texts[2].X, 9500 - 800);
    ASSERT_EQ(title.Boxes.size(), 3U);
    const DisplaySettings d = DefaultDisplaySettings();
    const int elements[] = {ElemGroup, ElemCategory, ElemPage};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(title.Boxes[i].X, title.Texts[i].X);
        EXPECT_EQ(title.Boxes[i].W, title.Texts[i].Literal.size() * 100.0F);
        EXPECT_EQ(title.Boxes[i].Y, 397);
        EXPECT_EQ(title.Boxes[i].H, 200);
        EXPECT_EQ(title.Boxes[i].Color, d.BgColor[elements[i]]);
        EXPECT_EQ(title.Texts[i].Color, d.FgColor[elements[i]]);
    }
}

TEST(PageLayout, SummaryTitlesAndTail) {
    const Document doc = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
    const Page p = Lay(doc, 0);
    EXPECT_EQ(p.layout.Rows[0].Texts[1].Literal, "0. SUMMARY [100%] - {6}");
    const std::vector<std::string> titles = Texts(doc, p.layout.Rows[1]);
    // Fields 1..5 of " GR   1   2 tot adj TOT" in the data zone, the grade title in the totals zone.
    EXPECT_EQ(titles, (std::vector<std::string>{"ID#", "NAME", "   1   2 tot adj TOT", " GR "}));
}

TEST(PageLayout, LabelsOfNarrowIdAndNameWidths) {
    struct Case {
        int idLen, nameLen;
        const char* id;
        float idX;
        const char* name;
        float nameX;
        const char* possible;
        float possibleX;
        const char* average;
        float averageX;
    };
    // Positions: zone 1 is 300 twips wide, the ID# zone (IdDispLen + 1) * 100.
    const Case cases[] = {
        {11, 30, "ID#", 700, "NAME", 1500 + 1300, "Possible Points", 1700, "Class Average", 1700},
        {3, 4, "ID#", 300, "NAME", 700, "Pts", 300, "Avg", 300},
        {2, 3, "ID#", 300, "NAME", 600, "Pts", 300, "Avg", 300},
        {1, 2, "#", 300, "N", 500, "Pts", 300, "Avg", 300},
        {0, 0, "#", 300, "N", 400, "Pts", 300, "Avg", 300},
        {6, 20, "ID#", 300 + 200, "NAME", 1000 + 800, "Possible Points", 300 + 600, "Class Average", 300 + 700},
    };
    const Document doc = MakeDocument(2, {{"Tests", 100, 3, 3}});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "IdDispLen " << c.idLen << ", NameDispLen " << c.nameLen);
        DisplaySettings d = DefaultDisplaySettings();
        d.IdDispLen = static_cast<std::int16_t>(c.idLen);
        d.NameDispLen = static_cast<std::int16_t>(c.nameLen);
        const Page p = Lay(doc, 2, 1, 1, d);
        const PageRow& titles = p.layout.Rows[1];
        EXPECT_EQ(titles.Texts[0].Literal, c.id);
        EXPECT_EQ(titles.Texts[0].X, c.idX);
        EXPECT_EQ(titles.Texts[1].Literal, c.name);
        EXPECT_EQ(titles.Texts[1].X, c.nameX);
        EXPECT_EQ(p.layout.Rows[2].Texts[0].Literal, c.possible);
        EXPECT_EQ(p.layout.Rows[2].Texts[0].X, c.possibleX);
        const PageRow& average = p.layout.Rows[p.layout.Rows.size() - 2];
        EXPECT_EQ(average.Texts[0].Literal, c.average);
        EXPECT_EQ(average.Texts[0].X, c.averageX);
        EXPECT_EQ(p.layout.ZoneLen[2], c.idLen + 1);
        EXPECT_EQ(p.layout.ZoneStart[2], 11 - c.idLen + 1);
        EXPECT_EQ(p.layout.DataX, (3 + c.idLen + 1 + c.nameLen + 1) * 100.0F);
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
    const Page p = Lay(doc, 2, 1, 1, d);
    const PageRow& row = p.layout.Rows[4];
    EXPECT_EQ(Texts(doc, row), (std::vector<std::string>{" 2", "6789", "Lovelace", " ...  17 ...", "  95", " 2"}));
    ASSERT_EQ(row.Boxes.size(), 6U);
    const float xs[] = {0, 300, 800, 1700, 3000, 3500};
    const float ws[] = {300, 500, 900, 1300, 500, 300};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(row.Boxes[k].X, xs[k]);
        EXPECT_EQ(row.Boxes[k].W, ws[k]);
        EXPECT_EQ(row.Boxes[k].Color, d.BgColor[k + 1]);
        EXPECT_EQ(row.Texts[k].Color, d.FgColor[k + 1]);
    }
    // The right border number follows one blank into zone 6.
    EXPECT_EQ(row.Texts[5].X, 3600);
}

TEST(PageLayout, ShortRowStringsArePaddedSoTheColumnsStayInPlace) {
    Document doc = MakeDocument(2, {{"Tests", 100, 4, 3}});
    doc.CatData(1, 2) = " 50   7";
    const Page p = Lay(doc, 2);
    const std::vector<std::string> texts = Texts(doc, p.layout.Rows[3]);
    EXPECT_EQ(texts[3], "  7         ");
    EXPECT_EQ(texts[4], " 50 ");
}

TEST(PageLayout, RowNumbersKeepTheirLastTwoDigits) {
    EXPECT_EQ(RowNumberText(5), " 5");
    EXPECT_EQ(RowNumberText(42), "42");
    EXPECT_EQ(RowNumberText(100), "00");
}

TEST(PageLayout, FooterJoinsInstructorAndTerm) {
    struct Case {
        const char* what;
        std::string term, instructor, want;
    };
    const std::string longTerm(50, 'T');
    const std::string longInstructor(50, 'I');
    // Row of 95 characters (10 score fields): 95 - 6 characters of room.
    const Case cases[] = {
        {"short lines", "Fall 2024", "Dr. Who", "Dr. Who" + std::string(95 - 9 - 7 - 6, ' ') + "Fall 2024"},
        {"one blank left", std::string(40, 'T'), std::string(48, 'I'),
         std::string(48, 'I') + " " + std::string(40, 'T')},
        {"too long", longTerm, longInstructor, (longInstructor + " " + longTerm).substr(0, 89)},
        {"empty", "", "", std::string(89, ' ')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = MakeDocument(2, {{"Tests", 100, 11, 3}});
        doc.InfoLine[3] = c.term;
        doc.InfoLine[4] = c.instructor;
        const Page p = Lay(doc, 2);
        const PageRow& footer = p.layout.Rows.back();
        ASSERT_EQ(footer.Texts.size(), 1U);
        EXPECT_EQ(footer.Texts[0].Literal, c.want);
        EXPECT_EQ(footer.Texts[0].X, 300);
        EXPECT_EQ(footer.Boxes[0].W, 9500);
    }
}

TEST(PageLayout, FooterOfADocumentWithoutInfoLines) {
    Document doc = MakeDocument(2, {{"Tests", 100, 11, 3}});
    doc.InfoLine.resize(1);
    doc.LastInfo = 0;
    const Page p = Lay(doc, 2);
    EXPECT_EQ(p.layout.Rows.back().Texts[0].Literal, std::string(89, ' '));
}

TEST(PageLayout, TooSmallForTheFontShowsAMessageInsteadOfDividingByZero) {
    struct Case {
        const char* what;
        PageMetrics metrics;
    };
    const Case cases[] = {
        // (2000 - 400 - 300) / 200 - 7 = -0.5: no student row fits.
        {"window too low", {100, 194, 2000, 300, 12000}},
        // 4000 / 100 - 54 - 2 is negative: no field fits.
        {"screen too narrow", {100, 194, 9000, 300, 4000}},
        {"huge font", {1200, 2000, 9000, 300, 12000}},
        {"no font", {0, 0, 9000, 300, 12000}},
    };
    const Document doc = MakeDocument(40, {{"Tests", 100, 11, 3}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Page p = Lay(doc, 2, 1, 1, DefaultDisplaySettings(), c.metrics);
        EXPECT_FALSE(p.layout.Fits);
        EXPECT_EQ(p.layout.Message, "Window too small for this font");
        ASSERT_EQ(p.layout.Rows.size(), 2U);
        EXPECT_EQ(p.layout.Rows[0].Texts[0].Literal, "Window too small for this font");
        EXPECT_EQ(p.layout.Rows[1].Texts[0].Literal, "Choose a smaller font with \"Disp\".");
        EXPECT_FALSE(p.layout.GroupEnabled);
        EXPECT_FALSE(p.layout.PageEnabled);
        EXPECT_FALSE(p.layout.HasStudents());
    }
    // The same document comes back with a smaller font.
    EXPECT_TRUE(Lay(doc, 2).layout.Fits);
}

TEST(PageLayout, NoDocument) {
    const Document doc;
    const Page p = Lay(doc, 0);
    EXPECT_FALSE(p.layout.Fits);
    EXPECT_EQ(p.layout.Message, "No markroll is open");
}

TEST(PageLayout, MaximalDocumentOnAFullHdScreen) {
    const Document doc = test::MaximalDocument();
    // 1920 x 1080 pixels at 96 dpi, Courier 8 of 6.4 x 12 pixels.
    const PageMetrics fullHd{96, 180, 16200, 300, 28800};
    const Page summary = Lay(doc, 0, 1, 1, DefaultDisplaySettings(), fullHd);
    EXPECT_EQ(summary.layout.StuPerGroup, 76);
    EXPECT_EQ(summary.layout.NumGroups, 2);
    EXPECT_EQ(summary.layout.FldPerPage, 61);
    EXPECT_EQ(summary.layout.LastFld, 11);
    const Page category = Lay(doc, 2, 1, 2, DefaultDisplaySettings(), fullHd);
    EXPECT_EQ(category.layout.NumPages, 2);
    EXPECT_EQ(category.layout.FirstFld, 62);
    EXPECT_EQ(category.layout.LastFld, 63);
}

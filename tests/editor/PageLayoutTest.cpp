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

PageLayout Lay(const Document& doc, int cat, int group = 1, DisplaySettings display = DefaultDisplaySettings(),
               PageMetrics metrics = Round) {
    std::int16_t c = std::int16_t(cat), g = std::int16_t(group), page = 1;
    return DispCat(doc, c, g, page, display, metrics);
}

std::vector<std::string> Texts(const Document& doc, const PageRow& row) {
    std::vector<std::string> texts;
    for (const PageText& t : row.Texts)
        texts.push_back(RunText(doc, t));
    return texts;
}

} // namespace

TEST(PageLayout, ZonesOfAUserCategoryWithFullWidths) {
    const PageLayout l = Lay(MakeDocument(40, {{"Tests", 40, 11, 3}, {"Labs", 60, 3, 3}}), 2);
    EXPECT_EQ(l.ZoneLen, (std::array<int, 7>{95, 3, 12, 31, 41, 5, 3}));
    EXPECT_EQ(l.ZoneStart, (std::array<int, 7>{0, 1, 1, 13, 5, 1, 1}));
    EXPECT_EQ((std::vector<float>{l.RowH, float(l.StuPerGroup), float(l.FldPerPage), float(l.ZoneShow[4]), l.ZoneWid[0],
                                  l.DataX, l.DataEndX, l.PossY, l.LastRowY}),
              (std::vector<float>{200, 34, 16, 40, 9500, 4600, 8600, 800, 800 + 34 * 200}));
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
        std::int16_t cat = std::int16_t(c.cat), group = std::int16_t(c.group), page = std::int16_t(c.page);
        const PageLayout l = DispCat(MakeDocument(c.students, {{"Tests", 100, c.fields, 3}}), cat, group, page,
                                     DefaultDisplaySettings(), Round);
        // Rows: title, column titles, possible points, the students shown, class average, footer.
        EXPECT_EQ((std::vector<int>{cat, group, page, l.NumGroups, l.NumPages, l.FirstStu, l.LastStu, l.FirstFld,
                                    l.LastFld, l.GroupEnabled, l.PageEnabled, int(l.Rows.size())}),
                  (std::vector<int>{c.wantCat, c.wantGroup, c.wantPage, c.numGroups, c.numPages, c.firstStu, c.lastStu,
                                    c.firstFld, c.lastFld, c.groupEnabled, c.pageEnabled, c.lastStu - c.firstStu + 6}));
    }
}

TEST(PageLayout, RowsOfOddShapes) {
    // Without students the class average comes right under the possible points.
    Document doc = MakeDocument(0, {{"Tests", 100, 3, 3}});
    const PageLayout none = Lay(doc, 2);
    EXPECT_EQ((std::tuple{none.Rows.at(3).Y, none.LastRowY, Texts(doc, none.Rows[3]).front()}),
              (std::tuple{none.PossY + 200, none.PossY, "Class Average"}));
    // A category of one field shows its total in the data zone as well.
    doc = MakeDocument(2, {{"Tests", 100, 1, 3}});
    test::SetField(doc, 1, 2, 0, "87");
    std::vector<std::string> texts = Texts(doc, Lay(doc, 2).Rows[3]);
    EXPECT_EQ(texts[3] + texts[4], "  87  87");
    // Short rows are padded so the columns stay in place.
    doc = MakeDocument(2, {{"Tests", 100, 4, 3}});
    doc.CatData(1, 2) = " 50   7";
    texts = Texts(doc, Lay(doc, 2).Rows[3]);
    EXPECT_EQ(texts[3] + "|" + texts[4], "  7         | 50 ");
}

TEST(PageLayout, TitleRows) {
    const Document doc = MakeDocument(40, {{"Tests", 40, 11, 3}, {"Labs", 60, 3, 3}});
    const PageRow title = Lay(doc, 2, 2).Rows[0];
    ASSERT_EQ(title.Texts.size() + title.Boxes.size(), 6U);
    const std::string caption = "2. Tests [40%] - {11}";
    EXPECT_EQ(Texts(doc, title), (std::vector<std::string>{"Group 2/2", caption, "Page 1/1"}));
    // Group at the left, caption centred, page at the right end, each boxed to its text.
    const float xs[] = {0, (9500 - caption.size() * 100) / 2.0F, 9500 - 800};
    const int elements[] = {ElemGroup, ElemCategory, ElemPage};
    const DisplaySettings d = DefaultDisplaySettings();
    for (std::size_t i = 0; i < 3; ++i) {
        const PageBox& b = title.Boxes[i];
        const PageText& t = title.Texts[i];
        EXPECT_EQ((std::tuple{t.X, b.X, b.W, b.Y, b.Color, t.Color}),
                  (std::tuple{xs[i], xs[i], t.Literal.size() * 100.0F, 397.0F, d.BgColor[elements[i]],
                              d.FgColor[elements[i]]}));
    }
    // A hand-edited name longer than the program makes is cut, so the caption stays clear of the labels.
    Document longName = MakeDocument(40, {{"Tests", 40, 11, 3}});
    longName.CatName[2] = "A category name far longer than sixteen characters";
    EXPECT_EQ(Texts(longName, Lay(longName, 2).Rows[0])[1], "2. A category name  [40%] - {11}");
    // SUMMARY: fields 1..5 of " GR   1   2 tot adj TOT" in the data zone, the grade title in the totals zone.
    const Document summary = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
    const PageLayout l = Lay(summary, 0);
    EXPECT_EQ(l.Rows[0].Texts[1].Literal, "0. SUMMARY [100%] - {6}");
    EXPECT_EQ(Texts(summary, l.Rows[1]), (std::vector<std::string>{"ID#", "NAME", "   1   2 tot adj TOT", " GR "}));
}

TEST(PageLayout, LabelsOfNarrowIdAndNameWidths) {
    // Labels at their X: zone 1 is 300 twips wide, the ID# zone (IdDispLen + 1) * 100.
    // clang-format off
    const std::tuple<int, int, const char*> cases[] = {
        {11, 30, "ID#@700 NAME@2800 Possible Points@1700 Class Average@1700"},
        {2, 3, "ID#@300 NAME@600 Pts@300 Avg@300"},
        {1, 2, "#@300 N@500 Pts@300 Avg@300"},
        {0, 0, "#@300 N@400 Pts@300 Avg@300"},
        {6, 20, "ID#@500 NAME@1800 Possible Points@900 Class Average@1000"},
    };
    // clang-format on
    const Document doc = MakeDocument(2, {{"Tests", 100, 3, 3}});
    for (const auto& [idLen, nameLen, want] : cases) {
        DisplaySettings d = DefaultDisplaySettings();
        d.IdDispLen = std::int16_t(idLen), d.NameDispLen = std::int16_t(nameLen);
        const std::vector<PageRow> rows = Lay(doc, 2, 1, d).Rows;
        std::string got;
        for (const PageText& t : {rows[1].Texts[0], rows[1].Texts[1], rows[2].Texts[0], rows[rows.size() - 2].Texts[0]})
            got += (got.empty() ? "" : " ") + t.Literal + "@" + std::to_string(int(t.X));
        EXPECT_EQ(got, want) << idLen << " " << nameLen;
    }
}

TEST(PageLayout, StudentRowShowsTheWindowsOfItsRowStrings) {
    Document doc = MakeDocument(3, {{"Tests", 100, 4, 3}});
    doc.CatData(2, 1) = "123-45-6789 Lovelace, Ada" + std::string(30 - 13, ' ');
    test::SetField(doc, 2, 2, 0, "95");
    test::SetField(doc, 2, 2, 2, "17");
    DisplaySettings d = DefaultDisplaySettings();
    d.IdDispLen = 4, d.NameDispLen = 8;
    const PageRow row = Lay(doc, 2, 1, d).Rows[4];
    EXPECT_EQ(Texts(doc, row), (std::vector<std::string>{" 2", "6789", "Lovelace", " ...  17 ...", "  95", " 2"}));
    ASSERT_EQ(row.Boxes.size(), 6U);
    const float xs[] = {0, 300, 800, 1700, 3000, 3500}, ws[] = {300, 500, 900, 1300, 500, 300};
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ((std::tuple{row.Boxes[k].X, row.Boxes[k].W, row.Boxes[k].Color, row.Texts[k].Color}),
                  (std::tuple{xs[k], ws[k], d.BgColor[k + 1], d.FgColor[k + 1]}));
    EXPECT_EQ(row.Texts[5].X, 3600);                           // the right border number follows one blank into zone 6
    EXPECT_EQ(RowNumberText(42) + RowNumberText(100), "4200"); // row numbers keep their last two digits
}

TEST(PageLayout, FooterJoinsInstructorAndTerm) {
    // Row of 95 characters (10 score fields): 95 - 6 characters of room.
    const std::string T(40, 'T'), I(48, 'I');
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Fall 2024", "Dr. Who", "Dr. Who" + std::string(95 - 9 - 7 - 6, ' ') + "Fall 2024"},
        {T, I, I + " " + T},                                        // one blank left
        {T + "TT", I + "II", (I + "II " + T + "TT").substr(0, 89)}, // too long
        {"", "", std::string(89, ' ')},                             // no information lines at all
    };
    for (const auto& [term, instructor, want] : cases) {
        Document doc = MakeDocument(2, {{"Tests", 100, 11, 3}});
        doc.InfoLine[3] = term, doc.InfoLine[4] = instructor;
        if (term.empty())
            doc.InfoLine.resize(1), doc.LastInfo = 0;
        const PageRow footer = Lay(doc, 2).Rows.back();
        EXPECT_EQ((std::tuple{footer.Texts.size(), footer.Texts[0].Literal, footer.Texts[0].X}),
                  (std::tuple{1U, want, 300.0F}));
    }
}

TEST(PageLayout, TooSmallForTheFontShowsAMessageInsteadOfDividingByZero) {
    // clang-format off
    const PageMetrics tooSmall[] = {
        {100, 194, 2000, 300, 12000}, // (2000 - 400 - 300) / 200 - 7 = -0.5: no student row fits
        {100, 194, 9000, 300, 4000},  // 4000 / 100 - 54 - 2 is negative: no field fits
        {0, 0, 9000, 300, 12000},
    };
    // clang-format on
    const Document doc = MakeDocument(40, {{"Tests", 100, 11, 3}});
    for (const PageMetrics& m : tooSmall) {
        const PageLayout l = Lay(doc, 2, 1, DefaultDisplaySettings(), m);
        ASSERT_EQ(l.Rows.size(), 2U) << m.CharW << " " << m.WindowHeight << " " << m.ScreenWidth;
        EXPECT_EQ(l.Rows[0].Texts[0].Literal + "|" + l.Rows[1].Texts[0].Literal,
                  "Window too small for this font|Choose a smaller font with \"Disp\".");
        EXPECT_FALSE(l.Fits || l.GroupEnabled || l.PageEnabled || l.HasStudents());
    }
    EXPECT_EQ(Lay(Document{}, 0).Message, "No markroll is open");
}

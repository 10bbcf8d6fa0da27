// The ordered listing as a model: the order, the row texts and the printed pages, on round metrics.

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/ListingLayout.h"
#include "reports/OrderList.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

Document WithKeys(const std::vector<std::string>& keys) {
    Document doc = MakeDocument(static_cast<int>(keys.size()), {{"Tests", 100, 3, 3}});
    for (std::size_t s = 0; s < keys.size(); ++s)
        SetField(doc, static_cast<int>(s) + 1, 2, 1, keys[s]);
    return doc;
}

std::vector<std::int16_t> Order(const std::vector<std::string>& keys, int mode, double draw = 0.5) {
    return OrderField(WithKeys(keys), 2, 1, mode, [draw] { return draw; }).Order;
}

TEST(OrderField, ExchangeOrderTiesAndRandomDraws) {
    using V = std::vector<std::int16_t>;
    EXPECT_EQ(Order({"70", "90", "80"}, OrderDecreasing), (V{2, 3, 1}));
    EXPECT_EQ(Order({"70", "90", "80"}, OrderIncreasing), (V{1, 3, 2}));
    EXPECT_EQ(Order({"5", "3", "5", "1"}, OrderIncreasing), (V{4, 2, 3, 1})); // not what a stable sort gives
    EXPECT_EQ(Order({"...", "-2", "x"}, OrderIncreasing), (V{2, 1, 3}));      // no number orders as 0
    EXPECT_EQ(Order({"9", "1", "5"}, OrderCurrent), (V{1, 2, 3}));
    EXPECT_EQ(Order({"9", "1", "5", "7"}, OrderRandom, 0.5), (V{3, 2, 4, 1}));
    EXPECT_EQ(Order({"9", "1", "5"}, OrderRandom, 0.9999999), (V{3, 2, 1}));
    EXPECT_TRUE(Order({}, OrderDecreasing).empty());
}

TEST(OrderRowText, ColumnsByDisplay) {
    Document doc = MakeDocument(100, {{"Tests", 100, 3, 3}});
    doc.CatData(100, 1) = "123-45-6789 Noether, Emmy" + Space(NameLen - 13);
    SetField(doc, 100, 2, 2, "88");
    EXPECT_EQ(OrderRowText(doc, 2, 2, 7, 100, DisplayId), "7  {00} 123-45-6789   88");
    EXPECT_EQ(OrderRowText(doc, 2, 2, 12, 100, DisplayName), "12 {00} Noether, Emmy" + Space(17) + "   88");
    const std::string both = OrderRowText(doc, 2, 0, 100, 5, DisplayBoth);
    EXPECT_EQ(both.substr(0, 8), "100{ 5} ");
    EXPECT_EQ(both.substr(IdLen + NameLen + 9), " ...");
    EXPECT_EQ((std::vector{ValueTitle(0, 0), ValueTitle(0, 1), ValueTitle(2, 0)}),
              (std::vector<std::string>{"Grade", "Score", "Score"}));
}

// Round metrics: a character 100 x 200 twips in every font.
const FontMeasure Round = [](const ReportFont&, std::string_view text) {
    return TextExtent{100.0 * static_cast<double>(text.size()), 200};
};

TEST(ListingPrint, RowsGoOnOnANewPageAndTheGradeColumnHasNoLabels) {
    const Document doc = WithKeys(std::vector<std::string>(30, "5"));
    ListingSpec spec{2, 1, OrderField(doc, 2, 1, OrderCurrent, {}), DisplayId, "Ordered by Field# 1"};
    // Title at 700, header at 950, titles at 1350, possible points at 1550, rows from 1850 on 200 apart.
    const auto items = LayoutListingPrint(doc, spec, 10000, 1850 + 200 * 20, Round);
    std::vector<double> rowsY;
    int pages = 1;
    for (const ReportItem& item : items) {
        pages += item.Type == ReportItem::NewPage;
        if (item.Type == ReportItem::Text && !item.Font.Bold && item.Font.Size == 12)
            rowsY.push_back(item.Y + 10000 * (pages - 1));
    }
    ASSERT_EQ(rowsY.size(), 30U);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ((std::vector{rowsY[0], rowsY[19], rowsY[20]}), (std::vector<double>{1850, 5650, 10700}));
    EXPECT_EQ(items.front().X, (10000 - 21 * 100) / 2); // the caption "2. Tests [100%] - {3}" centred
    EXPECT_EQ(items.back().Type, ReportItem::EndDoc);
    const ReportItem& student = items[2];
    EXPECT_EQ((std::tuple{student.Value, student.X, student.Y}), (std::tuple{std::string("Student"), 4600.0, 1350.0}));

    const Document none = MakeDocument(0, {{"Tests", 100, 3, 3}});
    ListingSpec grade{0, 0, OrderField(none, 0, 0, OrderDecreasing, {}), DisplayBoth, "h"};
    const auto empty = LayoutListingPrint(none, grade, 10000, 16000, Round);
    EXPECT_EQ(empty.size(), 9U); // title, header, two column titles, two extra rows of two, end
    EXPECT_EQ((std::vector{empty[4].Value, empty[6].Value}), (std::vector<std::string>{"   ", "   "}));
}

TEST(ListingLines, ExtraRowsAlignTheirValuesWithTheRows) {
    Document doc = WithKeys({"70", "90"});
    SetField(doc, doc.PossibleRow(), 2, 1, "100");
    const auto lines = ListingLines(doc, 2, 1, OrderField(doc, 2, 1, OrderDecreasing, {}), DisplayId, "Head");
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], "2. Tests [100%] - {3}");
    EXPECT_EQ(lines[2], "         Poss. Pts   100");
    EXPECT_EQ(lines[3], "1  { 2} ...-..-....   90");
    EXPECT_EQ(lines[5].substr(0, 20), "         Class Avg. ");
}

} // namespace

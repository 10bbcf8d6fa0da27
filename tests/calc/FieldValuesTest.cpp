#include <gtest/gtest.h>

#include "calc/Structure.h"
#include "support/TestDocuments.h"

using namespace markroll;

namespace {

// Set Field Values writes one cell into every row of the field: the average, the students and the possible
// points, except SUMMARY's computed possible points; the titles and the other fields stay.
TEST(SetFieldValues, EveryRowOfOneField) {
    for (const int cat : {0, 2}) {
        Document doc = test::MakeDocument(3, {{"Tests", 100, 4, 3}});
        const Document before = doc;
        SetFieldValues(doc, cat, 2, "12345");
        for (int r = 0; r < doc.RowCount(); ++r) {
            const bool set = r <= doc.NumStudents || (r == doc.PossibleRow() && cat != 0);
            EXPECT_EQ(Mid(doc.CatData(r, cat), 9, 4), set ? "1234" : Mid(before.CatData(r, cat), 9, 4)) << r;
            EXPECT_EQ(Left(doc.CatData(r, cat), 8), Left(before.CatData(r, cat), 8)) << r;
        }
    }
    Document doc = test::MakeDocument(3, {{"Tests", 100, 4, 3}});
    const Document before = doc;
    SetFieldValues(doc, 2, 1, "7");
    EXPECT_EQ(Mid(doc.CatData(2, 2), 5, 4), "7   ");
    for (const auto& [c, f] : {std::pair{1, 0}, {2, 4}, {2, -1}, {5, 0}})
        SetFieldValues(doc, c, f, "9");
    EXPECT_EQ(Mid(doc.CatData(2, 2), 5, 4), "7   ");
    EXPECT_EQ(doc.Grid[1], before.Grid[1]);
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FuzzOperations.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Rows of a file edited by hand can have any length; recalculation and grading still write the total and
// the grade cells. (The seed corpus runs every structure operation on such a file.)
TEST(HandEditedRows, ShortAndLongRowsNeverBreak) {
    const std::vector<std::string> shapes = {
        "", "7", "  8", " 10 ", "  12 ...  1", std::string(300, '9'), std::string(5, ' ')};
    for (std::size_t shape = 0; shape < shapes.size(); ++shape) {
        Document doc = MakeDocument(3, {{"Tests", 50, 4, 3}, {"Lab", 50, 3, 2}});
        for (auto& rows : doc.Grid)
            for (std::size_t r = 0; r < rows.size(); ++r)
                rows[r] = shapes[(shape + r) % shapes.size()];
        RecalcAll(doc);
        AssignGrades(doc, false);
        for (int r = 1; r <= doc.NumStudents; ++r)
            EXPECT_TRUE(doc.CatData(r, 2).size() >= 4 && Left(doc.CatData(r, 0), 2) == "  ") << shape << " " << r;
    }
}

// A category that claims more fields than its rows hold is read as blanks beyond the row's end.
TEST(HandEditedRows, CountsThatDisagreeWithRows) {
    Document doc = MakeDocument(2, {{"Tests", 100, 3, 3}});
    doc.CatFields[2] = 40;
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    SetField(doc, 1, 2, 1, "5");
    RecalcAll(doc);
    EXPECT_EQ(Field(doc, 1, 2, 0), "  50");
    EXPECT_EQ(doc.CatData(0, 2).size(), 40u * CellWidth) << "every claimed field gets its average";

    // No fields, or a negative count: there is no total cell, so recalculation writes nothing there. (The
    // regression input negfields.mrk runs the structure operations on such a category.)
    for (int count : {0, -3}) {
        doc.CatFields[2] = static_cast<std::int16_t>(count);
        for (auto& row : doc.Grid[2])
            row.clear();
        RecalcAll(doc);
        EXPECT_EQ(doc.CatData(1, 2) + doc.CatData(0, 2), "") << count;
    }
}

// The seed corpus of the fuzzer and every input it once failed on: loading each and running the fuzz
// target's operations must hold every property.
TEST(FuzzInputs, SeedsAndRegressionsHold) {
    std::size_t loaded = 0;
    for (const char* sub : {"/corpus", "/regressions"}) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(std::string(MARKROLL_FUZZ_DIR) + sub, ec)) {
            const std::string bytes = ReadBytes(e.path().string());
            EXPECT_EQ(fuzz::RunOperations(bytes), "") << e.path();
            Document doc;
            loaded += ParseMarkroll(bytes, doc) ? 0 : 1;
        }
    }
    EXPECT_GE(loaded, 4u) << "the seed corpus is missing or holds no loadable markroll";
}

} // namespace

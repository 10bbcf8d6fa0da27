#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FuzzOperations.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "document/MarkrollFile.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Rows of a file edited by hand can have any length; no computation or structure change may read or
// write outside them.
TEST(HandEditedRows, ShortAndLongRowsNeverBreak) {
    const std::vector<std::string> shapes = {"", "7", "  8", " 10 ", "  12 ...  1", std::string(300, '9'),
                                             std::string(5, ' ')};
    for (std::size_t shape = 0; shape < shapes.size(); ++shape) {
        Document doc = MakeDocument(3, {{"Tests", 50, 4, 3}, {"Lab", 50, 3, 2}});
        for (auto& rows : doc.Grid)
            for (std::size_t r = 0; r < rows.size(); ++r)
                rows[r] = shapes[(shape + r) % shapes.size()];
        doc.FieldInfo[2] = "short";
        doc.FieldInfo[3].clear();
        const std::string what = "shape " + std::to_string(shape);

        RecalcAll(doc);
        for (int r = 1; r <= doc.NumStudents; ++r)
            EXPECT_GE(doc.CatData(r, 2).size(), 4u) << what << ": the total cell is written";
        AssignGrades(doc, false);
        for (int r = 1; r <= doc.NumStudents; ++r)
            EXPECT_EQ(doc.CatData(r, 0).substr(0, 2), "  ") << what;
        AssignGrades(doc, true);
        InsertCategory(doc, 3, 3, 3, "Mid", 10);
        InsertFields(doc, 2, 3, 2, 3);
        InsertFields(doc, 4, 2, 1, 3);
        int f1 = 3, f2 = 1;
        SwitchFields(doc, 2, f1, f2);
        DeleteFields(doc, 2, 1, 2);
        DeleteFields(doc, 4, 1, 9);
        SwitchCategories(doc, 2, 4);
        DeleteCategory(doc, 3);
        RecalcAll(doc);
        EXPECT_EQ(doc.NumCats, 4) << what;
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

    // No fields, or a negative count: there is no total cell, so recalculation writes nothing there.
    for (int count : {0, -3}) {
        doc.CatFields[2] = static_cast<std::int16_t>(count);
        for (auto& row : doc.Grid[2])
            row.clear();
        RecalcAll(doc);
        EXPECT_EQ(doc.CatData(1, 2), "") << count;
        EXPECT_EQ(doc.CatData(0, 2), "") << count;
    }
    int f1 = 1, f2 = 2;
    SwitchFields(doc, 2, f1, f2);
    InsertFields(doc, 2, 1, 1, 3);
    DeleteFields(doc, 2, 1, 1);
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

// The fuzz operations on generated documents followed by varied trailing bytes, from which the operations
// take their arguments.
TEST(FuzzInputs, OperationsOnGeneratedDocuments) {
    for (int students : {0, 1, 5}) {
        for (int tail = 0; tail < 40; ++tail) {
            Document doc = MakeDocument(students == 0 ? 1 : students, {{"A", 30, 3, 3}, {"B", 70, 5, 2}});
            if (students == 0) {
                doc.NumStudents = 0;
                for (auto& rows : doc.Grid)
                    rows.erase(rows.begin() + 1);
            }
            std::string bytes = SerializeMarkroll(doc);
            for (int i = 0; i < tail; ++i)
                bytes += static_cast<char>((tail * 37 + i * 101) % 256);
            EXPECT_EQ(fuzz::RunOperations(bytes), "") << students << " students, tail " << tail;
        }
    }
}

} // namespace

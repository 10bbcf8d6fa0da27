// The roster preview's rules: the columns it offers, the columns chosen, each row as shown and the summary.

#include <gtest/gtest.h>

#include "calc/Students.h"
#include "modify/ImportSetup.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The columns found from a header (last and first names too) survive the trip through the preview's lists; the
// lists name the columns by their first record, cut without splitting a character.
TEST(ImportSetup, ColumnsThroughTheLists) {
    const Document doc = MakeDocument(1, {{"T", 100, 2, 3}});
    for (const char* bytes : {"Last Name,First Name,ID\r\nLee,Ann,7\r\n", "7,Lee,Ann\r\n", "Name,ID\r\nAnn,7\r\n"}) {
        const Roster roster = ReadRoster(bytes);
        const auto names = [&](const RosterColumns& columns) {
            std::vector<std::string> got;
            for (const RosterEntry& e : PreviewRoster(doc, roster, columns))
                got.push_back(e.Id + "|" + e.Name);
            return got;
        };
        EXPECT_EQ(names(ColumnsOf(ChoiceOf(roster.Columns))), names(roster.Columns)) << bytes;
    }
    const std::string e = "\xC3\xA9", eleven = e + e + e + e + e + e + e + e + e + e + e; // 24 bytes cut the 12th
    const Roster roster = ReadRoster("Nr,a" + eleven + e + e + ",,x\r\n7,Lee,Ann\r\n");
    EXPECT_EQ(ColumnLabels(roster, true),
              (std::vector<std::string>{"1: Nr", "2: a" + eleven + "...", "3: (untitled)", "4: x"}));
}

// Accepted rows as NAME DATA will hold them, rejected ones as read with their reason; the summary counts both.
TEST(ImportSetup, RowsAndSummary) {
    Document doc = MakeDocument(2, {{"T", 100, 2, 3}});
    doc.CatData(1, 1) = NewStudentRow("8", "Ko");
    const Roster roster = ReadRoster("7,Lee,Ann\r\n8,Ko,Bo\r\n");
    const auto entries = PreviewRoster(doc, roster, ColumnsOf({0, 1, 2, false}));
    std::vector<std::string> shown;
    for (const RosterEntry& e : entries) {
        const PreviewLine line = PreviewLineOf(e);
        shown.push_back(line.Line + "|" + line.Id + "|" + line.Name + "|" + line.Status + (line.Rejected ? "!" : ""));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"1|          7|Lee/ Ann|imported", "2|8|Ko/ Bo|ID 8 is already student 1!"}));
    EXPECT_EQ(PreviewSummary(doc, entries), "1 student will be added (3 in the markroll then), 1 row rejected");
    EXPECT_EQ(PreviewSummary(doc, {entries[1]}), "No row can be imported: 1 row rejected");
}

} // namespace

// The roster preview's lists: the columns they offer and the columns chosen in them.

#include <gtest/gtest.h>

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

} // namespace

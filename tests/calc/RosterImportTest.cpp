#include <gtest/gtest.h>

#include "calc/RosterImport.h"
#include "calc/Students.h"
#include "document/Session.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The columns from the header in its forms (any case, blanks around, tab-separated, a byte-order mark, last and
// first names joined), or the first two columns without one; a file that is not UTF-8 is read as Windows-1252.
TEST(RosterImport, FindsTheColumnsAndTheCodePage) {
    const Document doc = MakeDocument(1, {{"Tests", 100, 3, 3}});
    const std::tuple<std::string, bool, std::string, std::string> cases[] = {
        {"ID,Name\r\n7,Ann\r\n", true, "7", "Ann"},
        {"\xEF\xBB\xBF Student ID \tSTUDENT NAME\n7\tAnn\n", true, "7", "Ann"},
        {"Email,Last Name,First Name,Number\na@b, Lee ,Ann,7\n", true, "7", "Lee/ Ann"},
        {"\n\nid#,student\n7,Ann", true, "7", "Ann"},
        {"Name,Code\nAnn,7\n", true, "7", "Ann"},
        {"7,Ann,x\n8,Bo\n", false, "7", "Ann"},
        {"7,M\xFCller\r\n", false, "7", "M\u00fcller"},
        {"7,M\xC3\xBCller\r\n", false, "7", "M\u00fcller"}};
    for (const auto& [bytes, header, id, name] : cases) {
        const Roster roster = ReadRoster(bytes);
        const auto entries = PreviewRoster(doc, roster, roster.Columns);
        ASSERT_FALSE(entries.empty()) << bytes;
        EXPECT_EQ(std::tie(roster.Columns.Header, entries[0].Id, entries[0].Name), std::tie(header, id, name)) << bytes;
    }
}

// Every reason a row is rejected, with the line it starts on (the header, a blank line and a quoted line break
// counted), the MaxStudents cut, and the accepted rows appended as single new students in one undoable step.
TEST(RosterImport, RejectsWithReasonsAndAppendsTheRest) {
    AppState state;
    state.doc = MakeDocument(MaxStudents - 3, {{"Tests", 100, 3, 3}});
    state.doc.CatData(5, 1) = NewStudentRow("555", "Taken");
    DocumentCreated(state);
    const Document before = state.doc;
    const Roster roster =
        ReadRoster("ID,Last Name,First Name\r\n555,Taken,Tom\r\n1,\"Smith, \"\"Jr\"\"\",Ann\r\n\r\n"
                   "2,\"Multi\nLine\",B\xC3\xB6\r\n1,Again,Al\r\n,No,Id\r\n3,,\r\n4,Emoji,\xF0\x9F\x98\x80\r\n"
                   "123456789012,Long,Id\r\n5,Ok,Cy\r\n6,Full,Di\r\n");
    const auto entries = PreviewRoster(state.doc, roster, roster.Columns);
    std::vector<std::string> rejected;
    for (const RosterEntry& e : entries)
        if (!e.Accepted())
            rejected.push_back(RejectionLine(e));
    EXPECT_EQ(rejected, (std::vector<std::string>{"line 2: ID 555 is already student 5", "line 7: ID 1 repeats line 3",
                                                  "line 8: no ID", "line 9: no name",
                                                  "line 10: the name has a character that Windows-1252 cannot hold",
                                                  "line 11: the ID is longer than 11 characters",
                                                  "line 13: past the 100 students a markroll holds"}));

    EXPECT_EQ(ImportStudents(state.doc, entries), 3);
    EXPECT_EQ(InvariantViolations(state.doc), "");
    EXPECT_EQ(std::vector<std::string>({state.doc.CatData(98, 1), state.doc.CatData(99, 1), state.doc.CatData(100, 1)}),
              std::vector<std::string>({NewStudentRow("1", "Smith, \"Jr\"/ Ann"),
                                        NewStudentRow("2", "Multi Line/ B\xF6"), NewStudentRow("5", "Ok/ Cy")}));
    EXPECT_EQ(state.doc.CatData(100, 2), before.CatData(1, 2));
    CommitStep(state, ImportStepName);
    ASSERT_TRUE(UndoStep(state));
    EXPECT_EQ(state.doc, before);
}

} // namespace

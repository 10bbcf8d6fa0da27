#include <gtest/gtest.h>

#include <sstream>

#include "CliCommands.h"
#include "calc/Students.h"
#include "document/CsvExport.h"
#include "document/MarkrollFile.h"
#include "support/Invariants.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The status, standard output and standard error of markroll-cli.
std::tuple<int, std::string, std::string> Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// export writes the bytes of the menu command to standard output or over a file (keeping no backup of a CSV
// file); stats prints its table; a category the command cannot take is a usage error naming the range.
// import-students reports each rejected row and the summary, and writes only when a row was added and it is no
// dry run.
TEST(MarkrollCliExchange, ExportStatsAndImport) {
    TempDir dir;
    const std::string f = dir.File("c.mrk"), csv = dir.File("c.csv");
    Document doc = MakeDocument(2, {{"Tests, A", 100, 3, 3}});
    doc.CatData(1, 1) = NewStudentRow("7", "M\xFCller, \"Jo\"");
    SetField(doc, 1, 2, 1, "9");
    ASSERT_FALSE(SaveMarkroll(f, doc));
    const std::string before = ReadBytes(f);
    WriteBytes(csv, "old");
    WriteBytes(dir.File("bad.csv"), "ID,Name\r\n7,Again\r\n");
    WriteBytes(dir.File("ok.csv"), "8\tRen\xC3\xA9\r\n7\tAgain\r\n");
    const std::string again = "line 2: ID 7 is already student 1\n";
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"export", f}, 0, ExportCsv(doc), ""},
        {{"export", f, "--category", "2", "-o", csv}, 0, "", ""},
        {{"export", f, "--category", "3"}, 2, "", "markroll-cli export: --category must be 0..2, got '3'\n"},
        {{"stats", f, "--category", "1"}, 2, "", "markroll-cli stats: --category must be 0 or 2..2, got '1'\n"},
        {{"import-students", f, dir.File("bad.csv")}, 1, "0 students added, 1 row rejected\n", again},
        {{"import-students", f, dir.File("ok.csv"), "--dry-run"}, 0, "1 student added, 1 row rejected\n", again},
        {{"import-students", f, dir.File("no.csv")}, 1, "", dir.File("no.csv") + ": error 53: File not found\n"}};
    for (const auto& [args, status, out, err] : cases) {
        const auto [s, o, e] = Cli(args);
        EXPECT_EQ(std::make_tuple(s, o, e.substr(0, err.size())), std::tie(status, out, err));
    }
    const std::string stats = std::get<1>(Cli({"stats", f, "--category", "2"}));
    EXPECT_NE(stats.find("\n1             1      9.0      9.0      0.0        9        9        -\n"), stats.npos);
    EXPECT_EQ(ReadBytes(csv), ExportCsv(doc, 2));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"bad.csv", "c.csv", "c.mrk", "ok.csv"}));
    EXPECT_EQ(ReadBytes(f), before);

    ASSERT_EQ(std::get<0>(Cli({"import-students", f, dir.File("ok.csv")})), 0);
    ASSERT_FALSE(LoadMarkroll(f, doc));
    EXPECT_EQ(InvariantViolations(doc), "");
    EXPECT_EQ(doc.CatData(3, 1), NewStudentRow("8", "Ren\xE9"));
}

} // namespace

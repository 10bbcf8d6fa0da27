#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "document/TextNumber.h"
#include "support/Invariants.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

Document Load(const std::string& path) {
    Document doc;
    EXPECT_FALSE(LoadMarkroll(path, doc)) << path;
    return doc;
}

// Categories are committed as the create dialog commits them, and a number out of range is corrected as the
// dialog corrects it; the command says what it used.
TEST(MarkrollCli, NewCommitsCategoriesAndSaysHowItCorrectedNumbers) {
    TempDir dir;
    CliRun r = Cli({"new", "--students", "150", "--category", "Tests: term 1:600:1:9", "--category",
                    "Homework:300:70:0", "--category", "Labs:-300:3:2", dir.File("b.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    const Document doc = Load(dir.File("b.mrk"));
    using V = std::vector<std::int16_t>;
    EXPECT_EQ(std::tie(doc.NumStudents, doc.CatName[2], doc.CatWeight, doc.CatFields, doc.FieldLen),
              std::make_tuple(100, "Tests: term 1", V{997, 0, 499, 249, 249}, V{7, 2, 2, 64, 3}, V{3, 42, 4, 1, 2}));

    r = Cli({"new", "--students", "0", "--category", "A much longer name than that:1500:1:9", "--category",
             "B:-5:2.5:2", dir.File("n.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "category A much longer name than that: the name is cut to 16 characters, using A much longer na\n"
                     "category A much longer na: weight 1500 is above 999, using 999\n"
                     "category A much longer na: fields 1 is below 2, using 2\n"
                     "category A much longer na: field length 9 is above 4, using 4\n"
                     "category B: weight -5 is below 0, using 5\n"
                     "category B: fields 2.5 is not a whole number, using 2\n"
                     "weights: they add up to 1004, above 999, using 994, 4\n"
                     "students: 0 is below 1, using 1\n");
}

TEST(MarkrollCli, NewFromCopiesThePlanAndKeepsInfoAndGrades) {
    TempDir dir;
    Document src = DefaultDocument();
    src.InfoLine[1] = "Algebra, 2nd period";
    src.GradeLetter[1] = "A+";
    src.CatData(3, 2) = " 100  9";
    ASSERT_FALSE(SaveMarkroll(dir.File("src.mrk"), src));
    ASSERT_EQ(Cli({"new", "--from", dir.File("src.mrk"), "--students", "3", dir.File("c.mrk")}).status, 0);
    const Document doc = Load(dir.File("c.mrk"));
    EXPECT_EQ(std::tie(doc.NumStudents, doc.InfoLine[1], doc.GradeLetter[1], doc.CatName, doc.CatData(3, 2)),
              std::make_tuple(3, src.InfoLine[1], src.GradeLetter[1], src.CatName, " ... ..."));
}

// Usage errors exit with 2 and write nothing; every command has its help.
TEST(MarkrollCli, UsageErrorsAndHelp) {
    TempDir dir;
    const std::string x = dir.File("x.mrk");
    std::vector<std::string> nine = {"new"};
    for (int i = 0; i < 9; ++i)
        nine.insert(nine.end(), {"--category", "C:10:2:3"});
    nine.push_back(x);
    // clang-format off
    const std::vector<std::vector<std::string>> cases = {
        {}, {"frobnicate"}, {"new"}, {"new", "--category", "NoColons", x}, {"new", "--students"}, {"new", "--bogus", x},
        nine, {"info"}, {"info", "a", "b"}, {"recalc", "-o"}, {"grade", "--clear"}, {"new", "--students", "abc", x},
        {"new", "--students", "", x}, {"new", "--category", "A:abc:xyz:q", x}, {"new", "--category", "A:10:2x:3", x},
        {"recalc", x, "-o", ""}};
    // clang-format on
    for (const auto& args : cases) {
        const CliRun r = Cli(args);
        EXPECT_TRUE(r.status == 2 && !r.err.empty()) << r.status << (args.empty() ? "" : " " + args[0]);
    }
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_EQ(Cli({"new", "--bogus", x}).err,
              "markroll-cli new: unknown option '--bogus'\nTry 'markroll-cli new --help'.\n");
    EXPECT_EQ(Cli({"--help"}).status, 0);
    for (const char* cmd : {"new", "info", "recalc", "grade", "check"}) {
        const CliRun r = Cli({cmd, "--help"});
        EXPECT_TRUE(r.status == 0 && r.out.find(std::string("markroll-cli ") + cmd) != std::string::npos) << cmd;
    }
}

// info prints the counts and the captions; recalc and grade write in place or to -o, which may be -, the
// standard output, whose failure is an error.
TEST(MarkrollCli, InfoRecalcAndGrade) {
    TempDir dir;
    ASSERT_EQ(Cli({"new", "--students", "12", "--category", "Tests:40:12:3", dir.File("i.mrk")}).status, 0);
    EXPECT_EQ(Cli({"info", dir.File("i.mrk")}).out,
              "12,3,7,6\n0. SUMMARY [40%] - {5}\n1. NAME DATA [0%] - {2}\n2. Tests [40%] - {12}\n");

    Document doc = DefaultDocument();
    doc.CatData(doc.PossibleRow(), 2) = " 100  50";
    doc.CatData(1, 2) = "      45";
    ASSERT_FALSE(SaveMarkroll(dir.File("g.mrk"), doc));
    const std::string before = ReadBytes(dir.File("g.mrk"));
    ASSERT_EQ(Cli({"recalc", dir.File("g.mrk"), "-o", dir.File("r.mrk")}).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("g.mrk")), before);
    RecalcAll(doc);
    EXPECT_EQ(Load(dir.File("r.mrk")), doc);
    // 34% of 90 and two categories without possible points (100 each): 96.6, so TOT 97.
    const CliRun out = Cli({"grade", dir.File("r.mrk"), "-o", "-"});
    ASSERT_EQ(Cli({"grade", dir.File("r.mrk")}).status, 0);
    EXPECT_EQ(out.out, ReadBytes(dir.File("r.mrk")));
    EXPECT_EQ(Left(Load(dir.File("r.mrk")).CatData(1, 0), 4), "  A ");
    const std::string graded = ReadBytes(dir.File("r.mrk"));
    ASSERT_EQ(Cli({"grade", "--clear", dir.File("r.mrk")}).status, 0);
    EXPECT_EQ(Left(Load(dir.File("r.mrk")).CatData(1, 0), 4), "    ");
    // Writing in place keeps the file as it was before.
    EXPECT_EQ(ReadBytes(dir.File("r.mrk~")), graded);
    EXPECT_EQ(Cli({"new", "-"}).out, SerializeMarkroll(DefaultDocument()));

    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"info", dir.File("r.mrk")}, broken, err), 1);
    EXPECT_EQ(err.str().rfind("markroll-cli info: error writing to standard output", 0), 0u) << err.str();
}

// A file error names the file, the line and the error number, and writes nothing; a pipe as output is refused
// and stays a pipe; new replaces a file only when forced.
TEST(MarkrollCli, FileErrorsNameFileLineAndNumberAndWriteNothing) {
    TempDir dir;
    WriteBytes(dir.File("short.mrk"), "40,5,7,6\r\n");
    ASSERT_EQ(Cli({"new", dir.File("ok.mrk")}).status, 0);
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    const std::string shortFile = dir.File("short.mrk") + ":2: error 62: Input past end of file\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"new", dir.File("ok.mrk")}, dir.File("ok.mrk") + ": file exists (use --force to overwrite)\n"},
        {{"check", dir.File("short.mrk")}, shortFile},
        {{"recalc", dir.File("short.mrk"), "-o", dir.File("out.mrk")}, shortFile},
        {{"info", dir.File("missing.mrk")}, dir.File("missing.mrk") + ": error 53: File not found\n"},
        {{"recalc", dir.File("ok.mrk"), "-o", dir.File("no/such/folder/x.mrk")},
         dir.File("no/such/folder/x.mrk") + ": error 75: Path/File access error\n"},
        {{"recalc", dir.File("ok.mrk"), "-o", dir.File("pipe")},
         dir.File("pipe") + ": error 75: Path/File access error (a named pipe, not a file)\n"}};
    for (const auto& [args, message] : cases) {
        const CliRun r = Cli(args);
        EXPECT_EQ(std::make_pair(r.status, r.err), std::make_pair(1, message));
    }
    EXPECT_EQ(ReadBytes(dir.File("ok.mrk")), SerializeMarkroll(DefaultDocument()));
    EXPECT_EQ(Cli({"new", "--force", dir.File("ok.mrk")}).status, 0);
    EXPECT_EQ(Cli({"check", dir.File("ok.mrk")}).out, "ok\n");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    // The forced new kept the file it replaced.
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"ok.mrk", "ok.mrk~", "pipe", "short.mrk"}));
}

// order: the listing as text (UTF-8 from the file's code page), the range of its category and field, and the
// same listing printed into a PDF file by the program itself.
TEST(MarkrollCli, OrderListsAsTextAndChecksItsArguments) {
    TempDir dir;
    Document doc = MakeDocument(3, {{"Tests", 100, 3, 3}});
    doc.CatData(2, 1) = "123-45-6789 Ren\xE9"
                        "e"; // a short row: the name is filled with dots
    for (const auto& [s, v] : {std::pair{1, "70"}, {2, "90"}, {3, "80"}})
        SetField(doc, s, 2, 1, v);
    ASSERT_FALSE(SaveMarkroll(dir.File("o.mrk"), doc));
    const CliRun r = Cli({"order", dir.File("o.mrk"), "2", "1", "--decreasing", "--show", "name"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(r.out.find("1  {")), "1  { 2} Ren\u00e9e" + std::string(NameLen - 5, '.') + "   90\n" +
                                                    "2  { 3} " + Space(NameLen) + "   80\n" + "3  { 1} " +
                                                    Space(NameLen) + "   70\n" + Space(9) + "Class Average" +
                                                    Space(NameLen - 13) + " ...\n");
    for (const auto& [cat, fld] : {std::pair{"1", "0"}, {"3", "0"}, {"2", "3"}, {"x", "0"}}) {
        const CliRun bad = Cli({"order", dir.File("o.mrk"), cat, fld});
        EXPECT_EQ(bad.status, 2) << cat << " " << fld;
    }
    EXPECT_EQ(Cli({"order", dir.File("o.mrk"), "2", "1", "--pdf", "x.pdf", "--print"}).status, 2);
}

// The student commands print the dialog's confirmation for the corrected numbers and write what its Yes does;
// --dry-run and the limits write nothing.
TEST(MarkrollCli, StudentCommandsConfirmAndApply) {
    TempDir dir;
    const std::string f = dir.File("s.mrk");
    ASSERT_EQ(Cli({"new", "--students", "3", f}).status, 0);
    const std::string blank = "{...-..-....                               }";
    CliRun r = Cli({"student", "append", f, "--id", "12-3", "--name", "Ren\u00e9e"});
    EXPECT_EQ(r.out, "Append 1 New Student(s)\nAfter Student#  3\n      " + blank + "\n");
    r = Cli({"student", "delete", f, "-5", "--count", "99", "--dry-run"});
    EXPECT_EQ(r.out, "Delete 3 Students\nStarting with Student#  1\n     " + blank + "\n");
    r = Cli({"student", "sort", f});
    Document doc;
    ASSERT_FALSE(LoadMarkroll(f, doc));
    EXPECT_EQ(doc.NumStudents, 4);
    EXPECT_EQ(doc.CatData(4, 1).substr(0, 17), "       12-3 Ren\xE9"
                                               "e");
    EXPECT_EQ(Cli({"adjust", f, "12"}).out, "Set Adjustment Points for all students to:\n12 Points?\n");
    ASSERT_FALSE(LoadMarkroll(f, doc));
    EXPECT_EQ(Mid(doc.CatData(2, 0), doc.NumCats * CellWidth + 1, CellWidth), "  12");

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"student", "append", f, "--count", "2", "--id", "x"},
                                               {"student", "insert", f},
                                               {"student", "jump", f},
                                               {"student", "append", f, "--name", "\u4e00"},
                                               {"adjust", f, "abc"}})
        EXPECT_EQ(Cli(bad).status, 2) << bad[1];
    EXPECT_EQ(Cli({"gradetable", f, "--set", "A :89.5,:x"}).out, "A\t90\n??\t0\n");
    EXPECT_EQ(Cli({"gradetable", f}).out, "A\t90\n??\t0\n");
    std::string many = "A:1";
    for (int i = 0; i < MaxGrades; ++i)
        many += ",B:2";
    EXPECT_EQ(Cli({"gradetable", f, "--set", many}).status, 2);
    ASSERT_EQ(Cli({"new", "--force", "--students", "100", f}).status, 0);
    r = Cli({"student", "insert", f, "1"});
    EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(1, std::string("Maximum Number of Students is 100!\n")));
}

// The category and field commands print their dialog's question for the corrected numbers and write what its OK
// does; a limit is an error, and a dry run or nothing to change writes nothing.
TEST(MarkrollCli, StructureCommandsConfirmAndApply) {
    TempDir dir;
    const std::string f = dir.File("f.mrk"), g = dir.File("g.mrk");
    ASSERT_EQ(Cli({"new", "--students", "2", "--category", "Tests:40:5:3", "--category", "Labs:60:3:2", f}).status, 0);
    // What each step says on standard output, or on standard error for status 1. Left-out settings copy the
    // category at the position: its user fields, not its fields with the total.
    // clang-format off
    const struct { std::vector<std::string> args; int status; std::string said; } steps[] = {
        {{"category", "insert", f, "3", "--name", "Quizzes and more tests", "--weight", "7.5"}, 0,
         "Insert New Category Before Category 3\nWeight= 8\nNumber of Fields= 2\nField Length= 2\n"
         "Category Name: Quizzes and more\n"},
        {{"category", "delete", f, "99"}, 0, "Delete Category4\n4. Labs [60%] - {3}\n"},
        {{"field", "insert", f, "2", "0", "--count", "99", "--length", "-9"}, 0,
         "Insert 59 Field(s) Before Field 1\n   Using a Field Length of 0\n"},
        {{"field", "append", f, "2"}, 1, "Category is Full\n"},
        {{"field", "delete", f, "2", "2", "--count", "99999", "--dry-run"}, 0, "Delete All but One Active Field?\n"},
        {{"field", "delete", f, "2", "62.5"}, 0, "Delete 1 Field(s)\nBeginning with Field 62\n"},
        {{"field", "switch", f, "2", "3", "3.4", "-o", g}, 0, ""},
        {{"field", "set", f, "2", "-0", "1500"}, 0, "Set Field 1 with a value of 999\n"},
        {{"category", "change", f, "3", "--weight", "-70"}, 0, "Change Category Weight:\n   From:  8\n   To:  70\n"},
        {{"category", "change", f, "3", "--weight", "70", "--name", "Quizzes and more"}, 0, ""},
        {{"field", "set", f, "2", "1", "x"}, 2, ""}, {{"field", "set", f, "4", "1", "5"}, 2, ""},
        {{"field", "switch", f, "2", "1", "63"}, 2, ""}, {{"field", "delete", f, "2", "1", "--length", "2"}, 2, ""},
        {{"category", "change", f, "1"}, 2, ""}, {{"category", "move", f}, 2, ""},
    };
    // clang-format on
    for (const auto& step : steps) {
        const CliRun r = Cli(step.args);
        EXPECT_EQ(std::tuple(r.status, step.status == 1 ? r.err : r.out), std::tuple(step.status, step.said))
            << step.args[1] << " " << step.args[3];
    }
    const Document doc = Load(f);
    EXPECT_EQ(
        std::tuple(doc.NumCats, doc.CatName[3], int(doc.CatFields[2]), int(doc.CatFields[3]), int(doc.CatWeight[0])),
        std::tuple(4, std::string("Quizzes and more"), 63, 3, 110));
    for (int r = 0; r <= doc.PossibleRow(); ++r)
        EXPECT_EQ(Field(doc, r, 2, 1), " 999") << r;
    EXPECT_EQ(InvariantViolations(doc), "");
    EXPECT_FALSE(std::filesystem::exists(g));
}

// The program itself: a full disk behind standard output, and a size limit on files that would otherwise end
// it by a signal and leave its temporary file behind.
TEST(MarkrollCliProgram, FullOutputAndFileSizeLimit) {
    TempDir dir;
    const std::string cli = MARKROLL_CLI_PATH;
    ASSERT_EQ(std::system((cli + " new " + dir.File("a.mrk")).c_str()), 0);
    const std::string run = "bash -c '" + cli + " info " + dir.File("a.mrk") + " >/dev/full 2>" + dir.File("err") + "'";
    EXPECT_EQ(WEXITSTATUS(std::system(run.c_str())), 1);
    EXPECT_EQ(ReadBytes(dir.File("err")),
              "markroll-cli info: error writing to standard output: No space left on device\n");

    const std::string limited = "bash -c 'ulimit -f 2; " + cli + " recalc " + dir.File("a.mrk") + " -o " +
                                dir.File("b.mrk") + " 2>" + dir.File("err") + "'";
    EXPECT_EQ(WEXITSTATUS(std::system(limited.c_str())), 1);
    EXPECT_EQ(ReadBytes(dir.File("err")), dir.File("b.mrk") + ": error 61: Disk full\n");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.mrk", "err"}));

    // The printed listing of 60 students goes on to a second page; pdftotext reads its rows back.
    const std::string pdf = dir.File("list.pdf");
    ASSERT_EQ(std::system((cli + " new --force --students 60 " + dir.File("a.mrk")).c_str()), 0);
    ASSERT_EQ(std::system((cli + " order " + dir.File("a.mrk") + " 2 0 --pdf " + pdf + " 2>/dev/null").c_str()), 0);
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    ASSERT_EQ(std::system(("pdfinfo " + pdf + " | grep -q '^Pages: *2$'").c_str()), 0);
    ASSERT_EQ(std::system(("pdftotext " + pdf + " " + dir.File("list.txt")).c_str()), 0);
    const std::string text = ReadBytes(dir.File("list.txt"));
    EXPECT_NE(text.find("Ordered by Field# 0"), std::string::npos);
    EXPECT_NE(text.find("60 {60}"), std::string::npos);
}

} // namespace

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

TEST(MarkrollCli, NewWithDefaultPlanWritesTheDefaultDocument) {
    TempDir dir;
    const CliRun r = Cli({"new", dir.File("a.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("a.mrk")), SerializeMarkroll(DefaultDocument()));

    const CliRun again = Cli({"new", dir.File("a.mrk")});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, dir.File("a.mrk") + ": file exists (use --force to overwrite)\n");
    EXPECT_EQ(Cli({"new", "--force", dir.File("a.mrk")}).status, 0);
}

TEST(MarkrollCli, NewCommitsCategoriesAsTheCreateDialogDoes) {
    TempDir dir;
    const CliRun r = Cli({"new", "--students", "150", "--category", "Tests: part 1:600:1:9", "--category",
                          "Homework:300:70:0", "--category", "Labs:-300:3:2", dir.File("b.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    Document doc;
    ASSERT_FALSE(LoadMarkroll(dir.File("b.mrk"), doc));
    EXPECT_EQ(doc.NumStudents, 100);
    ASSERT_EQ(doc.NumCats, 5);
    EXPECT_EQ(doc.CatName[2], "Tests: part 1");
    EXPECT_EQ(doc.CatWeight, (std::vector<std::int16_t>{997, 0, 499, 249, 249}));
    EXPECT_EQ(doc.CatFields, (std::vector<std::int16_t>{7, 2, 2, 64, 3}));
    EXPECT_EQ(doc.FieldLen, (std::vector<std::int16_t>{3, 42, 4, 1, 2}));
}

// A number out of range is corrected as the dialog corrects it, and the command says what it used.
TEST(MarkrollCli, NewSaysHowItCorrectedNumbers) {
    TempDir dir;
    const CliRun r = Cli({"new", "--students", "0", "--category", "A much longer name than that:1500:1:9",
                          "--category", "B:-5:2.5:2", dir.File("n.mrk")});
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
    Document doc;
    ASSERT_FALSE(LoadMarkroll(dir.File("c.mrk"), doc));
    EXPECT_EQ(doc.NumStudents, 3);
    EXPECT_EQ(doc.InfoLine[1], "Algebra, 2nd period");
    EXPECT_EQ(doc.GradeLetter[1], "A+");
    EXPECT_EQ(doc.CatData(3, 2), " ... ...");
    EXPECT_EQ(doc.CatName, src.CatName);
}

TEST(MarkrollCli, UsageErrorsExitWithTwoAndWriteNothing) {
    TempDir dir;
    const std::string x = dir.File("x.mrk");
    std::vector<std::string> nine = {"new"};
    for (int i = 0; i < 9; ++i)
        nine.insert(nine.end(), {"--category", "C:10:2:3"});
    nine.push_back(x);
    const std::vector<std::vector<std::string>> cases = {
        {}, {"frobnicate"}, {"new"}, {"new", "--category", "NoColons", x}, {"new", "--students"},
        {"new", "--bogus", x}, nine, {"info"}, {"info", "a", "b"}, {"recalc", "-o"}, {"grade", "--clear"},
        {"new", "--students", "abc", x}, {"new", "--students", "", x}, {"new", "--category", "A:abc:xyz:q", x},
        {"new", "--category", "A:10:2x:3", x}, {"recalc", x, "-o", ""},
    };
    for (const auto& args : cases) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_EQ(Cli({"new", "--bogus", x}).err,
              "markroll-cli new: unknown option '--bogus'\nTry 'markroll-cli new --help'.\n");
}

TEST(MarkrollCli, HelpForProgramAndEachCommand) {
    EXPECT_EQ(Cli({"--help"}).status, 0);
    for (const char* cmd : {"new", "info", "recalc", "grade", "check"}) {
        const CliRun r = Cli({cmd, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find(std::string("markroll-cli ") + cmd), std::string::npos) << cmd;
    }
}

TEST(MarkrollCli, InfoPrintsCountsAndCaptions) {
    TempDir dir;
    ASSERT_EQ(Cli({"new", "--students", "12", "--category", "Tests:40:12:3", dir.File("i.mrk")}).status, 0);
    const CliRun r = Cli({"info", dir.File("i.mrk")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "12,3,7,6\n0. SUMMARY [40%] - {5}\n1. NAME DATA [0%] - {2}\n2. Tests [40%] - {12}\n");
}

TEST(MarkrollCli, RecalcAndGradeWriteInPlaceOrToOut) {
    TempDir dir;
    Document doc = DefaultDocument();
    doc.CatData(doc.PossibleRow(), 2) = " 100  50";
    doc.CatData(1, 2) = "      45";
    ASSERT_FALSE(SaveMarkroll(dir.File("g.mrk"), doc));
    const std::string before = ReadBytes(dir.File("g.mrk"));

    ASSERT_EQ(Cli({"recalc", dir.File("g.mrk"), "-o", dir.File("r.mrk")}).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("g.mrk")), before);
    Document r;
    ASSERT_FALSE(LoadMarkroll(dir.File("r.mrk"), r));
    RecalcAll(doc);
    EXPECT_EQ(r, doc);
    EXPECT_EQ(Left(r.CatData(1, 2), 4), "  90");

    ASSERT_EQ(Cli({"grade", dir.File("r.mrk")}).status, 0);
    ASSERT_FALSE(LoadMarkroll(dir.File("r.mrk"), r));
    // 34% of 90 and two categories without possible points (100 each): 96.6, so TOT 97.
    EXPECT_EQ(Left(r.CatData(1, 0), 4), "  A ");

    ASSERT_EQ(Cli({"grade", "--clear", dir.File("r.mrk")}).status, 0);
    ASSERT_FALSE(LoadMarkroll(dir.File("r.mrk"), r));
    EXPECT_EQ(Left(r.CatData(1, 0), 4), "    ");
}

TEST(MarkrollCli, FileErrorsNameFileLineAndNumberAndWriteNothing) {
    TempDir dir;
    WriteBytes(dir.File("short.mrk"), "40,5,7,6\r\n");
    CliRun r = Cli({"check", dir.File("short.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.File("short.mrk") + ":2: error 62: Input past end of file\n");

    r = Cli({"recalc", dir.File("short.mrk"), "-o", dir.File("out.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.mrk")));

    r = Cli({"info", dir.File("missing.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.File("missing.mrk") + ": error 53: File not found\n");

    ASSERT_EQ(Cli({"new", dir.File("ok.mrk")}).status, 0);
    r = Cli({"recalc", dir.File("ok.mrk"), "-o", dir.File("no/such/folder/x.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.File("no/such/folder/x.mrk") + ": error 75: Path/File access error\n");
    EXPECT_EQ(Cli({"check", dir.File("ok.mrk")}).out, "ok\n");

    // A pipe as output is refused and stays a pipe.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    r = Cli({"recalc", dir.File("ok.mrk"), "-o", dir.File("pipe")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.File("pipe") + ": error 75: Path/File access error (a named pipe, not a file)\n");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
}

TEST(MarkrollCli, DashWritesToStandardOutputAndItsFailureIsAnError) {
    TempDir dir;
    ASSERT_EQ(Cli({"new", dir.File("ok.mrk")}).status, 0);
    EXPECT_EQ(Cli({"new", "-"}).out, ReadBytes(dir.File("ok.mrk")));
    const CliRun r = Cli({"grade", dir.File("ok.mrk"), "-o", "-"});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(Cli({"grade", dir.File("ok.mrk")}).status, 0);
    EXPECT_EQ(r.out, ReadBytes(dir.File("ok.mrk")));

    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunCli({"info", dir.File("ok.mrk")}, broken, err), 1);
    EXPECT_EQ(err.str().rfind("markroll-cli info: error writing to standard output", 0), 0u) << err.str();
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
}

} // namespace

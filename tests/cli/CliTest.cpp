#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliCommands.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"

#include <unistd.h>

namespace fs = std::filesystem;
using namespace markroll;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("markroll-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

Document DefaultDocument() {
    Document doc;
    CategoryPlan plan = Initialize(doc, false);
    CreateDocument(doc, plan);
    return doc;
}

} // namespace

TEST_F(CliTest, NewWithDefaultPlanWritesTheDefaultDocument) {
    const CliRun r = Cli({"new", Path("a.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(Path("a.mrk")), SerializeMarkroll(DefaultDocument()));

    const CliRun again = Cli({"new", Path("a.mrk")});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("file exists"), std::string::npos);
    EXPECT_EQ(Cli({"new", "--force", Path("a.mrk")}).status, 0);
}

TEST_F(CliTest, NewCommitsCategoriesAsTheCreateDialogDoes) {
    const CliRun r = Cli({"new", "--students", "150", "--category", "Tests: part 1:600:1:9", "--category",
                       "Homework:300:70:0", "--category", "Labs:-300:3:2", Path("b.mrk")});
    ASSERT_EQ(r.status, 0) << r.err;
    Document doc;
    ASSERT_FALSE(LoadMarkroll(Path("b.mrk"), doc));
    EXPECT_EQ(doc.NumStudents, 100);
    ASSERT_EQ(doc.NumCats, 5);
    EXPECT_EQ(doc.CatName[2], "Tests: part 1");
    EXPECT_EQ(doc.CatWeight[2], 499);
    EXPECT_EQ(doc.CatWeight[3], 249);
    EXPECT_EQ(doc.CatWeight[4], 249);
    EXPECT_EQ(doc.CatWeight[0], 997);
    EXPECT_EQ(doc.CatFields[2], 2);
    EXPECT_EQ(doc.FieldLen[2], 4);
    EXPECT_EQ(doc.CatFields[3], 64);
    EXPECT_EQ(doc.FieldLen[3], 1);
    EXPECT_EQ(doc.CatFields[0], 7);
}

TEST_F(CliTest, NewFromCopiesThePlanAndKeepsInfoAndGrades) {
    Document src = DefaultDocument();
    src.InfoLine[1] = "Algebra, 2nd period";
    src.GradeLetter[1] = "A+";
    src.CatData(3, 2) = " 100  9";
    ASSERT_FALSE(SaveMarkroll(Path("src.mrk"), src));

    ASSERT_EQ(Cli({"new", "--from", Path("src.mrk"), "--students", "3", Path("c.mrk")}).status, 0);
    Document doc;
    ASSERT_FALSE(LoadMarkroll(Path("c.mrk"), doc));
    EXPECT_EQ(doc.NumStudents, 3);
    EXPECT_EQ(doc.InfoLine[1], "Algebra, 2nd period");
    EXPECT_EQ(doc.GradeLetter[1], "A+");
    EXPECT_EQ(doc.CatData(3, 2), " ... ...");
    EXPECT_EQ(doc.CatName, src.CatName);
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    std::vector<std::string> nine = {"new"};
    for (int i = 0; i < 9; ++i) {
        nine.push_back("--category");
        nine.push_back("C:10:2:3");
    }
    nine.push_back(Path("x.mrk"));
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"new"},
        {"new", "--category", "NoColons", Path("x.mrk")},
        {"new", "--students"},
        {"new", "--bogus", Path("x.mrk")},
        nine,
        {"info"},
        {"info", "a", "b"},
        {"recalc", "-o"},
        {"grade", "--clear"},
    };
    for (const auto& args : cases) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(fs::exists(Path("x.mrk")));
}

TEST_F(CliTest, HelpForProgramAndEachCommand) {
    EXPECT_EQ(Cli({"--help"}).status, 0);
    for (const char* cmd : {"new", "info", "recalc", "grade", "check"}) {
        const CliRun r = Cli({cmd, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find(std::string("markroll-cli ") + cmd), std::string::npos) << cmd;
    }
}

TEST_F(CliTest, InfoPrintsCountsAndCaptions) {
    ASSERT_EQ(Cli({"new", "--students", "12", "--category", "Tests:40:12:3", Path("i.mrk")}).status, 0);
    const CliRun r = Cli({"info", Path("i.mrk")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "12,3,7,6\n0. SUMMARY [40%] - {5}\n1. NAME DATA [0%] - {2}\n2. Tests [40%] - {12}\n");
}

TEST_F(CliTest, RecalcAndGradeWriteInPlaceOrToOut) {
    Document doc = DefaultDocument();
    doc.CatData(doc.PossibleRow(), 2) = " 100  50";
    doc.CatData(1, 2) = "      45";
    ASSERT_FALSE(SaveMarkroll(Path("g.mrk"), doc));
    const std::string before = ReadAll(Path("g.mrk"));

    ASSERT_EQ(Cli({"recalc", Path("g.mrk"), "-o", Path("r.mrk")}).status, 0);
    EXPECT_EQ(ReadAll(Path("g.mrk")), before);
    Document r;
    ASSERT_FALSE(LoadMarkroll(Path("r.mrk"), r));
    Document expected = doc;
    RecalcAll(expected);
    EXPECT_EQ(r, expected);
    EXPECT_EQ(Left(r.CatData(1, 2), 4), "  90");

    ASSERT_EQ(Cli({"grade", Path("r.mrk")}).status, 0);
    ASSERT_FALSE(LoadMarkroll(Path("r.mrk"), r));
    // 34% of 90 and two categories without possible points (100 each): 96.6, so TOT 97.
    EXPECT_EQ(Left(r.CatData(1, 0), 4), "  A ");

    ASSERT_EQ(Cli({"grade", "--clear", Path("r.mrk")}).status, 0);
    ASSERT_FALSE(LoadMarkroll(Path("r.mrk"), r));
    EXPECT_EQ(Left(r.CatData(1, 0), 4), "    ");
}

TEST_F(CliTest, FileErrorsNameFileLineAndNumberAndWriteNothing) {
    WriteAll(Path("short.mrk"), "40,5,7,6\r\n");
    CliRun r = Cli({"check", Path("short.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, Path("short.mrk") + ":2: error 62: Input past end of file\n");

    r = Cli({"recalc", Path("short.mrk"), "-o", Path("out.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(Path("out.mrk")));

    r = Cli({"info", Path("missing.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, Path("missing.mrk") + ": error 53: File not found\n");

    WriteAll(Path("bad.mrk"), "40,x,7,6\r\n");
    r = Cli({"check", Path("bad.mrk")});
    EXPECT_EQ(r.err, Path("bad.mrk") + ":1: error 13: Type mismatch\n");

    ASSERT_EQ(Cli({"new", Path("ok.mrk")}).status, 0);
    r = Cli({"recalc", Path("ok.mrk"), "-o", Path("no/such/folder/x.mrk")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("error 75"), std::string::npos);
    EXPECT_EQ(Cli({"check", Path("ok.mrk")}).out, "ok\n");
}

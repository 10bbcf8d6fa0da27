// markroll-cli print: the category list and its messages in-process, the drawing operations, the PDF file and the
// paper through the program itself.

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "CliCommands.h"
#include "support/TempDir.h"

using namespace markroll;
using namespace markroll::test;

namespace {

struct ProgramRun {
    int status;
    std::string out;
};

// A shell command, markroll-cli standing for the program; only standard output is kept.
ProgramRun Shell(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    return {WEXITSTATUS(::pclose(pipe)), out};
}

ProgramRun Program(const std::string& args) {
    return Shell(std::string(MARKROLL_CLI_PATH) + " " + args);
}

long Matches(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), re), {});
}

TEST(MarkrollCliPrint, ListConfirmationAndUsage) {
    TempDir dir;
    const std::string f = dir.File("p.mrk");
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"new", "--students", "3", f}, out, err), 0);
    // Without a registered printer the list is still read and confirmed first.
    for (const auto& [list, status, message] : {std::tuple{"1, 9", 1, "Please Enter Catagories to print\n"},
                                                {"", 1, "Please Enter Catagories to print\n"},
                                                {"0,2,", 1, "Print  2 Catagories of Markroll( 0, 2,)\n"}}) {
        std::ostringstream o, e;
        EXPECT_EQ(RunCli({"print", f, "--ops", "--categories", list}, o, e), status) << list;
        EXPECT_TRUE(e.str().starts_with(message)) << e.str();
    }
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"print", f}, {"print", f, "--ops", "--pdf", "x.pdf"}, {"print", f, f, "--ops"}, {"print", f, "--x"}}) {
        std::ostringstream o, e;
        EXPECT_EQ(RunCli(bad, o, e), 2) << bad.back();
    }
}

TEST(MarkrollCliPrint, OperationsPdfAndPaper) {
    TempDir dir;
    const std::string f = dir.File("p.mrk");
    ASSERT_EQ(Program("new --students 45 --category Tests:100:31:3 " + f + " 2>/dev/null").status, 0);

    ProgramRun r = Program("print " + f + " --ops --categories 0,2 --bg 1 --fg 14 2>/dev/null");
    ASSERT_EQ(r.status, 0);
    // Every document opens with its page, font and colour; positions are whole twips.
    EXPECT_EQ(Matches(r.out, R"(doc\npage \d+ \d+\nfont Courier New 12 1 \d+\.\d\d \d+\.\d\d\ncolor \d+ \d+ \d+\n)"),
              4); // SUMMARY on one sheet, 30 fields on three
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'),
              Matches(r.out, R"((doc|enddoc|page \d+ \d+|font .*|color \d+ \d+ \d+|text -?\d+ -?\d+ ".*"|)"
                             R"(box( -?\d+){4} 0 0 128)\n)"));
    EXPECT_NE(r.out.find("color 255 255 0\ntext 200 700 \"Group 1/1\"\n"), std::string::npos);

    r = Program("print " + f + " --ops --worksheets --categories 2 2>/dev/null");
    EXPECT_NE(r.out.find(" 0 0 0 2\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ntext 100 "), std::string::npos);

    r = Program("print " + f + " --pdf " + dir.File("s.pdf") + " --paper A6 --name-width 30 2>&1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("markroll-cli print: Page too small for Category 2: not one score field"), std::string::npos);
    EXPECT_EQ(Program("print " + f + " --ops --paper B52 2>/dev/null").status, 2);

    // All sheets of one command in one PDF file, a page a sheet.
    const std::string pdf = dir.File("sheets.pdf");
    ASSERT_EQ(Program("print " + f + " --pdf " + pdf + " --paper A4 --id-width 4 2>/dev/null").status, 0);
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    EXPECT_EQ(Shell("pdfinfo " + pdf + " | grep -c '^Pages: *4$'").out, "1\n");
    const std::string text = Shell("pdftotext -layout " + pdf + " -").out;
    for (const char* expected : {"0. SUMMARY [100%] - {5}", "Page 3/3", "ID#", "Student Name", "Possible Points", "45"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

} // namespace

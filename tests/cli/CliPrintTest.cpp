// markroll-cli print, through the program itself: the category list and its messages, the drawing operations, the
// PDF file and the paper.

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "support/TempDir.h"

using namespace markroll::test;

namespace {

// The exit status and standard output of a shell command.
std::pair<int, std::string> Shell(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    return {WEXITSTATUS(::pclose(pipe)), out};
}

long Matches(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), re), {});
}

TEST(MarkrollCliPrint, ListOperationsPdfAndPaper) {
    TempDir dir;
    const std::string f = dir.File("p.mrk"), print = std::string(MARKROLL_CLI_PATH) + " print " + f;
    ASSERT_EQ(Shell(std::string(MARKROLL_CLI_PATH) + " new --students 45 --category Tests:100:31:3 " + f).first, 0);
    // The confirmation and the errors on standard error; malformed arguments are usage errors.
    // clang-format off
    const struct { std::string args; int status; const char* said; } runs[] = {
        {" --ops --categories '1, 9'", 1, "Please Enter Catagories to print\n"},
        {" --ops --categories 0,2,", 0, "Print  2 Catagories of Markroll( 0, 2,)\n"},
        {" --pdf " + dir.File("s.pdf") + " --paper A6 --name-width 30", 1,
         "markroll-cli print: Page too small for Category 2: not one score field"},
        {"", 2, ""}, {" --ops --pdf x.pdf", 2, ""}, {" " + f + " --ops", 2, ""}, {" --ops --paper B52", 2, ""},
    };
    // clang-format on
    for (const auto& run : runs) {
        const auto [status, err] = Shell(print + run.args + " 2>&1 >/dev/null");
        EXPECT_EQ(status, run.status) << run.args;
        EXPECT_NE(err.find(run.said), std::string::npos) << err;
    }

    auto [status, ops] = Shell(print + " --ops --categories 0,2 --bg 1 --fg 14 2>/dev/null");
    ASSERT_EQ(status, 0);
    // Every document opens with its page, font and colour; positions are whole twips.
    EXPECT_EQ(Matches(ops, R"(doc\npage \d+ \d+\nfont Courier New 12 1 \d+\.\d\d \d+\.\d\d\ncolor \d+ \d+ \d+\n)"),
              4); // SUMMARY on one sheet, 30 fields on three
    EXPECT_EQ(std::count(ops.begin(), ops.end(), '\n'),
              Matches(ops, R"((doc|enddoc|page \d+ \d+|font .*|color \d+ \d+ \d+|text -?\d+ -?\d+ ".*"|)"
                           R"(box( -?\d+){4} 0 0 128)\n)"));
    EXPECT_NE(ops.find("color 255 255 0\ntext 200 700 \"Group 1/1\"\n"), std::string::npos);
    ops = Shell(print + " --ops --worksheets --categories 2 2>/dev/null").second;
    EXPECT_TRUE(ops.find(" 0 0 0 2\n") != std::string::npos && ops.find("\ntext 100 ") != std::string::npos);

    // All sheets of one command in one PDF file, a page a sheet.
    const std::string pdf = dir.File("sheets.pdf");
    ASSERT_EQ(Shell(print + " --pdf " + pdf + " --paper A4 --id-width 4 2>/dev/null").first, 0);
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    EXPECT_EQ(Shell("pdfinfo " + pdf + " | grep -c '^Pages: *4$'").second, "1\n");
    const std::string text = Shell("pdftotext -layout " + pdf + " -").second;
    for (const char* expected : {"0. SUMMARY [100%] - {5}", "Page 3/3", "ID#", "Student Name", "Possible Points", "45"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

} // namespace

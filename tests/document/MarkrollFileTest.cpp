#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "document/MarkrollFile.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// A document whose counts and arrays agree and stay within the program's limits, but whose contents are
// arbitrary: texts with blanks at either end, commas, quotes, the upper half of the code page, carriage
// returns inside, or nothing at all; numbers anywhere in 16 bits. The file must carry whatever it is given.
Document RandomDocument(std::mt19937& rng) {
    auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto text = [&](int maxLen) {
        static const std::string special = " ,\"'\t\r;.-0123456789\x80\xA9\xFF";
        std::string s(static_cast<std::size_t>(in(0, 9) == 0 ? 0 : in(0, maxLen)), ' ');
        for (char& ch : s) {
            const int k = in(0, 383);
            ch = k < 256 && k != '\n' ? static_cast<char>(k) : special[static_cast<std::size_t>(k) % special.size()];
        }
        return s;
    };
    auto num = [&] {
        const int k = in(0, 7);
        return static_cast<std::int16_t>(k < 4 ? in(-5, 120) : k < 6 ? in(-32768, 32767) : k == 6 ? 32767 : -32768);
    };
    Document d;
    d.NumStudents = static_cast<std::int16_t>(in(0, 1) ? in(0, 8) : in(90, MaxStudents));
    d.NumCats = static_cast<std::int16_t>(in(2, MaxCats));
    d.LastInfo = static_cast<std::int16_t>(in(0, MaxInfo - 1));
    d.LastGrade = static_cast<std::int16_t>(in(0, MaxGrades));
    d.Resize();
    for (std::size_t i = 0; i < d.GradeMin.size(); ++i) {
        d.GradeMin[i] = num();
        d.GradeLetter[i] = text(3);
    }
    for (std::size_t c = 0; c < d.CatName.size(); ++c) {
        d.CatWeight[c] = num();
        d.CatFields[c] = static_cast<std::int16_t>(in(0, 3) ? in(-5, MaxFields) : -32768);
        d.FieldLen[c] = c < 2 ? num() : static_cast<std::int16_t>(in(0, CellWidth));
        d.CatName[c] = text(20);
        d.FieldInfo[c] = text(300);
    }
    for (auto& line : d.InfoLine)
        line = text(70);
    for (auto& rows : d.Grid)
        for (auto& row : rows)
            row = text(60);
    return d;
}

// Loading recomputes nothing: every byte of every document comes back as it was, also through the disk.
TEST(RoundTrip, EveryByteComesBack) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        const Document doc = RandomDocument(rng);
        const std::string bytes = SerializeMarkroll(doc);
        ASSERT_TRUE(seed % 20 != 0 || !SaveMarkroll(dir.File("class.mrk"), doc)) << "seed " << seed;
        Document back = DefaultDocument();
        const auto err = seed % 20 ? ParseMarkroll(bytes, back) : LoadMarkroll(dir.File("class.mrk"), back);
        ASSERT_FALSE(err) << "seed " << seed << ": " << err->Message();
        ASSERT_EQ(back, doc) << "seed " << seed;
    }
}

// The default file with line n (1-based) replaced by text, or cut before line n.
std::string WithLine(int n, const std::string& text, bool cut = false) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    std::size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(0, start) + text + (cut ? "" : bytes.substr(bytes.find("\r\n", start)));
}

std::string Declares(const std::string& what, int most) {
    return "the file declares " + what + "; a markroll holds at most " + std::to_string(most);
}

TEST(Parse, MalformedFilesGiveExactErrorAndLeaveDocument) {
    const std::string PastEnd = "Input past end of file", Mismatch = "Type mismatch", Overflow = "Overflow",
                      Subscript = "Subscript out of range", MoreLines = "the file holds more lines than its counts say",
                      Length = "; a field length is 0 to 4", Whole = SerializeMarkroll(DefaultDocument());
    // clang-format off
    const struct { std::string text; int number, line; std::string description; } cases[] = {
        {"", 62, 1, PastEnd}, {"40,5,7,6\r\n", 62, 2, PastEnd}, {"40,5,7,6", 62, 2, PastEnd},
        {WithLine(6, "", true), 62, 6, PastEnd}, {WithLine(101, "", true), 62, 101, PastEnd},
        {WithLine(253, "", true), 62, 253, PastEnd}, {"1,2,0,3\r\n0" + std::string(40, ' ') + "\r\n", 62, 3, PastEnd},
        {"1,2,0,0\r\n0\r\n" + std::string(40, 'x') + "\r\n", 62, 4, PastEnd},
        {"101,3,0,1\r\n", 9, 1, Declares("101 students", 100)}, {"40,11,7,6\r\n", 9, 1, Declares("11 categories", 10)},
        {"40,5,16,6\r\n", 9, 1, Declares("17 information lines", 16)},
        {"40,5,7,21\r\n", 9, 1, Declares("21 grade levels", 20)},
        {WithLine(18, "33,65,3"), 9, 18, Declares("65 fields in category 2", 64)},
        {WithLine(19, "33,2,5"), 9, 19, "the file declares a field length of 5 in category 3" + Length},
        {WithLine(20, "34,2,-1"), 9, 20, "the file declares a field length of -1 in category 4" + Length},
        {Whole + "\r\nextra\r\n", 9, 255, MoreLines}, {Whole + "\x1A\r\n\x1A", 9, 255, MoreLines},
        {WithLine(1, "39,5,7,6"), 9, 249, MoreLines}, {WithLine(18, ""), 13, 18, Mismatch},
        {"40,5,7\r\n", 13, 1, Mismatch}, {"40,5,7,6,1\r\n", 13, 1, Mismatch}, {"forty,5,7,6\r\n", 13, 1, Mismatch},
        {"\r\n40,5,7,6\r\n", 13, 1, Mismatch}, {"40,5,7,6,\r\n", 13, 1, Mismatch}, {"4 0,5,7,6\r\n", 13, 1, Mismatch},
        {"-1,5,7,6\r\n", 9, 1, Subscript}, {"40,-5,7,6\r\n", 9, 1, Subscript}, {"40,5,-2,6\r\n", 9, 1, Subscript},
        {"40,5,7,-1\r\n", 9, 1, Subscript},
        {"0,1,0,0\r\n0\r\ngl\r\n1,3,3\r\nS\r\nI\r\nv\r\n \r\n \r\n \r\n", 9, 1, Subscript},
        {"40000,5,7,6\r\n", 6, 1, Overflow}, {"32767.5,5,7,6\r\n", 6, 1, Overflow},
        {WithLine(4, "-32769"), 6, 4, Overflow}, {WithLine(16, "100,7,99999"), 6, 16, Overflow},
    };
    // clang-format on
    Document doc = DefaultDocument();
    doc.CatName[2] = "Sentinel";
    SetField(doc, 4, 2, 1, "42");
    const Document before = doc;
    for (const auto& b : cases) {
        const std::string what = "case " + std::to_string(&b - cases);
        const auto err = ParseMarkroll(b.text, doc);
        ASSERT_TRUE(err.has_value()) << what;
        EXPECT_EQ(err->number, b.number) << what;
        EXPECT_EQ(err->Description(), b.description + " (line " + std::to_string(b.line) + ")") << what;
        EXPECT_EQ(doc, before) << what << ": a failed read must leave the document as it was";
    }
}

// A few bytes claiming the largest counts must be refused before any array is sized from them: with the
// address space limited to 512 MB, sizing 32767 categories of 32770 rows would throw.
TEST(ParseDeathTest, HugeCountsAllocateNothing) {
#ifdef __SANITIZE_ADDRESS__ // GCC and Clang both say so
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit allows";
#endif
    auto parse = [] {
        const rlimit limit{512ul << 20, 512ul << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        Document doc;
        const auto err = ParseMarkroll("32767,32767,32767,32767\r\n0\r\n", doc);
        std::_Exit(err && err->number == 9 && err->line == 1 ? 0 : 1);
    };
    EXPECT_EXIT(parse(), ::testing::ExitedWithCode(0), "");
}

// Bare line feeds, mixed line ends, no end on the last line, and empty lines and one Ctrl-Z after it, as old
// editors leave them, all read as the file itself; so do number items with blanks, signs and fractions.
TEST(Parse, LineEndsBlanksAndSignsAccepted) {
    const std::string crlf = SerializeMarkroll(DefaultDocument());
    std::string lf;
    std::remove_copy(crlf.begin(), crlf.end(), std::back_inserter(lf), '\r');
    const std::string mixed = lf.substr(0, lf.find("SUMMARY")) + crlf.substr(crlf.find("SUMMARY"));
    // clang-format off
    std::vector<std::pair<std::string, int>> cases = {{lf, 34}, {mixed, 34}, {crlf.substr(0, crlf.size() - 2), 34},
        {crlf + "\r\n\r\n", 34}, {crlf + "\x1A", 34}, {crlf + "\n\x1A\r\n\n", 34}};
    const std::pair<const char*, int> items[] = {{" 34 ,2,3", 34}, {"+34,2,3", 34}, {"\t34\t,2,3", 34},
        {"34.4,2,3", 34}, {"33.5,2,3", 34}, {"-0,2,3", 0}, {"-32768,2,3", -32768}, {"32767,2,3", 32767}};
    // clang-format on
    for (const auto& [line, weight] : items)
        cases.emplace_back(WithLine(18, line), weight);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Document back, want = DefaultDocument();
        want.CatWeight[2] = static_cast<std::int16_t>(cases[i].second);
        const auto err = ParseMarkroll(cases[i].first, back);
        ASSERT_FALSE(err) << "case " << i << ": " << err->Message();
        EXPECT_EQ(back, want) << "case " << i;
    }
}

// A file that is not there, a folder, a short file and a named pipe, refused at once instead of waiting for a
// writer that never comes; each named in the message.
TEST(LoadDeathTest, NoFileOrAShortOneLeavesTheDocument) {
    TempDir dir;
    WriteBytes(dir.File("short.mrk"), "40,5,7,6\r\n0\r\ngl\r\n");
    ASSERT_EQ(::mkfifo(dir.File("pipe.mrk").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {dir.File("absent.mrk"), "Save Error( 53) - File not found"},
        {dir.Path(), "Save Error( 75) - Path/File access error (a folder, not a file)"},
        {dir.File("short.mrk"), "Save Error( 62) - Input past end of file (line 4)"},
        {dir.File("pipe.mrk"), "Save Error( 75) - Path/File access error (a named pipe, not a file)"}};
    for (const auto& [path, message] : cases) {
        auto load = [&] {
            ::alarm(5);
            Document doc = DefaultDocument();
            const auto err = LoadMarkroll(path, doc);
            std::_Exit(err && err->Message(path) == message + ": " + path && doc == DefaultDocument() ? 0 : 1);
        };
        EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), "") << path;
    }
}

} // namespace

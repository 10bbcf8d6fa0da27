#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "document/MarkrollFile.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Texts that a teacher can put into a document: blanks at either end, commas, quotes, the upper half of
// the code page, carriage returns inside, and nothing at all.
std::string RandomText(std::mt19937& rng, int maxLen) {
    static const std::string special = " ,\"'\t\r;.-0123456789\x80\xA9\xFF";
    auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::string s(static_cast<std::size_t>(in(0, 9) == 0 ? 0 : in(0, maxLen)), ' ');
    for (char& ch : s) {
        const int k = in(0, 383);
        ch = k < 256 ? static_cast<char>(k) : special[static_cast<std::size_t>(k) % special.size()];
        ch = ch == '\n' ? ' ' : ch; // a line break cannot live inside a text line
    }
    return s;
}

// A document whose counts and arrays agree and stay within the program's limits, but whose contents are
// arbitrary: the file must carry whatever it is given.
Document RandomDocument(std::mt19937& rng) {
    auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto num = [&]() -> std::int16_t {
        const int kind = in(0, 3);
        return static_cast<std::int16_t>(kind == 0 ? in(-32768, 32767) : kind == 1 ? (in(0, 1) ? 32767 : -32768)
                                                                                   : in(-5, 120));
    };
    Document d;
    d.NumStudents = static_cast<std::int16_t>(in(0, 1) ? in(0, 8) : in(90, MaxStudents));
    d.NumCats = static_cast<std::int16_t>(in(2, MaxCats));
    d.LastInfo = static_cast<std::int16_t>(in(0, MaxInfo - 1));
    d.LastGrade = static_cast<std::int16_t>(in(0, MaxGrades));
    d.Resize();
    for (std::size_t i = 0; i < d.GradeMin.size(); ++i) {
        d.GradeMin[i] = num();
        d.GradeLetter[i] = RandomText(rng, 3);
    }
    for (std::size_t c = 0; c < d.CatName.size(); ++c) {
        d.CatWeight[c] = num();
        d.CatFields[c] = static_cast<std::int16_t>(in(0, 3) ? in(-5, MaxFields) : -32768);
        d.FieldLen[c] = c < 2 ? num() : static_cast<std::int16_t>(in(0, CellWidth));
        d.CatName[c] = RandomText(rng, 20);
        d.FieldInfo[c] = RandomText(rng, 300);
    }
    for (auto& line : d.InfoLine)
        line = RandomText(rng, 70);
    for (auto& rows : d.Grid)
        for (auto& row : rows)
            row = RandomText(rng, 60);
    return d;
}

// Loading recomputes nothing: every byte of every document comes back as it was.
TEST(RoundTrip, EveryByteComesBack) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        const Document doc = RandomDocument(rng);
        const std::string bytes = SerializeMarkroll(doc);
        Document back = DefaultDocument();
        const auto err = ParseMarkroll(bytes, back);
        ASSERT_FALSE(err) << "seed " << seed << ": " << err->Message();
        ASSERT_EQ(back, doc) << "seed " << seed;
        ASSERT_EQ(SerializeMarkroll(back), bytes) << "seed " << seed;
    }
}

TEST(RoundTrip, ThroughTheDisk) {
    TempDir dir;
    std::mt19937 rng(4242);
    const Document doc = RandomDocument(rng);
    ASSERT_FALSE(SaveMarkroll(dir.File("class.mrk"), doc));
    Document back;
    const auto err = LoadMarkroll(dir.File("class.mrk"), back);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_EQ(back, doc);
}

TEST(Parse, BareLineFeedsAndMixedEndsAccepted) {
    Document doc = DefaultDocument();
    doc.CatName[3] = "Tabs\tand, commas ";
    const std::string crlf = SerializeMarkroll(doc);
    std::string lf, mixed = crlf;
    for (char ch : crlf)
        if (ch != '\r')
            lf.push_back(ch);
    for (std::size_t at = mixed.find("\r\n"), k = 0; at != std::string::npos; at = mixed.find("\r\n", at + 1), ++k)
        if (k % 3 == 0)
            mixed.erase(at, 1);
    for (const std::string& text : {lf, mixed, crlf.substr(0, crlf.size() - 2)}) {
        Document back;
        const auto err = ParseMarkroll(text, back);
        ASSERT_FALSE(err) << err->Message();
        EXPECT_EQ(back, doc);
    }
}

// The default file cut after its first n lines, or with line n (1-based) replaced by text.
std::string FirstLines(int n) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    std::size_t end = 0;
    for (int i = 0; i < n; ++i)
        end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

std::string WithLine(int n, const std::string& text) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    const std::size_t start = FirstLines(n - 1).size();
    return bytes.substr(0, start) + text + bytes.substr(bytes.find("\r\n", start));
}

TEST(Parse, MalformedFilesGiveExactErrorAndLeaveDocument) {
    const char* const PastEnd = "Input past end of file";
    const char* const Mismatch = "Type mismatch";
    const char* const Subscript = "Subscript out of range";
    const char* const Overflow = "Overflow";
    const char* const MoreLines = "the file holds more lines than its counts say";
    const struct {
        const char* name;
        std::string text;
        int number, line;
        const char* description;
    } cases[] = {
        {"empty", "", 62, 1, PastEnd},
        {"only counts", "40,5,7,6\r\n", 62, 2, PastEnd},
        {"only counts no end", "40,5,7,6", 62, 2, PastEnd},
        {"truncated in grade table", FirstLines(5), 62, 6, PastEnd},
        {"truncated grid", FirstLines(100), 62, 101, PastEnd},
        {"one line short", FirstLines(252), 62, 253, PastEnd},
        {"long lines but too few", "1,2,0,3\r\n0" + std::string(40, ' ') + "\r\n", 62, 3, PastEnd},
        {"long lines end in numbers", "1,2,0,0\r\n0\r\n" + std::string(40, 'x') + "\r\n", 62, 4, PastEnd},
        {"one student too many", "101,3,0,1\r\n", 9, 1, "the file declares 101 students; a markroll holds at most 100"},
        {"every count at most", "32767,32767,32767,32767\r\n", 9, 1,
         "the file declares 32767 students; a markroll holds at most 100"},
        {"eleven categories", "40,11,7,6\r\n", 9, 1, "the file declares 11 categories; a markroll holds at most 10"},
        {"seventeen info lines", "40,5,16,6\r\n", 9, 1,
         "the file declares 17 information lines; a markroll holds at most 16"},
        {"21 grade levels", "40,5,7,21\r\n", 9, 1, "the file declares 21 grade levels; a markroll holds at most 20"},
        {"65 fields", WithLine(18, "33,65,3"), 9, 18,
         "the file declares 65 fields in category 2; a markroll holds at most 64"},
        {"field length 5", WithLine(19, "33,2,5"), 9, 19,
         "the file declares a field length of 5 in category 3; a field length is 0 to 4"},
        {"negative field length", WithLine(20, "34,2,-1"), 9, 20,
         "the file declares a field length of -1 in category 4; a field length is 0 to 4"},
        {"a line after the end", SerializeMarkroll(DefaultDocument()) + "\r\nextra\r\n", 9, 255, MoreLines},
        {"two end-of-file marks", SerializeMarkroll(DefaultDocument()) + "\x1A\r\n\x1A", 9, 255, MoreLines},
        {"counts one student short", WithLine(1, "39,5,7,6"), 9, 249, MoreLines},
        {"three counts", "40,5,7\r\n", 13, 1, Mismatch},
        {"five counts", "40,5,7,6,1\r\n", 13, 1, Mismatch},
        {"word count", "forty,5,7,6\r\n", 13, 1, Mismatch},
        {"empty first line", "\r\n40,5,7,6\r\n", 13, 1, Mismatch},
        {"trailing comma", "40,5,7,6,\r\n", 13, 1, Mismatch},
        {"inner blank", "4 0,5,7,6\r\n", 13, 1, Mismatch},
        {"word grade minimum", WithLine(2, "zero"), 13, 2, Mismatch},
        {"empty number line", WithLine(18, ""), 13, 18, Mismatch},
        {"two numbers for three", WithLine(19, "33,2"), 13, 19, Mismatch},
        {"four numbers for three", WithLine(20, "33,2,3,1"), 13, 20, Mismatch},
        {"negative students", "-1,5,7,6\r\n", 9, 1, Subscript},
        {"negative categories", "40,-5,7,6\r\n", 9, 1, Subscript},
        {"negative info", "40,5,-2,6\r\n", 9, 1, Subscript},
        {"negative grades", "40,5,7,-1\r\n", 9, 1, Subscript},
        {"no name data", "0,1,0,0\r\n0\r\ngl\r\n1,3,3\r\nS\r\nI\r\nv\r\n \r\n \r\n \r\n", 9, 1, Subscript},
        {"count over 16 bits", "40000,5,7,6\r\n", 6, 1, Overflow},
        {"count rounds over 16 bits", "32767.5,5,7,6\r\n", 6, 1, Overflow},
        {"grade minimum over 16 bits", WithLine(4, "-32769"), 6, 4, Overflow},
        {"field length over 16 bits", WithLine(16, "100,7,99999"), 6, 16, Overflow},
    };
    Document doc = DefaultDocument();
    doc.CatName[2] = "Sentinel";
    SetField(doc, 4, 2, 1, "42");
    const Document before = doc;
    for (const auto& b : cases) {
        const auto err = ParseMarkroll(b.text, doc);
        ASSERT_TRUE(err.has_value()) << b.name;
        EXPECT_EQ(err->number, b.number) << b.name;
        EXPECT_EQ(err->Description(), std::string(b.description) + " (line " + std::to_string(b.line) + ")") << b.name;
        EXPECT_EQ(doc, before) << b.name << ": a failed read must leave the document as it was";
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define MARKROLL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MARKROLL_ASAN 1
#endif
#endif

// A few bytes claiming the largest counts must be refused before any array is sized from them: with the
// address space limited to 512 MB, sizing 32767 categories of 32770 rows would throw.
TEST(ParseDeathTest, HugeCountsAllocateNothing) {
#ifdef MARKROLL_ASAN
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit allows";
#else
    auto parse = [] {
        const rlimit limit{512ul << 20, 512ul << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        Document doc;
        const auto err = ParseMarkroll("32767,32767,32767,32767\r\n0\r\n", doc);
        std::_Exit(err && err->number == 9 && err->line == 1 ? 0 : 1);
    };
    EXPECT_EXIT(parse(), ::testing::ExitedWithCode(0), "");
#endif
}

// Empty lines and one Ctrl-Z, as old editors leave them, may follow the last line.
TEST(Parse, EmptyLinesAndOneEndMarkAfterTheEnd) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    for (const std::string& tail : {std::string("\r\n\r\n"), std::string("\x1A"), std::string("\n\x1A\r\n\n")}) {
        Document doc;
        const auto err = ParseMarkroll(bytes + tail, doc);
        EXPECT_FALSE(err) << err->Message();
        EXPECT_EQ(doc, DefaultDocument());
    }
}

TEST(Parse, NumberItemsTolerateBlanksAndSigns) {
    const struct {
        const char* line;
        int weight;
    } cases[] = {{" 34 ,2,3", 34},  {"+34,2,3", 34},         {"\t34\t,2,3", 34},    {"34.4,2,3", 34},
                 {"33.5,2,3", 34}, {"-32768,2,3", -32768}, {"32767,2,3", 32767}, {"-0,2,3", 0}};
    for (const auto& c : cases) {
        Document doc;
        const auto err = ParseMarkroll(WithLine(18, c.line), doc);
        ASSERT_FALSE(err) << c.line << ": " << err->Message();
        EXPECT_EQ(doc.CatWeight[2], c.weight) << c.line;
    }
}

TEST(Load, MissingFileFolderAndShortFile) {
    TempDir dir;
    Document doc = DefaultDocument();
    const Document before = doc;
    auto err = LoadMarkroll(dir.File("absent.mrk"), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(dir.File("absent.mrk")), "Save Error( 53) - File not found: " + dir.File("absent.mrk"));
    err = LoadMarkroll(dir.Path(), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(), "Save Error( 75) - Path/File access error (a folder, not a file)");
    WriteBytes(dir.File("short.mrk"), "40,5,7,6\r\n0\r\ngl\r\n");
    err = LoadMarkroll(dir.File("short.mrk"), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(), "Save Error( 62) - Input past end of file (line 4)");
    EXPECT_EQ(doc, before);
}

// A named pipe is refused at once instead of waiting for a writer that never comes.
TEST(LoadDeathTest, PipeIsRefusedWithoutWaiting) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.mrk").c_str(), 0600), 0);
    auto load = [&] {
        ::alarm(5);
        Document doc;
        const auto err = LoadMarkroll(dir.File("pipe.mrk"), doc);
        std::_Exit(err && err->Message() == "Save Error( 75) - Path/File access error (a named pipe, not a file)" ? 0
                                                                                                               : 1);
    };
    EXPECT_EXIT(load(), ::testing::ExitedWithCode(0), "");
}

} // namespace

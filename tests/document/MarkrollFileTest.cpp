#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "calc/Structure.h"
#include "document/MarkrollFile.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Texts that a teacher can put into a document: blanks at either end, commas, quotes, the upper half of
// the code page, carriage returns inside, and nothing at all.
std::string RandomText(std::mt19937& rng, int maxLen) {
    static const std::string special = " ,\"'\t\r;.-0123456789";
    std::uniform_int_distribution<int> len(0, maxLen);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(special.size()) - 1);
    std::string s;
    const int n = kind(rng) == 0 ? 0 : len(rng);
    for (int i = 0; i < n; ++i) {
        const int k = kind(rng);
        char ch;
        if (k < 3)
            ch = special[static_cast<std::size_t>(pick(rng))];
        else if (k < 5)
            ch = static_cast<char>(0x80 + byte(rng) % 0x80);
        else
            ch = static_cast<char>(byte(rng));
        if (ch == '\n')
            ch = ' '; // a line break cannot live inside a text line
        s.push_back(ch);
    }
    return s;
}

// A document whose counts and arrays agree but whose contents are arbitrary, including counts beyond the
// program's own limits: the file must carry whatever it is given.
Document RandomDocument(std::mt19937& rng) {
    auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto num = [&]() -> std::int16_t {
        switch (in(0, 3)) {
        case 0:
            return static_cast<std::int16_t>(in(-32768, 32767));
        case 1:
            return in(0, 1) ? 32767 : -32768;
        default:
            return static_cast<std::int16_t>(in(-5, 120));
        }
    };
    Document d;
    d.NumStudents = static_cast<std::int16_t>(in(0, 1) ? in(0, 8) : in(100, 130));
    d.NumCats = static_cast<std::int16_t>(in(2, 13));
    d.LastInfo = static_cast<std::int16_t>(in(0, 17));
    d.LastGrade = static_cast<std::int16_t>(in(0, 21));
    d.Resize();
    for (int i = 0; i <= d.LastGrade; ++i) {
        d.GradeMin[static_cast<std::size_t>(i)] = num();
        d.GradeLetter[static_cast<std::size_t>(i)] = RandomText(rng, 3);
    }
    for (std::size_t c = 0; c < d.CatName.size(); ++c) {
        d.CatWeight[c] = num();
        d.CatFields[c] = num();
        d.FieldLen[c] = num();
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
    Document doc = RandomDocument(rng);
    doc.GradeLetter[0] = "";
    doc.CatName.back() = "  Quizzes, \"pop\"  ";
    doc.InfoLine[0] = "\xC9t\xE9 \xA9 \xFF\x80";
    const std::string path = dir.File("class.mrk");
    ASSERT_FALSE(SaveMarkroll(path, doc));
    EXPECT_EQ(ReadBytes(path), SerializeMarkroll(doc));
    Document back;
    const auto err = LoadMarkroll(path, back);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_EQ(back, doc);
}

TEST(RoundTrip, WrongTotalsStayWrongAfterLoading) {
    Document doc = DefaultDocument();
    SetField(doc, 5, 2, 0, "999");
    SetField(doc, 0, 0, 4, "-12");
    Document back;
    ASSERT_FALSE(ParseMarkroll(SerializeMarkroll(doc), back));
    EXPECT_EQ(Field(back, 5, 2, 0), " 999");
    EXPECT_EQ(Field(back, 0, 0, 4), " -12");
}

TEST(Parse, CountsBeyondTheLimitsLoad) {
    Document doc = MakeDocument(120, std::vector<CatShape>(MaxCats - 2, {"C", 5, 3, 3}));
    for (int extra = 0; extra < 3; ++extra)
        InsertCategory(doc, doc.NumCats, 4, 2, "Extra", 1);
    doc.LastInfo = 20;
    doc.InfoLine.resize(21, "more");
    Document back;
    const auto err = ParseMarkroll(SerializeMarkroll(doc), back);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_EQ(back.NumCats, 13);
    EXPECT_EQ(back.NumStudents, 120);
    EXPECT_EQ(back, doc);
}

std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

TEST(Parse, BareLineFeedsAndMixedEndsAccepted) {
    Document doc = DefaultDocument();
    doc.CatName[3] = "Tabs\tand, commas ";
    const std::string crlf = SerializeMarkroll(doc);
    std::string mixed = crlf;
    for (std::size_t at = mixed.find("\r\n"), k = 0; at != std::string::npos; at = mixed.find("\r\n", at + 1), ++k)
        if (k % 3 == 0)
            mixed.erase(at, 1);
    for (const std::string& text : {ReplaceAll(crlf, "\r\n", "\n"), mixed, crlf.substr(0, crlf.size() - 2)}) {
        Document back;
        const auto err = ParseMarkroll(text, back);
        ASSERT_FALSE(err) << err->Message();
        EXPECT_EQ(back, doc);
    }
}

// The line number `n` (1-based) of the default file replaced by `text`.
std::string WithLine(int n, const std::string& text) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    std::size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    const std::size_t end = bytes.find("\r\n", start);
    return bytes.substr(0, start) + text + bytes.substr(end);
}

std::string FirstLines(int n) {
    const std::string bytes = SerializeMarkroll(DefaultDocument());
    std::size_t end = 0;
    for (int i = 0; i < n; ++i)
        end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

struct BadFile {
    const char* name;
    std::string text;
    int number;
    int line;
    const char* description;
};

std::ostream& operator<<(std::ostream& os, const BadFile& b) { return os << b.number << " at line " << b.line; }

class MalformedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(MalformedFile, ExactErrorAndDocumentUntouched) {
    const BadFile& b = GetParam();
    Document doc = DefaultDocument();
    doc.CatName[2] = "Sentinel";
    SetField(doc, 4, 2, 1, "42");
    const Document before = doc;
    const auto err = ParseMarkroll(b.text, doc);
    ASSERT_TRUE(err.has_value()) << b.name;
    EXPECT_EQ(err->number, b.number) << b.name;
    EXPECT_EQ(err->line, b.line) << b.name;
    EXPECT_EQ(err->Description(), std::string(b.description) + " (line " + std::to_string(b.line) + ")") << b.name;
    EXPECT_EQ(doc, before) << b.name << ": a failed read must leave the document as it was";
}

const char* const PastEnd = "Input past end of file";
const char* const Mismatch = "Type mismatch";
const char* const Subscript = "Subscript out of range";
const char* const Overflow = "Overflow";

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedFile,
    ::testing::Values(
        BadFile{"empty", "", 62, 1, PastEnd}, BadFile{"only counts", "40,5,7,6\r\n", 62, 2, PastEnd},
        BadFile{"only counts no end", "40,5,7,6", 62, 2, PastEnd},
        BadFile{"truncated grid", FirstLines(100), 62, 101, PastEnd},
        BadFile{"one line short", FirstLines(252), 62, 253, PastEnd},
        BadFile{"truncated in grade table", FirstLines(5), 62, 6, PastEnd},
        BadFile{"long lines but too few", "1,2,0,3\r\n0" + std::string(40, ' ') + "\r\n", 62, 3, PastEnd},
        BadFile{"long lines end in numbers", "1,2,0,0\r\n0\r\n" + std::string(40, 'x') + "\r\n", 62, 4, PastEnd},
        BadFile{"32767 students", "32767,3,0,1\r\n0\r\ngl\r\n", 62, 4, PastEnd},
        BadFile{"every count at most", "32767,32767,32767,32767\r\n", 62, 2, PastEnd},
        BadFile{"three counts", "40,5,7\r\n", 13, 1, Mismatch},
        BadFile{"five counts", "40,5,7,6,1\r\n", 13, 1, Mismatch},
        BadFile{"word count", "forty,5,7,6\r\n", 13, 1, Mismatch},
        BadFile{"semicolons", "40;5;7;6\r\n", 13, 1, Mismatch},
        BadFile{"empty first line", "\r\n40,5,7,6\r\n", 13, 1, Mismatch},
        BadFile{"trailing comma", "40,5,7,6,\r\n", 13, 1, Mismatch},
        BadFile{"inner blank", "4 0,5,7,6\r\n", 13, 1, Mismatch},
        BadFile{"negative students", "-1,5,7,6\r\n", 9, 1, Subscript},
        BadFile{"negative categories", "40,-5,7,6\r\n", 9, 1, Subscript},
        BadFile{"negative info", "40,5,-2,6\r\n", 9, 1, Subscript},
        BadFile{"negative grades", "40,5,7,-1\r\n", 9, 1, Subscript},
        BadFile{"no name data", "0,1,0,0\r\n0\r\ngl\r\n1,3,3\r\nS\r\nI\r\nv\r\n \r\n \r\n \r\n", 9, 1, Subscript},
        BadFile{"count over 16 bits", "40000,5,7,6\r\n", 6, 1, Overflow},
        BadFile{"count rounds over 16 bits", "32767.5,5,7,6\r\n", 6, 1, Overflow},
        BadFile{"grade minimum over 16 bits", WithLine(4, "-32769"), 6, 4, Overflow},
        BadFile{"field length over 16 bits", WithLine(16, "100,7,99999"), 6, 16, Overflow},
        BadFile{"word grade minimum", WithLine(2, "zero"), 13, 2, Mismatch},
        BadFile{"empty number line", WithLine(18, ""), 13, 18, Mismatch},
        BadFile{"two numbers for three", WithLine(19, "33,2"), 13, 19, Mismatch},
        BadFile{"four numbers for three", WithLine(20, "33,2,3,1"), 13, 20, Mismatch}),
    [](const ::testing::TestParamInfo<BadFile>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

#if defined(__SANITIZE_ADDRESS__)
#define MARKROLL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MARKROLL_ASAN 1
#endif
#endif

#ifndef MARKROLL_ASAN
// A few bytes claiming the largest counts must be refused before any array is sized from them: with the
// address space limited to 512 MB, sizing 32767 categories of 32770 rows would throw.
[[noreturn]] void ParseHugeCountsWithLittleMemory() {
    const rlimit limit{512ul << 20, 512ul << 20};
    ::setrlimit(RLIMIT_AS, &limit);
    Document doc;
    const auto err = ParseMarkroll("32767,32767,32767,32767\r\n0\r\n", doc);
    std::_Exit(err && err->number == 62 && err->line == 3 ? 0 : 1);
}
#endif

TEST(ParseDeathTest, HugeCountsAllocateNothing) {
#ifdef MARKROLL_ASAN
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit allows";
#else
    EXPECT_EXIT(ParseHugeCountsWithLittleMemory(), ::testing::ExitedWithCode(0), "");
#endif
}

TEST(Parse, NumberItemsTolerateBlanksAndSigns) {
    const struct {
        const char* line;
        int weight;
    } cases[] = {{" 34 ,2,3", 34}, {"+34,2,3", 34}, {"\t34\t,2,3", 34}, {"34.4,2,3", 34},
                 {"33.5,2,3", 34}, {"-32768,2,3", -32768}, {"32767,2,3", 32767}, {"-0,2,3", 0}};
    for (const auto& c : cases) {
        Document doc;
        const auto err = ParseMarkroll(WithLine(18, c.line), doc);
        ASSERT_FALSE(err) << c.line << ": " << err->Message();
        EXPECT_EQ(doc.CatWeight[2], c.weight) << c.line;
    }
}

TEST(Parse, ZeroStudentsIsAFile) {
    const std::string text = "0,2,0,0\r\n0\r\ngl\r\n0,4,3\r\n0,2,42\r\nSUMMARY\r\n\r\nNAME DATA\r\n\r\nVersion\r\n"
                             "avg\r\npossible\r\ntitle\r\nn0\r\nn1\r\nn2\r\n";
    Document doc;
    const auto err = ParseMarkroll(text, doc);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_EQ(doc.NumStudents, 0);
    EXPECT_EQ(doc.CatData(2, 0), "title");
    EXPECT_EQ(doc.CatData(0, 1), "n0");
}

TEST(ErrorMessage, NumberDescriptionAndLine) {
    EXPECT_EQ((FileError{62, 17}.Message()), "Save Error( 62) - Input past end of file (line 17)");
    EXPECT_EQ((FileError{53, 0}.Message()), "Save Error( 53) - File not found");
    EXPECT_EQ((FileError{61, 3}.Message()), "Save Error( 61) - Disk full (line 3)");
    EXPECT_EQ((FileError{9, 1}.Message()), "Save Error( 9) - Subscript out of range (line 1)");
}

TEST(Load, MissingFileAndFolder) {
    TempDir dir;
    Document doc = DefaultDocument();
    const Document before = doc;
    auto err = LoadMarkroll(dir.File("absent.mrk"), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 53);
    EXPECT_EQ(err->line, 0);
    err = LoadMarkroll(dir.Path(), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->number, 75);
    EXPECT_EQ(doc, before);

    WriteBytes(dir.File("short.mrk"), "40,5,7,6\r\n0\r\ngl\r\n");
    err = LoadMarkroll(dir.File("short.mrk"), doc);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message(), "Save Error( 62) - Input past end of file (line 4)");
    EXPECT_EQ(doc, before);
}

} // namespace

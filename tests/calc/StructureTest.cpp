#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "document/TextNumber.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// A tag that names where a cell started: category letter, field digit, row letter.
std::string Tag(int c, int f, int r) {
    return {static_cast<char>('A' + c), static_cast<char>('0' + f % 10), static_cast<char>('a' + r)};
}

std::string InfoTag(int c, int f) {
    return Left("info " + std::to_string(c) + "." + std::to_string(f) + Space(InfoLen), InfoLen);
}

// Four students and the given user categories (by default three of 4, 3 and 2 fields), with every cell but
// the titles and every description tagged, so that a test can see where each one went.
Document Tagged(const std::vector<CatShape>& cats = {{"Tests", 40, 4, 3}, {"Homework", 35, 3, 2}, {"Lab", 25, 2, 4}}) {
    Document doc = MakeDocument(4, cats);
    for (int c = 0; c < doc.NumCats; ++c) {
        for (int f = 0; f < doc.CatFields[c] && c != 1; ++f) {
            for (int r = 0; r <= doc.PossibleRow(); ++r)
                SetField(doc, r, c, f, Tag(c, f, r));
            if (c >= 2)
                ReplaceAt(doc.FieldInfo[c], f * InfoLen + 1, InfoTag(c, f));
        }
    }
    return doc;
}

using Op = std::function<void(Document&)>;

// Everything a document holds about category c, to compare categories as wholes.
auto Category(const Document& d, int c) {
    return std::tie(d.CatName[c], d.CatWeight[c], d.CatFields[c], d.FieldLen[c], d.FieldInfo[c], d.Grid[c]);
}

// Checks that after an operation the document is sound and every title row reads as it should: the first
// cell, then the numbers 1..last.
void ExpectSound(const Document& doc, const std::string& what) {
    ASSERT_EQ(InvariantViolations(doc), "") << what;
    auto Numbered = [](std::string title, int last) {
        for (int k = 1; k <= last; ++k)
            title += CellText(k, CellWidth);
        return title;
    };
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), Numbered(" GR ", doc.NumCats - 2) + " tot adj TOT") << what;
    for (int c = 2; c < doc.NumCats; ++c)
        EXPECT_EQ(doc.CatData(doc.TitleRow(), c), Numbered(" Tot", doc.CatFields[c] - 1)) << what << ": category " << c;
}

// Runs primitive op: InsertCategory (at c, x fields of length z, weight y), DeleteCategory, SwitchCategories (c, x),
// InsertFields (into c at x, y of length z), DeleteFields (of c from x, y of them), SwitchFields, RecalcAll.
void Apply(Document& doc, int op, int c, int x = 0, int y = 0, int z = 0) {
    // clang-format off
    const std::function<void()> ops[] = {
        [&] { InsertCategory(doc, c, x, z, "x", y); }, [&] { DeleteCategory(doc, c); },
        [&] { SwitchCategories(doc, c, x); },          [&] { InsertFields(doc, c, x, y, z); },
        [&] { DeleteFields(doc, c, x, y); },           [&] { SwitchFields(doc, c, x, y); },
        [&] { RecalcAll(doc); }};
    ops[op]();
}

// Category operations: where each category comes from (-1: the new one, "Project" of 3 fields of length 2)
// and where each SUMMARY cell of a row comes from (-1: a blank column).
TEST(CategoryOperations, MoveCategoriesAndSummaryColumns) {
    auto insert = [](int pos) { return [pos](Document& d) { InsertCategory(d, pos, 3, 2, "Project", 10); }; };
    const Document one = Tagged({{"Only", 100, 3, 3}});
    const std::tuple<const char*, Document, Op, std::vector<int>, std::vector<int>> cases[] = {
        {"insert at the end", Tagged(), insert(5), {0, 1, 2, 3, 4, -1}, {0, 1, 2, 3, -1, 4, 5, 6}},
        {"insert first", Tagged(), insert(2), {0, 1, -1, 2, 3, 4}, {0, -1, 1, 2, 3, 4, 5, 6}},
        {"delete", Tagged(), [](Document& d) { DeleteCategory(d, 3); }, {0, 1, 2, 4}, {0, 1, 3, 4, 5, 6}},
        {"switch", Tagged(), [](Document& d) { SwitchCategories(d, 2, 4); }, {0, 1, 4, 3, 2}, {0, 1, 2, 3, 4, 5, 6}},
        {"delete the only one", one, [](Document& d) { DeleteCategory(d, 2); }, {0, 1}, {0, 2, 3, 4}},
        {"insert into none", one, [](Document& d) { DeleteCategory(d, 2), InsertCategory(d, 2, 3, 2, "Project", 10); },
         {0, 1, -1}, {0, -1, 2, 3, 4}},
    };
    // clang-format on
    for (const auto& [name, start, op, cats, cells] : cases) {
        Document doc = start;
        op(doc);
        ExpectSound(doc, name);
        ASSERT_EQ(doc.NumCats, static_cast<int>(cats.size())) << name;
        std::vector<std::string> fresh(doc.PossibleRow(), "  ..  ..  ..");
        fresh.insert(fresh.end(), {" 100  ..  ..", " Tot   1   2"});
        for (int c = 1; c < doc.NumCats; ++c) {
            if (const int from = cats[c]; from >= 0)
                EXPECT_EQ(Category(doc, c), Category(start, from)) << name << ": category " << c;
            else
                EXPECT_EQ(Category(doc, c), std::make_tuple("Project", 10, 3, 2, Space(3 * InfoLen), fresh)) << name;
        }
        for (int r = 0; r <= doc.PossibleRow(); ++r) {
            std::string want;
            for (int from : cells)
                want += from < 0 ? Space(CellWidth) : start.CatData(r, 0).substr(from * CellWidth, CellWidth);
            EXPECT_EQ(doc.CatData(r, 0), want) << name << " row " << r;
        }
        EXPECT_EQ(doc.FieldInfo[0], start.FieldInfo[0]) << "the SUMMARY descriptions stay as created";
    }
}

TEST(CategoryOperations, InsertCorrectsItsArguments) {
    // Fields, length, name and weight asked for, then those used.
    // clang-format off
    const std::tuple<int, int, std::string, int, int, int, std::string, int> cases[] = {
        {1, 9, "Homework and quizzes", -20, 2, 4, "Homework and qui", 20}, {100, -3, "", 0, 64, 0, "", 0},
        {-7, 2, "x", -32768, 2, 2, "x", 32767}, {5, 1, "y", INT_MIN, 5, 1, "y", 32767},
        {64, 4, "z", 40000, 64, 4, "z", 32767}};
    for (const auto& [nf, len, name, w, wantFields, wantLen, wantName, wantWeight] : cases) {
        Document doc = Tagged();
        InsertCategory(doc, 3, nf, len, name, w);
        EXPECT_EQ(std::tie(doc.CatFields[3], doc.FieldLen[3], doc.CatName[3], doc.CatWeight[3]),
                  std::tie(wantFields, wantLen, wantName, wantWeight)) << name;
        ExpectSound(doc, name);
    }
}

// Field operations: category c's fields in a student row, the possible points row and the descriptions, as the
// fields they come from ('.': a new blank field, '_': a blank total or description); no other category changes.
TEST(FieldOperations, MoveFieldsAndDescriptions) {
    const std::tuple<const char*, Op, int, const char*, const char*, const char*, std::string> cases[] = {
        {"insert 3 at 1", [](Document& d) { InsertFields(d, 3, 1, 3, 4); }, 3, "0...12", "0...12", "0___12", "...."},
        {"append 2", [](Document& d) { InsertFields(d, 4, 2, 2, 1); }, 4, "01..", "01..", "01__", "   ."},
        {"delete to the end", [](Document& d) { DeleteFields(d, 2, 2, 10); }, 2, "_1", "01", "01", ""},
        {"delete from the middle", [](Document& d) { DeleteFields(d, 2, 1, 2); }, 2, "_3", "03", "03", ""},
        {"switch 3 and 1", [](Document& d) { int a = 3, b = 1; SwitchFields(d, 2, a, b); EXPECT_EQ(a * 10 + b, 13); },
         2, "0321", "0321", "0321", ""},
        {"switch 1 and 3", [](Document& d) { Apply(d, 5, 2, 1, 3); }, 2, "0321", "0321", "0321", ""},
    };
    // clang-format on
    const Document before = Tagged();
    for (const auto& [name, op, cat, row, possible, info, blank] : cases) {
        Document doc = before;
        op(doc);
        ExpectSound(doc, name);
        auto expect = [&, cat = cat, blank = blank](const char* pattern, int r) {
            std::string want;
            for (const char* p = pattern; *p; ++p)
                want += *p == '.'   ? blank
                        : *p == '_' ? Space(r < 0 ? InfoLen : CellWidth)
                        : r < 0     ? InfoTag(cat, *p - '0')
                                    : " " + Tag(cat, *p - '0', r);
            return want;
        };
        for (int r = 0; r <= doc.NumStudents; ++r)
            EXPECT_EQ(doc.CatData(r, cat), expect(row, r)) << name << " row " << r;
        EXPECT_EQ(doc.CatData(doc.PossibleRow(), cat), expect(possible, doc.PossibleRow())) << name;
        EXPECT_EQ(doc.FieldInfo[cat], expect(info, -1)) << name;
        EXPECT_EQ(doc.FieldLen[cat], before.FieldLen[cat]) << name;
        for (int c = 0; c < doc.NumCats; ++c)
            EXPECT_TRUE(c == cat || Category(doc, c) == Category(before, c)) << name << ": category " << c;
    }
}

// Inserting fields stops at MaxFields; deleting every score field leaves a blank total that the next
// recalculation fills.
TEST(FieldOperations, InsertStopsAtMaxFieldsAndEmptyCategoriesRecalculate) {
    // Category, position, count, and the fields that the category then has.
    const int cases[][4] = {{2, 4, 0, 5},   {2, 5, -5, 6},  {2, 6, 100, 64},
                            {3, 3, 61, 64}, {4, 2, 61, 63}, {4, 63, 1, 64}};
    Document doc = Tagged();
    for (const auto& c : cases) {
        InsertFields(doc, c[0], c[1], c[2], 3);
        EXPECT_EQ(doc.CatFields[static_cast<std::size_t>(c[0])], c[3]) << c[0] << ": " << c[1] << " + " << c[2];
    }
    ExpectSound(doc, "insert up to MaxFields");
    const Document full = doc;
    InsertFields(doc, 2, 1, 1, 3);
    EXPECT_EQ(doc, full) << "a category of MaxFields fields takes no more";

    doc = Tagged();
    DeleteFields(doc, 4, 1, 1);
    EXPECT_EQ(doc.CatData(1, 4), "    ");
    RecalcAll(doc);
    ExpectSound(doc, "recalc after deleting every score field");
    EXPECT_EQ(doc.CatData(1, 4), " 100");
}

// Set Field Values writes one cell into every row of the field: the average, the students and the possible
// points, except SUMMARY's computed possible points; the titles and the other fields stay.
TEST(SetFieldValues, EveryRowOfOneField) {
    for (const int cat : {0, 2}) {
        Document doc = MakeDocument(3, {{"Tests", 100, 4, 3}});
        const Document before = doc;
        SetFieldValues(doc, cat, 2, "12345");
        for (int r = 0; r < doc.RowCount(); ++r) {
            const bool set = r <= doc.NumStudents || (r == doc.PossibleRow() && cat != 0);
            EXPECT_EQ(Mid(doc.CatData(r, cat), 9, 4), set ? "1234" : Mid(before.CatData(r, cat), 9, 4)) << r;
            EXPECT_EQ(Left(doc.CatData(r, cat), 8), Left(before.CatData(r, cat), 8)) << r;
        }
    }
    Document doc = MakeDocument(3, {{"Tests", 100, 4, 3}});
    const Document before = doc;
    SetFieldValues(doc, 2, 1, "7");
    for (const auto& [c, f] : {std::pair{1, 0}, {2, 4}, {2, -1}, {5, 0}})
        SetFieldValues(doc, c, f, "9");
    EXPECT_EQ(Mid(doc.CatData(2, 2), 5, 4), "7   ");
    EXPECT_EQ(doc.Grid[1], before.Grid[1]);
}

// Every request that a primitive must refuse leaves the document exactly as it was. The categories are
// SUMMARY, NAME DATA and 2..4 of 4, 3 and 2 fields.
TEST(Structure, OutOfRangeArgumentsDoNothing) {
    const int ops[][5] = {
        {0, 1, 2, 5, 3}, {0, 6, 2, 5, 3}, {1, 1},          {1, 5},          {2, 3, 3},    {2, 1, 3},    {2, 2, 5},
        {3, 1, 1, 1, 3}, {3, 5, 1, 1, 3}, {3, 2, 0, 1, 3}, {3, 2, 5, 1, 3}, {4, 1, 1, 1}, {4, 5, 1, 1}, {4, 2, 0, 1},
        {4, 2, 4, 1},    {4, 2, 1, 0},    {5, 2, 2, 2},    {5, 1, 1, 2},    {5, 2, 1, 4}, {5, 2, 0, 2}, {5, 5, 1, 2}};
    const Document before = Tagged();
    for (const auto& o : ops) {
        Document doc = before;
        Apply(doc, o[0], o[1], o[2], o[3], o[4]);
        EXPECT_EQ(doc, before) << "operation " << o[0] << " on " << o[1] << " " << o[2] << " " << o[3] << " " << o[4];
    }
}

// Any sequence of primitives, valid or not, keeps the document sound after every call.
TEST(Structure, RandomSequencesKeepInvariants) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        Document doc = Tagged();
        for (int step = 0; step < 150 && !HasFailure(); ++step) {
            const int n = doc.NumCats, c = in(-1, n), op = in(0, 6);
            const int fields = doc.IsUserCat(c) ? doc.CatFields[static_cast<std::size_t>(c)] : 3;
            const int x = op == 2 ? in(-1, n) : op == 0 ? in(-2, 70) : in(-1, fields + 1);
            const int y = op == 3 ? in(-2, 70) : op == 0 ? in(-100, 100) : in(-1, fields + 2);
            if ((op != 0 || n < MaxCats) && (op != 1 || n > 3))
                Apply(doc, op, op == 0 ? in(0, n + 1) : c, x, y, in(-1, 6));
            ExpectSound(doc, "seed " + std::to_string(seed) + " step " + std::to_string(step));
        }
    }
}

} // namespace

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

std::string InfoTag(int c, int f) { return Left("info " + std::to_string(c) + "." + std::to_string(f) + Space(InfoLen), InfoLen); }

// Four students and the given user categories (by default three of 4, 3 and 2 fields), with every cell but
// the titles and every description tagged, so that a test can see where each one went.
Document Tagged(const std::vector<CatShape>& cats = {{"Tests", 40, 4, 3}, {"Homework", 35, 3, 2}, {"Lab", 25, 2, 4}}) {
    Document doc = MakeDocument(4, cats);
    for (int c = 0; c < doc.NumCats; ++c) {
        if (c == 1)
            continue;
        const int fields = doc.CatFields[static_cast<std::size_t>(c)];
        for (int r = 0; r <= doc.PossibleRow(); ++r)
            for (int f = 0; f < fields; ++f)
                SetField(doc, r, c, f, Tag(c, f, r));
        if (c >= 2) {
            doc.FieldInfo[static_cast<std::size_t>(c)].clear();
            for (int f = 0; f < fields; ++f)
                doc.FieldInfo[static_cast<std::size_t>(c)] += InfoTag(c, f);
        }
    }
    return doc;
}

// Everything a document holds about category c, to compare categories as wholes.
auto Category(const Document& d, int c) {
    const auto k = static_cast<std::size_t>(c);
    return std::tie(d.CatName[k], d.CatWeight[k], d.CatFields[k], d.FieldLen[k], d.FieldInfo[k], d.Grid[k]);
}

// A title row: the first cell, then the numbers 1..last.
std::string Numbered(std::string title, int last) {
    for (int k = 1; k <= last; ++k)
        title += CellText(k, CellWidth);
    return title;
}

// Checks that after an operation the document is sound and every title row reads as it should.
void ExpectSound(const Document& doc, const std::string& what) {
    const std::string violations = InvariantViolations(doc);
    EXPECT_EQ(violations, "") << what;
    if (!violations.empty())
        return;
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), Numbered(" GR ", doc.NumCats - 2) + " tot adj TOT") << what;
    for (int c = 2; c < doc.NumCats; ++c)
        EXPECT_EQ(doc.CatData(doc.TitleRow(), c), Numbered(" Tot", doc.CatFields[static_cast<std::size_t>(c)] - 1))
            << what << ": category " << c;
}

// A new category at the end or first: the later ones move up and SUMMARY gets a blank column for it.
TEST(InsertCategory, MovesLaterCategoriesUpAndAddsSummaryColumn) {
    for (const int pos : {5, 2}) {
        const std::string what = "insert at " + std::to_string(pos);
        const Document before = Tagged();
        Document doc = before;
        InsertCategory(doc, pos, 3, 2, "Project", 10);
        ExpectSound(doc, what);
        ASSERT_EQ(doc.NumCats, 6);
        EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1   2   3   4 tot adj TOT");
        EXPECT_EQ(doc.CatWeight[0], 110);
        EXPECT_EQ(std::tie(doc.CatName[pos], doc.CatWeight[pos], doc.CatFields[pos], doc.FieldLen[pos]),
                  std::make_tuple("Project", 10, 3, 2)) << what;
        EXPECT_EQ(doc.FieldInfo[pos], Space(3 * InfoLen));
        for (int r = 0; r <= doc.NumStudents; ++r)
            EXPECT_EQ(doc.CatData(r, pos), "  ..  ..  ..") << what << " row " << r;
        EXPECT_EQ(doc.CatData(doc.PossibleRow(), pos), " 100  ..  ..");
        for (int c = 1; c < 5; ++c)
            EXPECT_EQ(Category(doc, c < pos ? c : c + 1), Category(before, c)) << what << ": category " << c;
        const std::size_t at = static_cast<std::size_t>(pos - 1) * CellWidth;
        for (int r = 0; r <= doc.PossibleRow(); ++r) {
            const std::string& old = before.CatData(r, 0);
            EXPECT_EQ(doc.CatData(r, 0), old.substr(0, at) + "    " + old.substr(at)) << what << " row " << r;
        }
        EXPECT_EQ(doc.FieldInfo[0], before.FieldInfo[0]) << "the SUMMARY descriptions stay as created";
    }
}

TEST(InsertCategory, ArgumentsAreCorrected) {
    const struct {
        int nf, len;
        const char* name;
        int w, wantFields, wantLen;
        const char* wantName;
        int wantWeight;
    } cases[] = {
        {1, 9, "Homework and quizzes", -20, 2, 4, "Homework and qui", 20},
        {100, -3, "", 0, 64, 0, "", 0},
        {-7, 2, "x", -32768, 2, 2, "x", 32767},
        {5, 1, "y", INT_MIN, 5, 1, "y", 32767},
        {64, 4, "z", 40000, 64, 4, "z", 32767},
    };
    for (const auto& c : cases) {
        Document doc = Tagged();
        InsertCategory(doc, 3, c.nf, c.len, c.name, c.w);
        EXPECT_EQ(doc.CatFields[3], c.wantFields) << c.nf;
        EXPECT_EQ(doc.FieldLen[3], c.wantLen) << c.len;
        EXPECT_EQ(doc.CatName[3], c.wantName);
        EXPECT_EQ(doc.CatWeight[3], c.wantWeight) << c.w;
        ExpectSound(doc, c.name);
    }
}

TEST(DeleteCategory, RemovesItsSummaryColumn) {
    const Document before = Tagged();
    Document doc = before;
    DeleteCategory(doc, 3);
    ExpectSound(doc, "delete 3");
    ASSERT_EQ(doc.NumCats, 4);
    EXPECT_EQ(Category(doc, 2), Category(before, 2));
    EXPECT_EQ(Category(doc, 3), Category(before, 4));
    EXPECT_EQ(doc.CatWeight[0], 65);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1   2 tot adj TOT");
    for (int r = 0; r <= doc.PossibleRow(); ++r) {
        const std::string& old = before.CatData(r, 0);
        EXPECT_EQ(doc.CatData(r, 0), old.substr(0, 8) + old.substr(12)) << r;
    }
}

TEST(DeleteCategory, LastUserCategoryLeavesFourSummaryCells) {
    Document doc = MakeDocument(3, {{"Only", 100, 3, 3}});
    SetField(doc, 2, 0, 3, "7");
    DeleteCategory(doc, 2);
    ExpectSound(doc, "delete the only user category");
    EXPECT_EQ(doc.NumCats, 2);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR  tot adj TOT");
    EXPECT_EQ(doc.CatData(2, 0), "     ...   7 ...");
    InsertCategory(doc, 2, 2, 3, "Again", 50);
    ExpectSound(doc, "insert into a document without user categories");
    EXPECT_EQ(doc.CatWeight[0], 50);
}

TEST(SwitchCategories, ExchangesWholesAndLeavesSummary) {
    const Document before = Tagged();
    Document doc = before;
    SwitchCategories(doc, 2, 4);
    ExpectSound(doc, "switch");
    EXPECT_EQ(Category(doc, 2), Category(before, 4));
    EXPECT_EQ(Category(doc, 4), Category(before, 2));
    EXPECT_EQ(Category(doc, 3), Category(before, 3));
    EXPECT_EQ(Category(doc, 0), Category(before, 0));
    SwitchCategories(doc, 4, 2);
    EXPECT_EQ(doc, before);
}

TEST(InsertFields, BetweenTotalAndFirstField) {
    const Document before = Tagged();
    Document doc = before;
    InsertFields(doc, 3, 1, 3, 4);
    ExpectSound(doc, "insert 3 at 1");
    ASSERT_EQ(doc.CatFields[3], 6);
    EXPECT_EQ(doc.FieldLen[3], 2) << "the field length of the category is kept";
    for (int r = 0; r <= doc.PossibleRow(); ++r)
        EXPECT_EQ(doc.CatData(r, 3), " " + Tag(3, 0, r) + "............ " + Tag(3, 1, r) + " " + Tag(3, 2, r)) << r;
    EXPECT_EQ(doc.FieldInfo[3], InfoTag(3, 0) + Space(3 * InfoLen) + InfoTag(3, 1) + InfoTag(3, 2));
    for (int c : {0, 2, 4})
        EXPECT_EQ(Category(doc, c), Category(before, c));
}

TEST(InsertFields, AppendAndClamp) {
    Document doc = Tagged();
    InsertFields(doc, 4, 2, 2, 1);
    ExpectSound(doc, "append 2");
    EXPECT_EQ(doc.CatData(1, 4), " " + Tag(4, 0, 1) + " " + Tag(4, 1, 1) + "   .   .");

    const struct {
        int fields, k, want;
    } cases[] = {{60, 100, 64}, {10, 0, 11}, {10, -5, 11}, {63, 1, 64}, {2, 62, 64}};
    for (const auto& c : cases) {
        Document d = MakeDocument(2, {{"Wide", 100, c.fields, 3}});
        InsertFields(d, 2, c.fields, c.k, 3);
        EXPECT_EQ(d.CatFields[2], c.want) << c.fields << " + " << c.k;
        ExpectSound(d, "clamp");
    }
}

TEST(DeleteFields, UpToTheLastFieldAndBlankTotals) {
    Document doc = Tagged({{"Five", 100, 5, 3}});
    const int p = doc.PossibleRow();
    DeleteFields(doc, 2, 2, 10);
    ExpectSound(doc, "delete 10 from 2");
    ASSERT_EQ(doc.CatFields[2], 2);
    for (int r = 0; r <= doc.NumStudents; ++r)
        EXPECT_EQ(doc.CatData(r, 2), "     " + Tag(2, 1, r)) << r;
    EXPECT_EQ(doc.CatData(p, 2), " " + Tag(2, 0, p) + " " + Tag(2, 1, p)) << "the possible points keep their total";
    EXPECT_EQ(doc.FieldInfo[2], InfoTag(2, 0) + InfoTag(2, 1));

    DeleteFields(doc, 2, 1, 1);
    ExpectSound(doc, "delete the last score field");
    EXPECT_EQ(doc.CatData(1, 2), "    ");
    RecalcAll(doc);
    ExpectSound(doc, "recalc after deleting every score field");
    EXPECT_EQ(doc.CatData(1, 2), " 100");
}

TEST(DeleteFields, FromTheMiddle) {
    Document doc = Tagged();
    DeleteFields(doc, 2, 1, 2);
    ExpectSound(doc, "delete 2 from 1");
    ASSERT_EQ(doc.CatFields[2], 2);
    EXPECT_EQ(doc.CatData(1, 2), "     " + Tag(2, 3, 1));
    EXPECT_EQ(doc.FieldInfo[2], InfoTag(2, 0) + InfoTag(2, 3));
}

TEST(SwitchFields, OrderOfArgumentsDoesNotMatter) {
    const Document before = Tagged();
    Document a = before;
    Document b = before;
    int f1 = 3, f2 = 1;
    SwitchFields(a, 2, f1, f2);
    EXPECT_EQ(f1, 1);
    EXPECT_EQ(f2, 3);
    int g1 = 1, g2 = 3;
    SwitchFields(b, 2, g1, g2);
    EXPECT_EQ(a, b);
    ExpectSound(a, "switch fields");
    for (int r = 0; r <= a.PossibleRow(); ++r)
        EXPECT_EQ(a.CatData(r, 2), " " + Tag(2, 0, r) + " " + Tag(2, 3, r) + " " + Tag(2, 2, r) + " " + Tag(2, 1, r))
            << r;
    EXPECT_EQ(a.FieldInfo[2], InfoTag(2, 0) + InfoTag(2, 3) + InfoTag(2, 2) + InfoTag(2, 1));
    SwitchFields(a, 2, f1, f2);
    EXPECT_EQ(a, before);
}

void SwitchFieldsOf(Document& d, int c, int f1, int f2) { SwitchFields(d, c, f1, f2); }

// Every request that a primitive must refuse leaves the document exactly as it was. The categories are
// SUMMARY, NAME DATA and 2..4 of 4, 3 and 2 fields.
TEST(Structure, OutOfRangeArgumentsDoNothing) {
#define OP(call) {#call, [](Document& d) { call; }}
    const std::pair<const char*, std::function<void(Document&)>> ops[] = {
        OP(InsertCategory(d, 1, 2, 3, "x", 5)), OP(InsertCategory(d, 6, 2, 3, "x", 5)),
        OP(DeleteCategory(d, 1)),               OP(DeleteCategory(d, 5)),
        OP(SwitchCategories(d, 3, 3)),          OP(SwitchCategories(d, 1, 3)),
        OP(SwitchCategories(d, 2, 5)),          OP(InsertFields(d, 1, 1, 1, 3)),
        OP(InsertFields(d, 5, 1, 1, 3)),        OP(InsertFields(d, 2, 0, 1, 3)),
        OP(InsertFields(d, 2, 5, 1, 3)),        OP(DeleteFields(d, 1, 1, 1)),
        OP(DeleteFields(d, 5, 1, 1)),           OP(DeleteFields(d, 2, 0, 1)),
        OP(DeleteFields(d, 2, 4, 1)),           OP(DeleteFields(d, 2, 1, 0)),
        OP(SwitchFieldsOf(d, 2, 2, 2)),         OP(SwitchFieldsOf(d, 1, 1, 2)),
        OP(SwitchFieldsOf(d, 2, 1, 4)),         OP(SwitchFieldsOf(d, 2, 0, 2)),
        OP(SwitchFieldsOf(d, 5, 1, 2)),
    };
#undef OP
    const Document before = Tagged();
    for (const auto& [name, run] : ops) {
        Document doc = before;
        run(doc);
        EXPECT_EQ(doc, before) << name;
    }
    const Document full = MakeDocument(2, {{"Full", 100, MaxFields, 3}});
    Document doc = full;
    InsertFields(doc, 2, 1, 1, 3);
    EXPECT_EQ(doc, full) << "a category of MaxFields fields takes no more";
}

// Any sequence of primitives, valid or not, keeps the document sound after every call.
TEST(Structure, RandomSequencesKeepInvariants) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        Document doc = Tagged();
        for (int step = 0; step < 150; ++step) {
            const int n = doc.NumCats;
            const int c = in(-1, n), c2 = in(-1, n);
            const int fields = doc.IsUserCat(c) ? doc.CatFields[static_cast<std::size_t>(c)] : 3;
            int a = in(-1, fields + 1), b = in(-1, fields + 2);
            const int op = in(0, 6);
            if (op == 0 && n < MaxCats)
                InsertCategory(doc, in(0, n + 1), in(-2, 70), in(-1, 6), "Cat" + std::to_string(step), in(-100, 100));
            else if (op == 1 && n > 3)
                DeleteCategory(doc, c);
            else if (op == 2)
                SwitchCategories(doc, c, c2);
            else if (op == 3)
                InsertFields(doc, c, a, in(-2, 70), in(-1, 6));
            else if (op == 4)
                DeleteFields(doc, c, a, b);
            else if (op == 5)
                SwitchFields(doc, c, a, b);
            else if (op == 6)
                RecalcAll(doc);
            ExpectSound(doc, "seed " + std::to_string(seed) + " step " + std::to_string(step) + ": operation " +
                                 std::to_string(op) + " on " + std::to_string(c) + " " + std::to_string(c2) + " " +
                                 std::to_string(a) + " " + std::to_string(b));
            if (HasFailure())
                return;
        }
    }
}

} // namespace

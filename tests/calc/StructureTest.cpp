#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// A tag that names where a cell started: category letter, field digit, row letter.
std::string Tag(int c, int f, int r) {
    return std::string(1, static_cast<char>('A' + c)) + std::string(1, static_cast<char>('0' + f % 10)) +
           std::string(1, static_cast<char>('a' + r));
}

std::string InfoTag(int c, int f) { return Left("info " + std::to_string(c) + "." + std::to_string(f) + Space(InfoLen), InfoLen); }

// Three user categories (4, 3 and 2 fields) with every cell and description tagged, so that a test can
// see where each one went.
Document Tagged() {
    Document doc = MakeDocument(4, {{"Tests", 40, 4, 3}, {"Homework", 35, 3, 2}, {"Lab", 25, 2, 4}});
    for (int c = 0; c < doc.NumCats; ++c) {
        if (c == 1)
            continue;
        for (int r = 0; r <= doc.PossibleRow(); ++r)
            for (int f = 0; f < doc.CatFields[static_cast<std::size_t>(c)]; ++f)
                SetField(doc, r, c, f, Tag(c, f, r));
        if (c >= 2) {
            std::string info;
            for (int f = 0; f < doc.CatFields[static_cast<std::size_t>(c)]; ++f)
                info += InfoTag(c, f);
            doc.FieldInfo[static_cast<std::size_t>(c)] = info;
        }
    }
    return doc;
}

std::string SummaryTitle(const Document& doc) { return BuildRowTemplates(doc, 0, doc.NumCats + 2, 3).TmplTitle; }

std::string CategoryTitle(int fields) {
    std::string t = " Tot";
    for (int k = 1; k < fields; ++k)
        t += CellText(k, CellWidth);
    return t;
}

// Checks that after an operation the document is sound and every title row reads as it should.
void ExpectSound(const Document& doc, const std::string& what) {
    EXPECT_EQ(InvariantViolations(doc), "") << what;
    if (!InvariantViolations(doc).empty())
        return;
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), SummaryTitle(doc)) << what;
    for (int c = 2; c < doc.NumCats; ++c)
        EXPECT_EQ(doc.CatData(doc.TitleRow(), c), CategoryTitle(doc.CatFields[static_cast<std::size_t>(c)]))
            << what << ": category " << c;
}

TEST(InsertCategory, AppendAddsSummaryColumnBeforeTot) {
    const Document before = Tagged();
    Document doc = before;
    InsertCategory(doc, 5, 3, 2, "Project", 10);
    ExpectSound(doc, "append");
    ASSERT_EQ(doc.NumCats, 6);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1   2   3   4 tot adj TOT");
    EXPECT_EQ(doc.CatName[5], "Project");
    EXPECT_EQ(doc.CatWeight[5], 10);
    EXPECT_EQ(doc.CatWeight[0], 110);
    EXPECT_EQ(doc.CatFields[5], 3);
    EXPECT_EQ(doc.FieldLen[5], 2);
    EXPECT_EQ(doc.FieldInfo[5], Space(3 * InfoLen));
    EXPECT_EQ(doc.FieldInfo[0], before.FieldInfo[0]) << "the SUMMARY descriptions stay as created";
    for (int r = 0; r <= doc.NumStudents; ++r) {
        EXPECT_EQ(doc.CatData(r, 5), "  ..  ..  ..") << r;
        const std::string& old = before.CatData(r, 0);
        EXPECT_EQ(doc.CatData(r, 0), old.substr(0, 16) + "    " + old.substr(16)) << r;
    }
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 5), " 100  ..  ..");
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0),
              before.CatData(doc.PossibleRow(), 0).substr(0, 16) + "    " +
                  before.CatData(doc.PossibleRow(), 0).substr(16));
    for (int c = 1; c < 5; ++c)
        EXPECT_EQ(doc.Grid[static_cast<std::size_t>(c)], before.Grid[static_cast<std::size_t>(c)]) << c;
}

TEST(InsertCategory, InsertFirstMovesOthersUp) {
    const Document before = Tagged();
    Document doc = before;
    InsertCategory(doc, 2, 2, 3, "Early", 5);
    ExpectSound(doc, "insert at 2");
    ASSERT_EQ(doc.NumCats, 6);
    for (int c = 2; c < 5; ++c) {
        const auto o = static_cast<std::size_t>(c), n = o + 1;
        EXPECT_EQ(doc.CatName[n], before.CatName[o]);
        EXPECT_EQ(doc.CatWeight[n], before.CatWeight[o]);
        EXPECT_EQ(doc.CatFields[n], before.CatFields[o]);
        EXPECT_EQ(doc.FieldLen[n], before.FieldLen[o]);
        EXPECT_EQ(doc.FieldInfo[n], before.FieldInfo[o]);
        EXPECT_EQ(doc.Grid[n], before.Grid[o]);
    }
    for (int r = 0; r <= doc.PossibleRow(); ++r) {
        const std::string& old = before.CatData(r, 0);
        EXPECT_EQ(doc.CatData(r, 0), old.substr(0, 4) + "    " + old.substr(4)) << r;
    }
    EXPECT_EQ(doc.CatWeight[0], 105);
}

TEST(InsertCategory, ArgumentsAreCorrected) {
    const struct {
        int nf, len;
        const char* name;
        int w;
        int wantFields, wantLen;
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
    EXPECT_EQ(doc.CatName[3], "Lab");
    EXPECT_EQ(doc.Grid[3], before.Grid[4]);
    EXPECT_EQ(doc.FieldInfo[3], before.FieldInfo[4]);
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
    EXPECT_EQ(doc.CatFields[0], 4);
    EXPECT_EQ(doc.CatWeight[0], 0);
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
    EXPECT_EQ(doc.CatName[2], "Lab");
    EXPECT_EQ(doc.CatName[4], "Tests");
    EXPECT_EQ(doc.CatWeight[2], 25);
    EXPECT_EQ(doc.CatFields[4], 4);
    EXPECT_EQ(doc.FieldLen[2], 4);
    EXPECT_EQ(doc.FieldInfo[2], before.FieldInfo[4]);
    EXPECT_EQ(doc.Grid[2], before.Grid[4]);
    EXPECT_EQ(doc.Grid[4], before.Grid[2]);
    EXPECT_EQ(doc.Grid[0], before.Grid[0]);
    EXPECT_EQ(doc.CatWeight[0], before.CatWeight[0]);
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
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 3), " Tot   1   2   3   4   5");
    for (int r = 0; r <= doc.PossibleRow(); ++r)
        EXPECT_EQ(doc.CatData(r, 3), " " + Tag(3, 0, r) + "............ " + Tag(3, 1, r) + " " + Tag(3, 2, r)) << r;
    EXPECT_EQ(InfoSlot(doc, 3, 0), InfoTag(3, 0));
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(InfoSlot(doc, 3, f), Space(InfoLen));
    EXPECT_EQ(InfoSlot(doc, 3, 4), InfoTag(3, 1));
    EXPECT_EQ(InfoSlot(doc, 3, 5), InfoTag(3, 2));
    for (int c : {0, 2, 4})
        EXPECT_EQ(doc.Grid[static_cast<std::size_t>(c)], before.Grid[static_cast<std::size_t>(c)]);
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
    Document doc = MakeDocument(3, {{"Five", 100, 5, 3}});
    for (int r = 0; r <= doc.PossibleRow(); ++r)
        for (int f = 0; f < 5; ++f)
            SetField(doc, r, 2, f, Tag(2, f, r));
    std::string info;
    for (int f = 0; f < 5; ++f)
        info += InfoTag(2, f);
    doc.FieldInfo[2] = info;

    DeleteFields(doc, 2, 2, 10);
    ExpectSound(doc, "delete 10 from 2");
    ASSERT_EQ(doc.CatFields[2], 2);
    for (int r = 0; r <= doc.NumStudents; ++r)
        EXPECT_EQ(doc.CatData(r, 2), "     " + Tag(2, 1, r)) << r;
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 2), " " + Tag(2, 0, 4) + " " + Tag(2, 1, 4));
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 2), " Tot   1");
    EXPECT_EQ(doc.FieldInfo[2], InfoTag(2, 0) + InfoTag(2, 1));

    DeleteFields(doc, 2, 1, 1);
    ExpectSound(doc, "delete the last score field");
    EXPECT_EQ(doc.CatFields[2], 1);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 2), " Tot");
    EXPECT_EQ(doc.CatData(1, 2), "    ");
    RecalcAll(doc);
    ExpectSound(doc, "recalc after deleting every score field");
    EXPECT_EQ(doc.CatData(1, 2), " 100");
}

TEST(DeleteFields, FromTheMiddle) {
    const Document before = Tagged();
    Document doc = before;
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
    EXPECT_EQ(a.CatData(a.TitleRow(), 2), before.CatData(before.TitleRow(), 2));
    EXPECT_EQ(InfoSlot(a, 2, 1), InfoTag(2, 3));
    EXPECT_EQ(InfoSlot(a, 2, 3), InfoTag(2, 1));
    EXPECT_EQ(InfoSlot(a, 2, 2), InfoTag(2, 2));
    SwitchFields(a, 2, f1, f2);
    EXPECT_EQ(a, before);
}

// Every request that a primitive must refuse leaves the document exactly as it was.
TEST(Structure, OutOfRangeArgumentsDoNothing) {
    const Document before = Tagged();
    Document wide = MakeDocument(2, {{"Full", 100, MaxFields, 3}});
    const Document wideBefore = wide;
    struct Op {
        const char* name;
        std::function<void(Document&)> run;
        bool onWide;
    };
    const std::vector<Op> ops = {
        {"insert category at 1", [](Document& d) { InsertCategory(d, 1, 2, 3, "x", 5); }, false},
        {"insert category at 0", [](Document& d) { InsertCategory(d, 0, 2, 3, "x", 5); }, false},
        {"insert category past end", [](Document& d) { InsertCategory(d, 6, 2, 3, "x", 5); }, false},
        {"insert category at -5", [](Document& d) { InsertCategory(d, -5, 2, 3, "x", 5); }, false},
        {"delete category 0", [](Document& d) { DeleteCategory(d, 0); }, false},
        {"delete category 1", [](Document& d) { DeleteCategory(d, 1); }, false},
        {"delete category NumCats", [](Document& d) { DeleteCategory(d, 5); }, false},
        {"delete category -1", [](Document& d) { DeleteCategory(d, -1); }, false},
        {"switch category with itself", [](Document& d) { SwitchCategories(d, 3, 3); }, false},
        {"switch with NAME DATA", [](Document& d) { SwitchCategories(d, 1, 3); }, false},
        {"switch past end", [](Document& d) { SwitchCategories(d, 2, 5); }, false},
        {"insert fields in SUMMARY", [](Document& d) { InsertFields(d, 0, 1, 1, 3); }, false},
        {"insert fields in NAME DATA", [](Document& d) { InsertFields(d, 1, 1, 1, 3); }, false},
        {"insert fields past NumCats", [](Document& d) { InsertFields(d, 5, 1, 1, 3); }, false},
        {"insert fields at 0", [](Document& d) { InsertFields(d, 2, 0, 1, 3); }, false},
        {"insert fields past end", [](Document& d) { InsertFields(d, 2, 5, 1, 3); }, false},
        {"insert fields into full category", [](Document& d) { InsertFields(d, 2, 1, 1, 3); }, true},
        {"delete fields in SUMMARY", [](Document& d) { DeleteFields(d, 0, 1, 1); }, false},
        {"delete fields in NAME DATA", [](Document& d) { DeleteFields(d, 1, 1, 1); }, false},
        {"delete fields past NumCats", [](Document& d) { DeleteFields(d, 5, 1, 1); }, false},
        {"delete field 0", [](Document& d) { DeleteFields(d, 2, 0, 1); }, false},
        {"delete past last field", [](Document& d) { DeleteFields(d, 2, 4, 1); }, false},
        {"delete no fields", [](Document& d) { DeleteFields(d, 2, 1, 0); }, false},
        {"delete negative count", [](Document& d) { DeleteFields(d, 2, 1, -3); }, false},
        {"switch field with itself", [](Document& d) { int a = 2, b = 2; SwitchFields(d, 2, a, b); }, false},
        {"switch fields in SUMMARY", [](Document& d) { int a = 1, b = 2; SwitchFields(d, 0, a, b); }, false},
        {"switch fields in NAME DATA", [](Document& d) { int a = 1, b = 2; SwitchFields(d, 1, a, b); }, false},
        {"switch field past end", [](Document& d) { int a = 1, b = 4; SwitchFields(d, 2, a, b); }, false},
        {"switch the total", [](Document& d) { int a = 0, b = 2; SwitchFields(d, 2, a, b); }, false},
        {"switch fields past NumCats", [](Document& d) { int a = 1, b = 2; SwitchFields(d, 9, a, b); }, false},
    };
    for (const Op& op : ops) {
        Document doc = op.onWide ? wideBefore : before;
        op.run(doc);
        EXPECT_EQ(doc, op.onWide ? wideBefore : before) << op.name;
    }
}

// Any sequence of primitives, valid or not, keeps the document sound after every call.
TEST(Structure, RandomSequencesKeepInvariants) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        Document doc = Tagged();
        for (int step = 0; step < 150; ++step) {
            const int n = doc.NumCats;
            const int c = in(-1, n);
            const int fields = doc.IsUserCat(c) ? doc.CatFields[static_cast<std::size_t>(c)] : 3;
            std::string what;
            switch (in(0, 6)) {
            case 0:
                if (n < MaxCats) {
                    const int pos = in(0, n + 1);
                    InsertCategory(doc, pos, in(-2, 70), in(-1, 6), "Cat" + std::to_string(step), in(-100, 100));
                    what = "InsertCategory " + std::to_string(pos);
                }
                break;
            case 1:
                if (n > 3) {
                    DeleteCategory(doc, c);
                    what = "DeleteCategory " + std::to_string(c);
                }
                break;
            case 2: {
                const int c2 = in(-1, n);
                SwitchCategories(doc, c, c2);
                what = "SwitchCategories " + std::to_string(c) + " " + std::to_string(c2);
                break;
            }
            case 3: {
                const int pos = in(-1, fields + 1);
                InsertFields(doc, c, pos, in(-2, 70), in(-1, 6));
                what = "InsertFields " + std::to_string(c) + " " + std::to_string(pos);
                break;
            }
            case 4: {
                const int pos = in(-1, fields + 1);
                const int k = in(-1, fields + 2);
                DeleteFields(doc, c, pos, k);
                what = "DeleteFields " + std::to_string(c) + " " + std::to_string(pos) + " " + std::to_string(k);
                break;
            }
            case 5: {
                int f1 = in(-1, fields), f2 = in(-1, fields);
                SwitchFields(doc, c, f1, f2);
                what = "SwitchFields " + std::to_string(c) + " " + std::to_string(f1) + " " + std::to_string(f2);
                break;
            }
            default:
                RecalcAll(doc);
                what = "RecalcAll";
            }
            ExpectSound(doc, "seed " + std::to_string(seed) + " step " + std::to_string(step) + ": " + what);
            if (HasFailure())
                return;
        }
    }
}

} // namespace

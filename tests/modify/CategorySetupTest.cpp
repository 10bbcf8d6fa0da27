#include <gtest/gtest.h>

#include "modify/CategorySetup.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

// User categories 2 .. cats+1, category c named "C<c>" with weight 10c and c+1 fields (3 long).
static Document Cats(int cats) {
    std::vector<CatShape> shapes;
    for (int c = 2; c < cats + 2; ++c)
        shapes.push_back({"C" + std::to_string(c), 10 * c, c + 1, 3});
    return MakeDocument(3, shapes);
}

TEST(CategorySetup, LimitsAndFallbacks) {
    const struct {
        int cats, option, fallback;
        const char* limit;
    } cases[] = {
        {7, CatOptInsert, CatOptDelete, ""},
        {8, CatOptAppend, CatOptDelete, "Maximum of 10 Categories"},
        {8, CatOptInsert, CatOptDelete, "Maximum of 10 Categories"},
        {2, CatOptDelete, CatOptAppend, ""},
        {1, CatOptDelete, CatOptAppend, "Must have a least One User Categories"},
        {1, CatOptSwitch, CatOptAppend, "Must have a least two different User Categories to Switch"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CategoryLimit(Cats(c.cats), c.option).value_or(""), c.limit) << c.cats << " " << c.option;
        EXPECT_EQ(CategoryFallback(c.option), c.fallback);
    }
}

TEST(CategorySetup, TypedNumbersKeptInRange) {
    const struct {
        const char *first, *second;
        int n, m;
    } pairs[] = {{"4", "4", 4, 2}, {"2", "2", 2, 3}, {"0", "99", 2, 4}, {"3.5", "100000", 4, 2}, {"x", "3", 2, 3}};
    for (const auto& p : pairs)
        EXPECT_EQ(SwitchPair(Cats(3), p.first, p.second), std::make_pair(p.n, p.m)) << p.first << " " << p.second;
    const Document doc = Cats(3); // NumCats 5
    const struct {
        int option;
        std::array<std::string, 5> boxes;
        NewCategory made;
    } cases[] = {
        {CatOptInsert, {"0", "1500", "0", "9", ""}, {2, 999, 1, 4, "Category5"}},
        {CatOptInsert, {"7", "2.5", "70", "-70000", "ABCDEFGHIJKLMNOPQRS"}, {4, 2, 63, 0, "ABCDEFGHIJKLMNOP"}},
        {CatOptAppend, {"2", "0", "3", "0", "Labs"}, {5, 0, 3, 0, "Labs"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadNewCategory(doc, c.option, c.boxes), c.made) << c.boxes[1];
}

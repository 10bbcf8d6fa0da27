// What the export dialog lists and the name it makes for a category's file.

#include <gtest/gtest.h>

#include "app/CsvChoices.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

TEST(CsvChoices, ListAndFileNames) {
    Document doc = MakeDocument(1, {{"Tests, A/B", 50},
                                    {" \xDC"
                                     "bung 1 ",
                                     30},
                                    {"??", 20}});
    const std::vector<CsvChoice> choices = CsvChoices(doc);
    ASSERT_EQ(choices.size(), 6U);
    EXPECT_EQ(choices[0], (CsvChoice{"The whole markroll", std::nullopt}));
    EXPECT_EQ(choices[2].Category, 1);
    EXPECT_EQ(choices[3].Label, "2. Tests, A/B [50%] - {2}");
    const std::pair<std::optional<int>, std::string> names[] = {{std::nullopt, ""},
                                                                {0, "-SUMMARY"},
                                                                {1, "-NAME-DATA"},
                                                                {2, "-Tests-A-B"},
                                                                {3, "-\xDC"
                                                                    "bung-1"},
                                                                {4, ""},
                                                                {9, ""}};
    for (const auto& [category, suffix] : names)
        EXPECT_EQ(CsvNameSuffix(doc, category), suffix);
}

} // namespace

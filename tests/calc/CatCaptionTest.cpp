#include <gtest/gtest.h>

#include "calc/CatCaption.h"

using namespace markroll;

namespace {

TEST(CatCaption, Examples) {
    const struct {
        double n;
        const char* name;
        int w, x;
        const char* caption;
    } cases[] = {
        {2, "Tests", 40, 12, "2. Tests [40%] - {12}"},
        {3, "", 0, 2, "3.  [0%] - {2}"},
        {4, "Labs", -5, 3, "4. Labs [-5%] - {3}"},
        {0, "SUMMARY", 100, 7, "0. SUMMARY [100%] - {7}"},
        {9, " Quiz, \"pop\" ", 999, 64, "9.  Quiz, \"pop\"  [999%] - {64}"},
        {2, "\xC9t\xE9", 32767, -32768, "2. \xC9t\xE9 [32767%] - {-32768}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatCaption(c.n, c.name, c.w, c.x), c.caption);
}

} // namespace

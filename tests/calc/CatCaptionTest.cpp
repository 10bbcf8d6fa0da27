#include <gtest/gtest.h>

#include <tuple>

#include "calc/CatCaption.h"

using namespace markroll;

namespace {

TEST(CatCaption, Examples) {
    // clang-format off
    const std::tuple<double, const char*, int, int, const char*> cases[] = {
        {2, "Tests", 40, 12, "2. Tests [40%] - {12}"}, {3, "", 0, 2, "3.  [0%] - {2}"},
        {4, "Labs", -5, 3, "4. Labs [-5%] - {3}"}, {0, "SUMMARY", 100, 7, "0. SUMMARY [100%] - {7}"},
        {9, " Quiz, \"pop\" ", 999, 64, "9.  Quiz, \"pop\"  [999%] - {64}"},
        {2, "\xC9t\xE9", 32767, -32768, "2. \xC9t\xE9 [32767%] - {-32768}"},
    };
    // clang-format on
    for (const auto& [n, name, w, x, caption] : cases)
        EXPECT_EQ(CatCaption(n, name, w, x), caption);
}

} // namespace

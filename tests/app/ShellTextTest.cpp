// The texts of the shell that are put together from numbers: each number keeps its leading blank.

#include <gtest/gtest.h>

#include "app/ShellText.h"

using namespace markroll;

TEST(ShellText, NumbersInTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {CreateConfirmation(3, 1), "Create New Markroll With:\n 3 Catagories\n 1 Students"},
        {CreateConfirmation(10, 100), "Create New Markroll With:\n 10 Catagories\n 100 Students"},
        {AboutVersionText(), "Version 3. 0. 1"},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

// The texts of the shell that are put together from numbers: each number keeps its leading blank.

#include <gtest/gtest.h>

#include "app/ShellText.h"

TEST(ShellText, NumbersKeepTheirLeadingBlank) {
    EXPECT_EQ(markroll::CreateConfirmation(10, 100), "Create New Markroll With:\n 10 Catagories\n 100 Students");
    EXPECT_EQ(markroll::AboutVersionText(), "Version 3. 0. 1");
}

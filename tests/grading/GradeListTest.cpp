#include <gtest/gtest.h>

#include "grading/GradeList.h"
#include "support/TestDocuments.h"

using namespace markroll;

// The grade dialog's table without the dialog, from the default table A 90, B 80, C 70, D 60, F 50, I 0. Steps:
// "e" edits or cancels, a digit selects, "d" deletes, "c" commits " B+x " and "150", "y" accepts, "p" applies,
// "r" clears. Then the levels, the selection and which of Apply and Clear are offered.
TEST(GradeList, StepsThenTable) {
    // clang-format off
    const struct Case { const char* what; std::string steps, levels; int current; std::string offered; } cases[] = {
        {"commit replaces the selected level", "e2c", "A,90 B,80 B+,100 D,60 F,50 I,0", 2, "r"},
        {"delete selects the level above", "e3d", "A,90 B,80 C,70 F,50 I,0", 2, "r"},
        {"apply once until accepted", "peyp", "A,90 B,80 C,70 D,60 F,50 I,0", 0, "r"},
        {"apply again after cancel, clear once", "pree", "A,90 B,80 C,70 D,60 F,50 I,0", 0, "p"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = test::DefaultDocument();
        GradeList list = GradeList::FromDocument(doc);
        for (const char op : c.steps) {
            if (op == 'e')
                list.Editing() ? list.Cancel(doc) : list.Edit();
            else if (op == 'c')
                list.Commit(" B+x ", "150");
            else if (op == 'd')
                list.Delete();
            else if (op == 'y' || op == 'p' || op == 'r')
                op == 'y' ? list.Accept(doc) : op == 'p' ? list.Apply(doc) : list.Clear(doc);
            else
                list.Select(op - '0');
        }
        std::string levels;
        for (const GradeLevelText& level : list.Levels())
            levels += (levels.empty() ? "" : " ") + level.letter + "," + level.minimum;
        EXPECT_EQ(levels, c.levels);
        EXPECT_EQ(list.Current(), c.current);
        EXPECT_EQ(std::string(list.CanApply() ? "p" : "") + (list.CanClear() ? "r" : ""), c.offered);
    }
}

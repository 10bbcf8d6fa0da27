#include <gtest/gtest.h>

#include "app/PlanLists.h"
#include "support/TestDocuments.h"

using namespace markroll;

// The create dialog's lists without the dialog. Each case starts from a plan (the default one, or an open
// document's) and runs its steps: a digit selects that row, 'a' adds, 'd' deletes, 'c' commits the texts. Then
// come each step's answer (1 or 0), the rows as "name|weight|fields|length", the selection and the weights' sum;
// every step is written into the plan at once.
TEST(PlanLists, StepsKeepRowsSelectionAndPlanTogether) {
    const std::string C2 = "Catagory 2|34|2|3", C3 = "Catagory 3|33|2|3", C4 = "Catagory 4|33|2|3",
                      New = "Catagory???|???|2|3";
    // clang-format off
    const struct Case { const char* what; std::string steps, done; std::vector<std::string> rows; int cur, summary;
                        PlanLists::Row texts = {}; bool open = false; } cases[] = {
        {"an open document's plan", "", "", {"Tests|60|5|3", "Labs|40|3|2"}, 0, 100, {}, true},
        {"select another row", "2", "1", {C2, C3, C4}, 2, 100},
        {"select the selected row or none", "03", "00", {C2, C3, C4}, 0, 100},
        {"add before the first row", "a", "1", {New, C2, C3, C4}, 1, 100},
        {"add before the selected row", "2a", "11", {C2, C3, New, C4}, 3, 100},
        {"add up to ten categories", "aaaaaa", "111110", {New, New, New, New, New, C2, C3, C4}, 5, 100},
        {"delete selects the row above", "1d", "11", {C2, C4}, 0, 67},
        {"delete the first row", "d", "1", {C3, C4}, 0, 66},
        {"delete keeps the last category", "ddd", "110", {C4}, 0, 33},
        {"commit clamps and cuts the name", "1c", "11", {C2, "A very long cate|999|64|4", C4}, 1, 997,
         {"A very long category name", "1500", "100", "4"}},
        {"commit keeps the name's blanks", "2c", "11", {C2, C3, "  Quiz|25|12|3"}, 2, 92,
         {"  Quiz", "  25", " 12.9", "3"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = c.open ? test::MakeDocument(12, {{"Tests", 60, 5, 3}, {"Labs", 40, 3, 2}}) : Document();
        CategoryPlan plan = Initialize(doc, c.open);
        PlanLists lists = PlanLists::FromPlan(plan);
        std::string done;
        for (const char step : c.steps)
            done += std::to_string(step == 'a'   ? lists.Add(plan)
                                   : step == 'd' ? lists.Delete(plan)
                                   : step == 'c' ? lists.Commit(plan, c.texts)
                                                 : lists.Select(step - '0'));
        std::vector<std::string> rows;
        for (const PlanLists::Row& r : lists.Rows())
            rows.push_back(r[0] + "|" + r[1] + "|" + r[2] + "|" + r[3] +
                           (r[0] == plan.PlanName[rows.size() + 2] ? "" : " (not the plan's name)"));
        EXPECT_EQ(std::tuple(done, rows, lists.CurRow(), int(plan.PlanCats), int(plan.PlanWeight[0])),
                  std::tuple(c.done, c.rows, c.cur, int(c.rows.size()) + 2, c.summary));
    }
}

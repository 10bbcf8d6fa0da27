#include <gtest/gtest.h>

#include <functional>

#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "calc/Students.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Every kind of change, undone and redone in turn: each undo gives the file image from before its step and
// each redo the one after it, byte for byte; the editor is kept on a category that still exists.
TEST(History, UndoAndRedoGiveBackEveryImage) {
    AppState state;
    DocumentOpened(state, MakeDocument(12, {{"Tests", 60, 6, 3}, {"Quizzes", 40, 4, 2}}), "class.mrk");
    const std::pair<std::string, std::function<void(Document&)>> steps[] = {
        {"Editing of Tests", [](Document& d) { SetField(d, 3, 2, 2, "77"); }},
        {"Recalculate", [](Document& d) { RecalcAll(d); }},
        {"Insert Category", [](Document& d) { InsertCategory(d, 3, 5, 3, "Labs", 20); }},
        {"Delete Fields", [](Document& d) { DeleteFields(d, 2, 1, 2); }},
        {"Insert Students", [](Document& d) { InsertStudents(d, 1, 3, NewStudentRow("12-3", "Ann")); }},
        {"Alphabetize", [](Document& d) { AlphaStudents(d); }},
        {"Assign Grades", [](Document& d) { AssignGrades(d, false); }},
        {"Delete Category 4", [](Document& d) { DeleteCategory(d, 4); }},
    };
    std::vector<std::string> images{DocumentImage(state)};
    for (const auto& [label, change] : steps) {
        change(state.doc);
        CommitStep(state, label);
        images.push_back(DocumentImage(state));
    }
    state.EdCat = 4;
    for (std::size_t k = std::size(steps); k-- > 0;) {
        EXPECT_EQ(state.History.UndoLabel(), steps[k].first);
        ASSERT_TRUE(UndoStep(state));
        EXPECT_EQ(DocumentImage(state), images[k]) << steps[k].first;
        EXPECT_LT(state.EdCat, state.doc.NumCats);
    }
    EXPECT_TRUE(!UndoStep(state) && state.History.RedoLabel() == "Editing of Tests");
    for (std::size_t k = 1; k < images.size(); ++k) {
        ASSERT_TRUE(RedoStep(state));
        EXPECT_EQ(DocumentImage(state), images[k]) << k;
    }
    EXPECT_TRUE(!RedoStep(state) && state.Changed);

    // A new change after undoing drops what could be redone; a change that changes nothing is no step.
    ASSERT_TRUE(UndoStep(state));
    SetAdjustmentPoints(state.doc, 5);
    CommitStep(state, "Adjustment Points");
    CommitStep(state, "Nothing");
    EXPECT_TRUE(!state.History.CanRedo() && state.History.UndoLabel() == "Adjustment Points");
    // A change left uncommitted is undone on its own and can be redone.
    const std::string adjusted = DocumentImage(state);
    SetAdjustmentPoints(state.doc, 9);
    const std::string uncommitted = DocumentImage(state);
    ASSERT_TRUE(UndoStep(state));
    EXPECT_EQ(DocumentImage(state), adjusted);
    ASSERT_TRUE(RedoStep(state));
    EXPECT_EQ(DocumentImage(state), uncommitted);

    // Opening another document starts over; the latest hundred steps are kept.
    DocumentOpened(state, DefaultDocument(), "other.mrk");
    EXPECT_FALSE(state.History.CanUndo() || state.History.CanRedo());
    for (int k = 1; k <= 130; ++k) {
        SetAdjustmentPoints(state.doc, k);
        CommitStep(state, "Adjustment Points " + std::to_string(k));
    }
    EXPECT_EQ(state.History.UndoCount(), UndoHistory::MaxSteps);
    while (UndoStep(state)) {
    }
    EXPECT_EQ(state.History.RedoLabel(), "Adjustment Points 31");
}

} // namespace

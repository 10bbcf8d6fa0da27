#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"

namespace markroll {

/// The three template rows of a category: blank, possible points and column titles.
struct RowTemplates {
    std::string TmplBlank;
    std::string TmplPossible;
    std::string TmplTitle;
};

/// Template rows of category c with n fields of length len; SUMMARY reads NumCats from doc.
RowTemplates BuildRowTemplates(const Document& doc, int c, int n, int len);

/// The category plan of a new markroll, as the create-document dialog edits it.
struct CategoryPlan {
    std::int16_t PlanCats = 0;
    std::int16_t PlanStudents = 0;
    std::array<std::string, MaxCats> PlanName{};
    std::array<std::int16_t, MaxCats> PlanWeight{};
    std::array<std::int16_t, MaxCats> PlanFields{};
    std::array<std::int16_t, MaxCats> PlanLen{};
};

/// One user category of the plan as its row of the create-document dialog holds it.
struct PlanRow {
    std::string name;
    std::int16_t weight = 0;
    std::int16_t fields = 2;
    std::int16_t length = 3;
};

/// Seeds the plan. With a document open the plan copies its categories and student count (its info lines
/// and grade table stay in doc for the new document). Otherwise the default plan is built and doc receives
/// the default info lines and grade table.
CategoryPlan Initialize(Document& doc, bool documentOpen);

/// Builds the document from the plan: counts, category arrays, descriptions and every grid row. The info
/// lines and the grade table of doc are kept. PlanCats and PlanStudents must already be in range.
void CreateDocument(Document& doc, const CategoryPlan& plan);

/// Reads the student-count box: nearest integer (halves to even), clamped to 1..MaxStudents.
std::int16_t ReadStudentCount(std::string_view text);

/// Abs(Int(TextValue(text))): the reading of the weight, field and length boxes, kept in 16 bits.
std::int16_t ReadPlanNumber(std::string_view text);

/// Commits one row of the create-document dialog: name cut to 16, weight at most 999, fields 2..MaxFields,
/// length 1..CellWidth.
PlanRow CommitPlanRow(std::string_view name, std::string_view weight, std::string_view fields, std::string_view length);

/// The number of categories a plan may create: 3..MaxCats.
std::int16_t ClampPlanCats(int cats);

/// The dialog text of a committed number (NumText without its leading blank).
std::string PlanNumberText(int value);

/// Rebuilds the user categories of the plan from the dialog rows, each committed as by CommitPlanRow.
/// PlanCats becomes rows + 2; when the weights sum above 999 they are scaled down to fit, and
/// PlanWeight(0) becomes their sum. The rows themselves keep the unscaled weights.
void RedoCats(CategoryPlan& plan, const std::vector<PlanRow>& rows);

} // namespace markroll

#pragma once

// Builders of small documents for the tests, the benchmarks and the fuzz regression runs. They go through
// the same plan and construction code as the create-document dialog, so a builder never produces a shape
// the program itself could not make.

#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"

namespace markroll::test {

/// One user category of a built document.
struct CatShape {
    std::string name;
    int weight = 0;
    int fields = 2;
    int len = 3;
};

/// The document of the default plan: 40 students, Catagory 2..4 with weights 34, 33, 33.
inline Document DefaultDocument() {
    Document doc;
    const CategoryPlan plan = Initialize(doc, false);
    CreateDocument(doc, plan);
    return doc;
}

/// A document with the default info lines and grade table, `students` students and the given user
/// categories; CatWeight(0) is the sum of their weights.
inline Document MakeDocument(int students, const std::vector<CatShape>& cats) {
    Document doc;
    CategoryPlan plan = Initialize(doc, false);
    plan.PlanStudents = static_cast<std::int16_t>(students);
    plan.PlanCats = static_cast<std::int16_t>(cats.size() + 2);
    plan.PlanWeight[0] = 0;
    for (std::size_t i = 0; i < cats.size(); ++i) {
        plan.PlanName[i + 2] = cats[i].name;
        plan.PlanWeight[i + 2] = static_cast<std::int16_t>(cats[i].weight);
        plan.PlanFields[i + 2] = static_cast<std::int16_t>(cats[i].fields);
        plan.PlanLen[i + 2] = static_cast<std::int16_t>(cats[i].len);
        plan.PlanWeight[0] = static_cast<std::int16_t>(plan.PlanWeight[0] + cats[i].weight);
    }
    CreateDocument(doc, plan);
    return doc;
}

/// The CellWidth characters of field f of CatData(r, c).
inline std::string Field(const Document& doc, int r, int c, int f) {
    return Mid(doc.CatData(r, c), f * CellWidth + 1, CellWidth);
}

/// Writes text right-aligned into field f of CatData(r, c), as typing a value into the cell leaves it.
inline void SetField(Document& doc, int r, int c, int f, std::string_view text) {
    ReplaceAt(doc.CatData(r, c), f * CellWidth + 1, Right(Space(CellWidth) + std::string(text), CellWidth));
}

/// Field description slot f of category c.
inline std::string InfoSlot(const Document& doc, int c, int f) {
    return Mid(doc.FieldInfo[static_cast<std::size_t>(c)], f * InfoLen + 1, InfoLen);
}

/// The largest document the program makes: MaxStudents students and MaxCats categories of MaxFields
/// fields, every score and possible-points field filled and every student named.
inline Document MaximalDocument() {
    std::vector<CatShape> cats;
    for (int c = 2; c < MaxCats; ++c)
        cats.push_back({"Category " + std::to_string(c), 12, MaxFields, 3});
    Document doc = MakeDocument(MaxStudents, cats);
    for (int c = 2; c < doc.NumCats; ++c)
        for (int f = 1; f < MaxFields; ++f) {
            SetField(doc, doc.PossibleRow(), c, f, std::to_string(10 + f % 90));
            for (int r = 1; r <= doc.NumStudents; ++r)
                SetField(doc, r, c, f, std::to_string((r * 7 + f * 13 + c) % 100));
        }
    for (int r = 1; r <= doc.NumStudents; ++r) {
        std::string id = std::to_string(100000000 + r * 9973);
        doc.CatData(r, 1) =
            Left(id.substr(0, 3) + "-" + id.substr(3, 2) + "-" + id.substr(5, 4) + Space(IdLen), IdLen) + " " +
            Left("Student Number " + std::to_string(r) + Space(NameLen), NameLen);
    }
    return doc;
}

} // namespace markroll::test

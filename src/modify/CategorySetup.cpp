#include "modify/CategorySetup.h"

#include <algorithm>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

std::string CategoryOptionCaption(int option) {
    switch (option) {
    case CatOptInsert:
        return "Insert Category";
    case CatOptAppend:
        return "Append Category";
    case CatOptDelete:
        return "Delete Category";
    default:
        return "Switch Categories";
    }
}

std::optional<std::string> CategoryLimit(const Document& doc, int option) {
    switch (option) {
    case CatOptInsert:
    case CatOptAppend:
        if (doc.NumCats > MaxCats - 1)
            return "Maximum of 10 Categories";
        break;
    case CatOptDelete:
        // A markroll keeps at least one user category.
        if (doc.NumCats < 4)
            return "Must have a least One User Categories";
        break;
    default:
        if (doc.NumCats < 4)
            return "Must have a least two different User Categories to Switch";
        break;
    }
    return std::nullopt;
}

int CategoryFallback(int option) {
    return option == CatOptInsert || option == CatOptAppend ? CatOptDelete : CatOptAppend;
}

int ClampCategory(const Document& doc, int position) {
    return std::clamp(position, 2, std::max(2, doc.NumCats - 1));
}

int ReadCategoryBox(std::string_view text, int lo, int hi) {
    return ClampInt(RoundHalfEven(TextValue(text)), lo, std::max(lo, hi));
}

std::array<std::string, 5> CategoryBoxes(const Document& doc, int position) {
    const auto c = static_cast<std::size_t>(ClampCategory(doc, position));
    if (c >= static_cast<std::size_t>(doc.NumCats))
        return {};
    return {NumTextTrim(static_cast<double>(c)), NumTextTrim(doc.CatWeight[c]), NumTextTrim(doc.CatFields[c] - 1),
            NumTextTrim(doc.FieldLen[c]), doc.CatName[c]};
}

std::array<std::string, 5> CategoryLabels() {
    return {"Insert Before", "Weight", "User Fields", "Field Length", "Category Name"};
}

std::pair<int, int> SwitchPair(const Document& doc, std::string_view first, std::string_view second) {
    const int last = doc.NumCats - 1;
    const int n = ReadCategoryBox(first, 2, last);
    int m = ReadCategoryBox(second, 2, last);
    if (m == n)
        m = m + 1 > last ? 2 : m + 1;
    return {n, m};
}

NewCategory ReadNewCategory(const Document& doc, int option, const std::array<std::string, 5>& boxes) {
    NewCategory c;
    // Append always follows the last category, whatever the position box shows.
    c.Position = option == CatOptAppend ? doc.NumCats : ReadCategoryBox(boxes[0], 2, doc.NumCats - 1);
    c.Weight = ReadCategoryBox(boxes[1], 0, 999);
    c.UserFields = ReadCategoryBox(boxes[2], 1, MaxFields - 1);
    c.FieldLength = ReadCategoryBox(boxes[3], 0, CellWidth);
    c.Name = Left(boxes[4], MaxNameLen);
    if (c.Name.empty())
        c.Name = "Category" + NumTextTrim(doc.NumCats);
    return c;
}

std::string NewCategoryText(const Document& doc, int option, const NewCategory& c) {
    const std::string head = option == CatOptAppend ? "Append New Category After Category" + NumText(doc.NumCats - 1)
                                                    : "Insert New Category Before Category" + NumText(c.Position);
    return head + "\nWeight=" + NumText(c.Weight) + "\nNumber of Fields=" + NumText(c.UserFields) +
           "\nField Length=" + NumText(c.FieldLength) + "\nCategory Name: " + c.Name;
}

std::string DeleteCategoryText(const Document& doc, int c) {
    const auto k = static_cast<std::size_t>(c);
    return "Delete Category" + NumTextTrim(c) + "\n" +
           CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]);
}

std::string SwitchCategoryText(int c1, int c2) {
    return "Switch Category" + NumText(c1) + " with Category" + NumText(c2);
}

std::string CategoryQuestionTitle(int option) {
    return option == CatOptDelete ? "Delete Existing Category" : CategoryOptionCaption(option);
}

} // namespace markroll

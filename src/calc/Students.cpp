#include "calc/Students.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calc/Recalc.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

std::string Digits(int n) {
    return NumTextTrim(n);
}

// The NAME DATA row of student s between braces, as the confirmations quote it.
std::string Quoted(const Document& doc, int s) {
    return "{" + doc.RowOrEmpty(s, 1) + "}";
}

void EraseRows(Document& doc, int start, int count) {
    for (auto& rows : doc.Grid)
        rows.erase(rows.begin() + start, rows.begin() + start + count);
    doc.NumStudents = static_cast<std::int16_t>(doc.NumStudents - count);
}

} // namespace

std::string NewStudentRow(std::string_view id, std::string_view name) {
    std::string row = Right(Space(IdLen) + std::string(id), IdLen) + " " + std::string(name);
    row.resize(static_cast<std::size_t>(NameDataWidth), ' ');
    return row;
}

void InsertStudents(Document& doc, int position, int count, std::string_view row) {
    const int room = MaxStudents - doc.NumStudents;
    if (room < 1)
        return;
    position = std::clamp(position, 1, doc.NumStudents + 1);
    count = std::clamp(count, 1, room);
    for (int c = 0; c < doc.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        std::string blank = BuildRowTemplates(doc, c, doc.CatFields[k], doc.FieldLen[k]).TmplBlank;
        if (c == 1 && !row.empty())
            blank = std::string(row);
        auto& rows = doc.Grid[k];
        rows.insert(rows.begin() + position, static_cast<std::size_t>(count), blank);
    }
    doc.NumStudents = static_cast<std::int16_t>(doc.NumStudents + count);
}

int DeleteLimit(const Document& doc, int start) {
    const int from = doc.NumStudents - std::clamp(start, 1, std::max<int>(doc.NumStudents, 1)) + 1;
    return std::min(from, doc.NumStudents - 1);
}

void DeleteStudents(Document& doc, int start, int count) {
    if (doc.NumStudents < 2)
        return;
    start = std::clamp(start, 1, static_cast<int>(doc.NumStudents));
    count = std::clamp(count, 1, DeleteLimit(doc, start));
    EraseRows(doc, start, count);
}

void SwitchStudents(Document& doc, int first, int second) {
    if (doc.NumStudents < 1)
        return;
    first = std::clamp(first, 1, static_cast<int>(doc.NumStudents));
    second = std::clamp(second, 1, static_cast<int>(doc.NumStudents));
    for (auto& rows : doc.Grid)
        std::swap(rows[static_cast<std::size_t>(first)], rows[static_cast<std::size_t>(second)]);
}

void AlphaStudents(Document& doc) {
    const int n = doc.NumStudents;
    std::vector<int> order(static_cast<std::size_t>(n));
    std::vector<std::string> key(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        order[static_cast<std::size_t>(s - 1)] = s;
        key[static_cast<std::size_t>(s - 1)] = Mid(doc.RowOrEmpty(s, 1), IdLen + 2, NameLen);
    }
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (key[j] < key[i]) {
                std::swap(key[i], key[j]);
                std::swap(order[i], order[j]);
            }
    for (auto& rows : doc.Grid) {
        std::vector<std::string> sorted;
        for (int s : order)
            sorted.push_back(rows[static_cast<std::size_t>(s)]);
        std::move(sorted.begin(), sorted.end(), rows.begin() + 1);
    }
}

void SetAdjustmentPoints(Document& doc, int points) {
    const std::string cell = CellText(std::clamp(points, 0, 999), CellWidth);
    for (int r = 0; r <= doc.PossibleRow() && !doc.Grid.empty(); ++r)
        ReplaceAt(doc.CatData(r, 0), doc.NumCats * CellWidth + 1, cell);
    RecalcSummary(doc);
}

std::optional<std::string> InsertLimit(const Document& doc) {
    if (MaxStudents - doc.NumStudents < 1)
        return "Maximum Number of Students is " + Digits(MaxStudents) + "!";
    return std::nullopt;
}

std::string InsertText(const Document& doc, int position, int count) {
    return "Insert " + Digits(count) + " New Student(s)\nBefore Student#  " + Digits(position) + "\n      " +
           Quoted(doc, position);
}

std::string AppendText(const Document& doc, int count) {
    return "Append " + Digits(count) + " New Student(s)\nAfter Student#  " + Digits(doc.NumStudents) + "\n      " +
           Quoted(doc, doc.NumStudents);
}

std::string DeleteText(const Document& doc, int start, int count) {
    if (count == 1)
        return "Delete Student# " + Digits(start) + "     " + Quoted(doc, start);
    return "Delete " + Digits(count) + " Students\nStarting with Student#  " + Digits(start) + "\n     " +
           Quoted(doc, start);
}

std::string SwitchText(const Document& doc, int first, int second) {
    return "Switch Student# " + Digits(first) + "\n     " + Quoted(doc, first) + "\nWith Student#" + Digits(second) +
           "\n     " + Quoted(doc, second);
}

std::string AdjustText(int points) {
    return "Set Adjustment Points for all students to:\n" + Digits(points) + " Points?";
}

} // namespace markroll

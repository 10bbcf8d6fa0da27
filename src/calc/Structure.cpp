#include "calc/Structure.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/Recalc.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

// Row surgery by character offset (0-based). Rows of hand-edited files may be shorter than their
// category says; they are padded with blanks up to the place being changed, never cut beyond their end.
void InsertText(std::string& row, std::size_t at, std::string_view text) {
    if (row.size() < at)
        row.resize(at, ' ');
    row.insert(at, text);
}

void EraseText(std::string& row, std::size_t at, std::size_t count) {
    if (at < row.size())
        row.erase(at, std::min(count, row.size() - at));
}

void SwapBlocks(std::string& row, std::size_t a, std::size_t b, std::size_t width) {
    if (row.size() < b + width)
        row.resize(b + width, ' ');
    std::swap_ranges(row.begin() + static_cast<long>(a), row.begin() + static_cast<long>(a + width),
                     row.begin() + static_cast<long>(b));
}

template <typename T> void InsertAt(std::vector<T>& v, int at, T value) {
    v.insert(v.begin() + at, std::move(value));
}

template <typename T> void EraseAt(std::vector<T>& v, int at) {
    v.erase(v.begin() + at);
}

std::size_t Chars(int cells) {
    return static_cast<std::size_t>(cells) * CellWidth;
}

std::int16_t& Fields(Document& d, int c) {
    return d.CatFields[static_cast<std::size_t>(c)];
}

void RetitleSummary(Document& doc) {
    doc.CatFields[0] = static_cast<std::int16_t>(doc.NumCats + 2);
    doc.CatData(doc.TitleRow(), 0) = BuildRowTemplates(doc, 0, doc.NumCats + 2, 4).TmplTitle;
}

void RetitleCategory(Document& doc, int c, int len) {
    doc.CatData(doc.TitleRow(), c) = BuildRowTemplates(doc, c, Fields(doc, c), len).TmplTitle;
}

} // namespace

void InsertCategory(Document& doc, int pos, int nf, int len, std::string_view name, int w) {
    if (pos < 2 || pos > doc.NumCats || doc.NumCats >= MaxCats)
        return;
    nf = std::clamp(nf, 2, MaxFields);
    len = std::clamp(len, 0, CellWidth);

    InsertAt(doc.CatName, pos, Left(name, MaxNameLen));
    InsertAt(doc.CatWeight, pos, ClampToInt16(std::fabs(static_cast<double>(w))));
    InsertAt(doc.CatFields, pos, static_cast<std::int16_t>(nf));
    InsertAt(doc.FieldLen, pos, static_cast<std::int16_t>(len));
    InsertAt(doc.FieldInfo, pos, Space(InfoLen * nf));
    InsertAt(doc.Grid, pos, std::vector<std::string>(static_cast<std::size_t>(doc.RowCount())));

    for (int r = 0; r <= doc.NumStudents + 1; ++r)
        InsertText(doc.CatData(r, 0), Chars(pos - 1), Space(CellWidth));
    ++doc.NumCats;
    RetitleSummary(doc);

    const RowTemplates t = BuildRowTemplates(doc, pos, nf, len);
    for (int r = 0; r <= doc.NumStudents; ++r)
        doc.CatData(r, pos) = t.TmplBlank;
    doc.CatData(doc.PossibleRow(), pos) = t.TmplPossible;
    doc.CatData(doc.TitleRow(), pos) = t.TmplTitle;
    SumWeights(doc);
}

void DeleteCategory(Document& doc, int c) {
    if (!doc.IsUserCat(c))
        return;
    EraseAt(doc.CatName, c);
    EraseAt(doc.CatWeight, c);
    EraseAt(doc.CatFields, c);
    EraseAt(doc.FieldLen, c);
    EraseAt(doc.FieldInfo, c);
    EraseAt(doc.Grid, c);
    for (int r = 0; r <= doc.NumStudents + 1; ++r)
        EraseText(doc.CatData(r, 0), Chars(c - 1), CellWidth);
    --doc.NumCats;
    RetitleSummary(doc);
    SumWeights(doc);
}

void SwitchCategories(Document& doc, int c1, int c2) {
    if (!doc.IsUserCat(c1) || !doc.IsUserCat(c2) || c1 == c2)
        return;
    const auto a = static_cast<std::size_t>(c1), b = static_cast<std::size_t>(c2);
    std::swap(doc.CatWeight[a], doc.CatWeight[b]);
    std::swap(doc.CatFields[a], doc.CatFields[b]);
    std::swap(doc.FieldLen[a], doc.FieldLen[b]);
    std::swap(doc.CatName[a], doc.CatName[b]);
    std::swap(doc.FieldInfo[a], doc.FieldInfo[b]);
    std::swap(doc.Grid[a], doc.Grid[b]);
}

void InsertFields(Document& doc, int c, int pos, int k, int len) {
    if (!doc.IsUserCat(c))
        return;
    const int n = Fields(doc, c);
    if (n >= MaxFields || pos < 1 || pos > n)
        return;
    k = std::clamp(k, 1, MaxFields - n);
    len = std::clamp(len, 0, CellWidth);

    const RowTemplates t = BuildRowTemplates(doc, c, n + k, len);
    doc.CatData(doc.TitleRow(), c) = t.TmplTitle;
    const std::string blank = Left(t.TmplBlank, k * CellWidth);
    for (int r = 0; r <= doc.NumStudents + 1; ++r)
        InsertText(doc.CatData(r, c), Chars(pos), blank);
    InsertText(doc.FieldInfo[static_cast<std::size_t>(c)], static_cast<std::size_t>(InfoLen) * pos, Space(InfoLen * k));
    Fields(doc, c) = static_cast<std::int16_t>(n + k);
}

void DeleteFields(Document& doc, int c, int pos, int k) {
    if (!doc.IsUserCat(c))
        return;
    const int n = Fields(doc, c);
    if (pos < 1 || pos > n - 1 || k < 1)
        return;
    k = std::min(k, n - pos);

    for (int r = 0; r <= doc.NumStudents + 1; ++r) {
        std::string& row = doc.CatData(r, c);
        EraseText(row, Chars(pos), Chars(k));
        // The totals of the remaining fields are stale until the category is recomputed.
        if (r != doc.PossibleRow())
            ReplaceAt(row, 1, Space(CellWidth));
    }
    EraseText(doc.FieldInfo[static_cast<std::size_t>(c)], static_cast<std::size_t>(InfoLen) * pos,
              static_cast<std::size_t>(InfoLen) * k);
    Fields(doc, c) = static_cast<std::int16_t>(n - k);
    RetitleCategory(doc, c, 3);
}

void SwitchFields(Document& doc, int c, int& f1, int& f2) {
    if (!doc.IsUserCat(c) || f1 == f2)
        return;
    if (f1 > f2)
        std::swap(f1, f2);
    if (f1 < 1 || f2 > Fields(doc, c) - 1)
        return;
    for (int r = 0; r <= doc.NumStudents + 1; ++r)
        SwapBlocks(doc.CatData(r, c), Chars(f1), Chars(f2), CellWidth);
    SwapBlocks(doc.FieldInfo[static_cast<std::size_t>(c)], static_cast<std::size_t>(InfoLen) * f1,
               static_cast<std::size_t>(InfoLen) * f2, InfoLen);
}

std::string FieldValueCell(std::string_view typed) {
    std::string cell = Left(typed, CellWidth);
    cell.resize(CellWidth, ' ');
    return cell;
}

void SetFieldValues(Document& doc, int c, int f, std::string_view typed) {
    if (c < 0 || c >= doc.NumCats || c == 1 || static_cast<std::size_t>(c) >= doc.Grid.size())
        return;
    if (f < 0 || f >= doc.CatFields[static_cast<std::size_t>(c)])
        return;
    const std::string cell = FieldValueCell(typed);
    const int lastRow = c == 0 ? doc.NumStudents : doc.PossibleRow();
    auto& rows = doc.Grid[static_cast<std::size_t>(c)];
    for (int r = 0; r <= lastRow && r < static_cast<int>(rows.size()); ++r)
        ReplaceAt(rows[static_cast<std::size_t>(r)], f * CellWidth + 1, cell);
}

void SetFieldValue(Document& doc, int c, int f, int value) {
    if (!doc.IsUserCat(c))
        return;
    SetFieldValues(doc, c, f, CellText(std::clamp(value, 0, 999), CellWidth));
}

void ChangeCategory(Document& doc, int c, std::string_view name, int weight) {
    if (!doc.IsUserCat(c))
        return;
    const auto k = static_cast<std::size_t>(c);
    doc.CatName[k] = Left(name, MaxNameLen);
    doc.CatWeight[k] = ClampToInt16(std::fabs(static_cast<double>(weight)));
    const std::int16_t sum = doc.CatWeight[0];
    SumWeights(doc);
    // The weighted totals only move when the weights' sum does.
    if (doc.CatWeight[0] != sum)
        RecalcSummary(doc);
}

} // namespace markroll

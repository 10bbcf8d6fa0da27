#include "reports/OrderList.h"

#include <algorithm>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

std::string PadTo(std::string text, int width, char fill) {
    if (static_cast<int>(text.size()) < width)
        text.append(static_cast<std::size_t>(width) - text.size(), fill);
    return text;
}

} // namespace

Ordering OrderField(const Document& doc, int cat, int fld, int mode, const UniformDraw& draw) {
    const int n = std::max<int>(doc.NumStudents, 0);
    Ordering o;
    o.Order.resize(static_cast<std::size_t>(n));
    o.Keys.resize(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        o.Order[static_cast<std::size_t>(s - 1)] = static_cast<std::int16_t>(s);
        o.Keys[static_cast<std::size_t>(s - 1)] = ReadInt16(FieldCell(doc, s, cat, fld));
    }
    if (mode == OrderIncreasing || mode == OrderDecreasing) {
        for (std::size_t i = 0; i + 1 < o.Order.size(); ++i) {
            for (std::size_t j = i + 1; j < o.Order.size(); ++j) {
                const bool swap = mode == OrderDecreasing ? o.Keys[j] > o.Keys[i] : o.Keys[j] < o.Keys[i];
                if (swap) {
                    std::swap(o.Keys[i], o.Keys[j]);
                    std::swap(o.Order[i], o.Order[j]);
                }
            }
        }
    } else if (mode == OrderRandom) {
        std::vector<std::int16_t> pool(o.Order);
        int remaining = n;
        for (int i = 0; i < n; ++i) {
            // A draw of exactly 1 (a generator that rounds up) still picks from the pool.
            const int r = std::min(static_cast<int>(draw() * remaining), remaining - 1);
            o.Order[static_cast<std::size_t>(i)] = pool[static_cast<std::size_t>(r)];
            pool.erase(pool.begin() + r);
            --remaining;
        }
    }
    return o;
}

StudentColumn ColumnOf(int display) {
    switch (display) {
    case DisplayId:
        return {1, IdLen, "Poss. Pts", "Class Avg."};
    case DisplayName:
        return {IdLen + 2, NameLen, "Possible Points", "Class Average"};
    default:
        return {1, IdLen + NameLen, "Possible Points", "Class Average"};
    }
}

std::string ValueTitle(int cat, int fld) {
    return cat == 0 && fld == 0 ? "Grade" : "Score";
}

std::string DefaultHeader(int fld) {
    return "Ordered by Field# " + NumTextTrim(fld);
}

std::string FieldCell(const Document& doc, int row, int cat, int fld) {
    return PadTo(Mid(doc.RowOrEmpty(row, cat), fld * CellWidth + 1, CellWidth), CellWidth, ' ');
}

std::string OrderRowText(const Document& doc, int cat, int fld, int k, int s, int display) {
    const StudentColumn column = ColumnOf(display);
    return Left(NumTextTrim(k) + "  ", 3) + "{" + Right("  " + NumText(s), 2) + "} " +
           PadTo(Mid(doc.RowOrEmpty(s, 1), column.Start, column.Width), column.Width, '.') + " " +
           FieldCell(doc, s, cat, fld);
}

std::vector<std::string> ListingLines(const Document& doc, int cat, int fld, const Ordering& ordering, int display,
                                      const std::string& header) {
    const StudentColumn column = ColumnOf(display);
    const auto extra = [&](const std::string& label, int row) {
        return PadTo(Space(9) + label, column.Width + 9, ' ') + FieldCell(doc, row, cat, fld);
    };
    const auto k = static_cast<std::size_t>(cat);
    std::vector<std::string> lines;
    lines.push_back(k < doc.CatName.size() ? CatCaption(cat, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k])
                                           : std::string());
    lines.push_back(header);
    lines.push_back(extra(column.PossibleLabel, doc.PossibleRow()));
    for (std::size_t i = 0; i < ordering.Order.size(); ++i)
        lines.push_back(OrderRowText(doc, cat, fld, static_cast<int>(i) + 1, ordering.Order[i], display));
    lines.push_back(extra(column.AverageLabel, 0));
    return lines;
}

} // namespace markroll

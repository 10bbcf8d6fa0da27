#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/Document.h"

namespace markroll {

/// How the ordered listing orders the students.
enum OrderMode : int { OrderCurrent = 0, OrderIncreasing = 1, OrderDecreasing = -1, OrderRandom = 2 };
/// Which part of the student the listing shows.
enum OrderDisplay : int { DisplayBoth = 0, DisplayId = 1, DisplayName = 2 };

/// The students in listing order: Order[k - 1] is the student shown at position k, Keys[k - 1] its sort key
/// (the keys are not reordered in random mode).
struct Ordering {
    std::vector<std::int16_t> Order;
    std::vector<std::int16_t> Keys;
};

/// A uniform number in [0, 1), for the random order.
using UniformDraw = std::function<double()>;

/// Orders the students of category cat by field fld: increasing or decreasing by the exchange procedure
/// (which decides the order of equal keys), a random draw from a pool, or the current order. Cells that are
/// not numbers order as 0. A category or field the document does not hold orders as the current order.
Ordering OrderField(const Document& doc, int cat, int fld, int mode, const UniformDraw& draw);

/// The student column of a display option: where it starts in the NAME DATA row, how wide it is, and the
/// labels of the possible-points and class-average rows.
struct StudentColumn {
    int Start = 1;
    int Width = IdLen + NameLen;
    std::string PossibleLabel;
    std::string AverageLabel;
};
StudentColumn ColumnOf(int display);

/// "Grade" for the SUMMARY grade cell (category 0, field 0), otherwise "Score".
std::string ValueTitle(int cat, int fld);

/// The default header: "Ordered by Field# " and the field number.
std::string DefaultHeader(int fld);

/// The field's cell of a row of cat, padded to CellWidth.
std::string FieldCell(const Document& doc, int row, int cat, int fld);

/// The listing's row for position k (1-based) showing student s: the position, "{" and the student number's
/// last two digits "} ", the student label filled with dots, a blank and the field's cell. The label starts
/// at character 8 and the value at character width + 9.
std::string OrderRowText(const Document& doc, int cat, int fld, int k, int s, int display);

/// The listing as text lines: the category caption, the header, the possible points, one row a student,
/// the class average. The two extra rows put their value in the column of the rows' values.
std::vector<std::string> ListingLines(const Document& doc, int cat, int fld, const Ordering& ordering, int display,
                                      const std::string& header);

} // namespace markroll

#pragma once

#include "document/Document.h"

namespace markroll {

/// Writes each student's total of user category c (a percentage of the possible points) and the class
/// average of every field of c. Sums run in single precision, as the totals have always been computed.
/// Does nothing when c is not a user category.
void RecalcCategory(Document& doc, int c);

/// Copies every category total into SUMMARY and writes the weighted total (tot) and adjusted total (TOT)
/// of the class-average, student and possible-points rows. With a weight sum of 0 the weighted total is 0.
void RecalcSummary(Document& doc);

/// CatWeight(0) = the sum of the user weights (kept within 16 bits).
void SumWeights(Document& doc);

/// Every user category in order, then the summary.
void RecalcAll(Document& doc);

} // namespace markroll

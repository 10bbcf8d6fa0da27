#pragma once

#include <QColor>
#include <QFont>

#include "widgets/CategoryChart.h"

class QPainter;

namespace markroll {

/// A colour of the standard 16-colour palette by its index (0 black .. 15 bright white).
QColor PaletteColor(int index);

/// Measures texts (document bytes) in font, in twips.
TextMeasure MeasureWith(const QFont& font);

/// The font of the category charts: "MS Sans Serif", 8 point, bold.
QFont ChartFont();

/// Draws the chart with the painter's origin at twip (0, 0): boxes filled, texts on them with their tops
/// at the given y.
void PaintChart(QPainter& painter, const CategoryChart& chart, const QFont& font);

} // namespace markroll

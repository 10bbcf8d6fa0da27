#pragma once

#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/TextNumber.h"
#include "reports/ListingLayout.h"

namespace markroll {

/// Collects the items of a report as a layout places them: each text measured as the surface will draw it, all
/// positions in whole twips (halves to the even neighbour).
class ReportItems {
public:
    explicit ReportItems(const FontMeasure& measure) : m_measure(measure) {}

    TextExtent Measure(const ReportFont& font, std::string_view text) const { return m_measure(font, text); }

    /// A text with its top-left corner at (x, y). The reference holds until the next item is added.
    ReportItem& Text(const ReportFont& font, Rgb color, double x, double y, std::string text) {
        const TextExtent size = Measure(font, text);
        ReportItem& item = m_items.emplace_back();
        item.Font = font;
        item.Color = color;
        item.X = RoundHalfEven(x);
        item.Y = RoundHalfEven(y);
        item.Width = size.Width;
        item.Height = size.Height;
        item.Value = std::move(text);
        return item;
    }
    /// A text centred across a width that starts at 0.
    ReportItem& CentredAcross(const ReportFont& font, Rgb color, double width, double y, std::string text) {
        const double w = Measure(font, text).Width;
        return Text(font, color, (width - w) / 2, y, std::move(text));
    }
    /// A text whose middle is at x.
    ReportItem& Centred(const ReportFont& font, Rgb color, double x, double y, std::string text) {
        const double w = Measure(font, text).Width;
        return Text(font, color, x - w / 2, y, std::move(text));
    }
    /// A text that ends at x.
    ReportItem& Right(const ReportFont& font, Rgb color, double x, double y, std::string text) {
        const double w = Measure(font, text).Width;
        return Text(font, color, x - w, y, std::move(text));
    }
    void Box(double x, double y, double width, double height, Rgb color) {
        ReportItem& item = m_items.emplace_back();
        item.Type = ReportItem::Box;
        item.X = RoundHalfEven(x);
        item.Y = RoundHalfEven(y);
        item.Width = RoundHalfEven(width);
        item.Height = RoundHalfEven(height);
        item.Color = color;
    }
    void Line(double x1, double y1, double x2, double y2, Rgb color, int thickness = 1) {
        ReportItem& item = m_items.emplace_back();
        item.Type = ReportItem::Line;
        item.X = RoundHalfEven(x1);
        item.Y = RoundHalfEven(y1);
        item.X2 = RoundHalfEven(x2);
        item.Y2 = RoundHalfEven(y2);
        item.Color = color;
        item.Thickness = thickness;
    }
    /// A page break or the end of a print document.
    void Mark(ReportItem::Kind kind) { m_items.emplace_back().Type = kind; }
    void Append(std::vector<ReportItem> items) {
        m_items.insert(m_items.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    }
    std::vector<ReportItem> Take() { return std::move(m_items); }

private:
    const FontMeasure& m_measure;
    std::vector<ReportItem> m_items;
};

} // namespace markroll

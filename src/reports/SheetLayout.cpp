#include "reports/SheetLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

constexpr Rgb White = 0xFFFFFF;
constexpr Rgb Black = 0x000000;
// The room the sheets leave around the table, across and down the page.
constexpr double SheetMarginX = 400;
constexpr double SheetMarginY = 1400;
// A sheet's rows are 6 twips higher than the text, its boxes starting 3 above it.
constexpr double RowGap = 6;
constexpr double BoxRise = RowGap / 2;

// The integer part (truncation toward zero) of a count, in the 16 bits the counts live in; a count that cannot
// be computed (the font measured nothing) is 0.
int IntPart(double x) {
    return std::isfinite(x) ? ClampToInt16(std::trunc(x)) : 0;
}

int Len(const std::string& text) {
    return static_cast<int>(text.size());
}

std::string Caption(const Document& doc, int cat) {
    const auto c = static_cast<std::size_t>(cat);
    return c < doc.CatName.size() ? CatCaption(cat, doc.CatName[c], doc.CatWeight[c], doc.CatFields[c]) : std::string();
}

// Information line k, or an empty text where the document has fewer lines.
std::string Info(const Document& doc, int k) {
    return k <= doc.LastInfo && static_cast<std::size_t>(k) < doc.InfoLine.size()
               ? doc.InfoLine[static_cast<std::size_t>(k)]
               : std::string();
}

int Fields(const Document& doc, int cat) {
    return static_cast<std::size_t>(cat) < doc.CatFields.size() ? doc.CatFields[static_cast<std::size_t>(cat)] : 0;
}

// The name part of a NAME DATA row: the name starts right after the ID and its separator.
std::string NamePart(const std::string& row, int width) {
    return Mid(row, IdLen + 2, width);
}

class ItemBuilder {
public:
    explicit ItemBuilder(const SheetMetrics& metrics) : m_cw(metrics.CharWidth), m_ch(metrics.CharHeight) {}

    // A text of the sheet font, as wide as its characters; an empty text draws nothing and is left out.
    void Text(double x, double y, const std::string& text, Rgb color) {
        if (text.empty())
            return;
        ReportItem& item = m_items.emplace_back();
        item.Font = SheetFont;
        item.Color = color;
        item.X = x;
        item.Y = y;
        item.Width = Len(text) * m_cw;
        item.Height = m_ch;
        item.Value = text;
    }

    void Box(double x, double y, double width, double height, Rgb color) {
        ReportItem& item = m_items.emplace_back();
        item.Type = ReportItem::Box;
        item.Color = color;
        item.X = x;
        item.Y = y;
        item.Width = width;
        item.Height = height;
    }

    void Line(double x1, double y1, double x2, double y2, int thickness) {
        ReportItem& item = m_items.emplace_back();
        item.Type = ReportItem::Line;
        item.Color = Black;
        item.X = x1;
        item.Y = y1;
        item.X2 = x2;
        item.Y2 = y2;
        item.Thickness = thickness;
    }

    void Mark(ReportItem::Kind kind) { m_items.emplace_back().Type = kind; }

    std::vector<ReportItem> Take() { return std::move(m_items); }

private:
    double m_cw;
    double m_ch;
    std::vector<ReportItem> m_items;
};

// One markroll sheet: the slice of fields of page p for the students of group g.
class SheetDrawer {
public:
    SheetDrawer(const Document& doc, int cat, const SheetSettings& settings, const SheetMetrics& metrics,
                const SheetFit& fit, ItemBuilder& out)
        : m_doc(doc), m_cat(cat), m_settings(settings), m_fit(fit), m_cw(metrics.CharWidth), m_out(out) {
        m_back = StandardPalette[static_cast<std::size_t>(std::clamp(settings.BackColor, 0, 15))];
        m_fore = StandardPalette[static_cast<std::size_t>(std::clamp(settings.ForeColor, 0, 15))];
        // Light grey prints as white would: no boxes, and black text that shows on the white paper.
        if (settings.BackColor == 7 || settings.BackColor == 15) {
            m_back = White;
            m_fore = Black;
        }
    }

    void Sheet(int p, int g) {
        const int F = m_fit.FieldsPerPage;
        const int S = m_fit.StudentsPerPage;
        const int sw = m_fit.StudentWidth;
        int first = (p - 1) * F + 1;
        const int last = std::min(first + F - 1, Fields(m_doc, m_cat) - 1);
        // A category without score fields shows its total cell as its one field.
        if (last < first)
            first = last;
        const int n = last - first + 1;
        m_fieldStart = first * CellWidth + 1;
        m_fieldChars = n * CellWidth;
        const int firstStudent = (g - 1) * S + 1;
        const int lastStudent = std::min(firstStudent + S - 1, static_cast<int>(m_doc.NumStudents));

        m_width = (sw + (n + 1) * CellWidth + 6) * m_cw;
        const double x0 = SheetLeft;
        const double xf = x0 + (sw + 4) * m_cw;
        const double xt = x0 + m_width - 4 * m_cw;
        m_y = SheetTopY;

        const std::string group = "Group " + NumTextTrim(g) + "/" + NumTextTrim(m_fit.Groups);
        const std::string caption = Caption(m_doc, m_cat);
        const std::string page = "Page " + NumTextTrim(p) + "/" + NumTextTrim(m_fit.Pages);
        Labelled(x0, group);
        Labelled(x0 + (m_width - Len(caption) * m_cw) / 2, caption);
        Labelled(x0 + m_width - Len(page) * m_cw, page);

        NextLine(true);
        Ends(Info(m_doc, 1), Info(m_doc, 2));

        NextLine(true);
        const int idW = m_settings.IdWidth;
        const int nameW = m_fit.NameWidth;
        const std::string idTitle = idW >= 4 ? "ID# " : idW >= 1 ? "# " : "";
        const std::string nameTitle = nameW >= 12 ? "Student Name" : nameW >= 4 ? "Name" : nameW >= 1 ? "N" : "";
        const double idX = x0 + (Centring(idW, idTitle) + 3) * m_cw;
        m_out.Text(idX, m_y, idTitle, Black);
        m_out.Text(idX + (Len(idTitle) + Centring(nameW, nameTitle)) * m_cw, m_y, nameTitle, Black);
        m_out.Text(xf, m_y, FieldText(m_doc.TitleRow()), Black);
        m_out.Text(xt, m_y, TotalCell(m_doc.TitleRow()), Black);

        NextLine(true);
        const std::string possible = sw >= 13 ? "Possible Points" : sw >= 3 ? "Pts" : "";
        m_out.Text(x0 + (Centring(sw, possible) + 3) * m_cw, m_y, possible, m_fore);
        m_out.Text(xf, m_y, FieldText(m_doc.PossibleRow()), m_fore);

        for (int k = firstStudent; k <= lastStudent; ++k) {
            NextLine(false);
            Box(x0, 2 * m_cw);
            m_out.Text(x0, m_y, (k < 10 ? " " : "") + NumTextTrim(k), m_fore);
            const std::string& nameData = m_doc.RowOrEmpty(k, 1);
            std::string student;
            if (idW > 0)
                student = Right(Left(nameData, IdLen), idW) + " ";
            if (nameW > 0)
                student += NamePart(nameData, nameW);
            m_out.Text(x0 + 3 * m_cw, m_y, student, Black);
            m_out.Text(xf, m_y, FieldText(k), Black);
            Box(xt, 4 * m_cw);
            m_out.Text(xt, m_y, TotalCell(k), Black);
        }

        NextLine(true);
        const std::string average = sw >= 11 ? "Class Average" : sw >= 4 ? "Class Avg." : sw >= 1 ? "Avg" : "";
        m_out.Text(x0 + (Centring(sw, average) + 3) * m_cw, m_y, average, m_fore);
        m_out.Text(xf, m_y, FieldText(0), m_fore);
        m_out.Text(xt, m_y, TotalCell(0), m_fore);

        NextLine(true);
        Ends(Info(m_doc, 4), Info(m_doc, 3));
    }

private:
    // Characters that centre a text of this length over a column this wide, never to its left.
    static double Centring(int width, const std::string& text) {
        return std::max(0.0, RoundHalfEven((width - Len(text)) / 2.0));
    }

    std::string FieldText(int row) const { return Mid(m_doc.RowOrEmpty(row, m_cat), m_fieldStart, m_fieldChars); }
    std::string TotalCell(int row) const { return Left(m_doc.RowOrEmpty(row, m_cat), CellWidth); }

    // Boxes show only on a coloured background.
    void Box(double x, double width) {
        if (m_back != White)
            m_out.Box(x, m_y - BoxRise, width, m_fit.RowPitch, m_back);
    }

    void NextLine(bool fullBox) {
        m_y += m_fit.RowPitch;
        if (fullBox)
            Box(SheetLeft, m_width);
    }

    void Labelled(double x, const std::string& text) {
        Box(x, Len(text) * m_cw);
        m_out.Text(x, m_y, text, m_fore);
    }

    // A text at the left end of the line and one ending at its right end.
    void Ends(const std::string& left, const std::string& right) {
        m_out.Text(SheetLeft, m_y, left, m_fore);
        m_out.Text(SheetLeft + m_width - Len(right) * m_cw, m_y, right, m_fore);
    }

    const Document& m_doc;
    int m_cat;
    const SheetSettings& m_settings;
    const SheetFit& m_fit;
    double m_cw;
    ItemBuilder& m_out;
    Rgb m_back = White;
    Rgb m_fore = Black;
    int m_fieldStart = 1;
    int m_fieldChars = 0;
    double m_width = 0;
    double m_y = SheetTopY;
};

} // namespace

SheetFit FitSheets(const Document& doc, int cat, const SheetSettings& settings, const SheetMetrics& metrics) {
    SheetFit fit;
    const double cw = metrics.CharWidth;
    const double avail = metrics.PageWidth - SheetMarginX;
    int sw = settings.IdWidth + settings.NameWidth;
    fit.FirstFields = IntPart((avail / cw - sw - 6) / CellWidth) - 1;
    fit.LineChars = sw + (fit.FirstFields + 1) * CellWidth + 6;
    fit.TableWidth = fit.LineChars * cw;

    // A caption or info lines longer than the line take room from the fields for the name, which leaves the
    // table as wide as it was.
    const int h = std::max(
        {Len(Caption(doc, cat)) + 9 + 8, Len(Info(doc, 1)) + Len(Info(doc, 2)), Len(Info(doc, 3)) + Len(Info(doc, 4))});
    fit.NameWidth = settings.NameWidth;
    if (h > fit.LineChars)
        fit.NameWidth = std::min(fit.NameWidth + h - fit.LineChars, NameLen);
    sw = settings.IdWidth + fit.NameWidth - (fit.NameWidth == 0 ? 1 : 0);
    fit.StudentWidth = sw;
    // The table's width in characters is LineChars exactly: dividing W by cw again could fall just short of it.
    fit.FieldsPerPage = IntPart(static_cast<double>(fit.LineChars - sw - 6) / CellWidth) - 1;

    fit.RowPitch = metrics.CharHeight + RowGap;
    fit.StudentsPerPage = IntPart((metrics.PageHeight - SheetMarginY) / fit.RowPitch - 6);
    if (fit.Fits()) {
        fit.Pages = IntPart((Fields(doc, cat) - 1) / static_cast<double>(fit.FieldsPerPage) + 0.99);
        fit.Groups = IntPart(doc.NumStudents / static_cast<double>(fit.StudentsPerPage) + 0.99);
    }
    return fit;
}

std::vector<ReportItem> LayoutSheets(const Document& doc, int cat, const SheetSettings& settings,
                                     const SheetMetrics& metrics) {
    const SheetFit fit = FitSheets(doc, cat, settings, metrics);
    if (!fit.Fits())
        return {};
    ItemBuilder out(metrics);
    SheetDrawer drawer(doc, cat, settings, metrics, fit, out);
    // Page by page, every group of a page before the next page; one sheet at least, even without fields or
    // students.
    int p = 0;
    do {
        ++p;
        int g = 0;
        do {
            ++g;
            drawer.Sheet(p, g);
            out.Mark(ReportItem::EndDoc);
        } while (g < fit.Groups);
    } while (p < fit.Pages);
    return out.Take();
}

WorksheetFit FitWorksheet(const SheetSettings& settings, const SheetMetrics& metrics) {
    WorksheetFit fit;
    const double cw = metrics.CharWidth;
    fit.Columns = std::isfinite(metrics.PageWidth / cw) ? ClampToInt16(std::floor(metrics.PageWidth / cw)) : 0;
    fit.LineEnd = fit.Columns * cw;
    fit.RowHeight = 1.2 * metrics.CharHeight;
    fit.CellWidth = 3 * cw;
    fit.GridChars = fit.Columns - settings.IdWidth - settings.NameWidth - 5;
    // K characters hold K / 3 grid columns; the grid starts with a line at its left edge.
    fit.GridColumns = static_cast<int>(std::floor(fit.GridChars / 3.0)) + 1;
    fit.GridX = fit.Left + (settings.IdWidth + settings.NameWidth + 5) * cw;
    return fit;
}

std::vector<ReportItem> LayoutWorksheet(const Document& doc, int cat, const SheetSettings& settings,
                                        const SheetMetrics& metrics) {
    const WorksheetFit fit = FitWorksheet(settings, metrics);
    ItemBuilder out(metrics);
    const double x0 = fit.Left;
    const std::string caption = Caption(doc, cat);
    out.Text((metrics.PageWidth - Len(caption) * metrics.CharWidth) / 2, SheetTopY, caption, Black);

    const auto gridLines = [&](double yFrom, double yTo, int thickness) {
        for (int j = 1; j <= fit.GridColumns; ++j) {
            const double x = fit.GridX + (j - 1) * fit.CellWidth;
            out.Line(x, yFrom, x, yTo, thickness);
        }
    };
    const double yA = SheetTopY + 2 * fit.RowHeight;
    out.Line(x0, yA, fit.LineEnd, yA, 2);
    const double yB = yA + 2 * fit.CellWidth;
    out.Line(x0, yB, fit.LineEnd, yB, 2);
    gridLines(yB, yB - 2.6 * fit.RowHeight, 2);

    double y = yB;
    for (int s = 1; s <= doc.NumStudents; ++s) {
        out.Line(x0, y, fit.LineEnd, y, 1);
        const std::string& nameData = doc.RowOrEmpty(s, 1);
        const std::string label = Right(" " + NumText(s), 2) + "." + Left(nameData, settings.IdWidth) +
                                  NamePart(nameData, settings.NameWidth) + "  ";
        out.Text(x0, y + metrics.CharHeight / 8, label, Black);
        gridLines(y, y + fit.RowHeight, 1);
        y += fit.RowHeight;
        // The rows go on at the top of a fresh page, without the title and the header band.
        if (y > metrics.PageHeight) {
            out.Mark(ReportItem::NewPage);
            y = SheetTopY;
        }
    }
    out.Line(x0, y, fit.LineEnd, y, 1);
    out.Mark(ReportItem::EndDoc);
    return out.Take();
}

} // namespace markroll

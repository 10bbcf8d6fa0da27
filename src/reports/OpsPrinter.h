#pragma once

#include <ostream>
#include <string>

#include "platform/PrinterOps.h"

namespace markroll {

/// The printer operations a report draws, written as lines of text instead of drawn: one line an operation, every
/// position in whole twips (halves to the even neighbour):
///
///     doc                                 a print document starts
///     page W H                            a page starts; its printable width and height
///     font NAME SIZE BOLD CW CH           the font of later texts; CW, CH: "A" measured in it, two decimals
///     color R G B                         the colour of later texts
///     text X Y "TEXT"                     UTF-8, with \" and \\ escaped; an empty text is left out
///     box X Y W H R G B                   a filled box
///     line X1 Y1 X2 Y2 R G B THICKNESS    a line, thickness 1 or 2
///     enddoc                              the print document ends
///
/// Every document begins with its own font and colour. The page's size and the measurements come from the
/// printer given, on which nothing is drawn, so the lines are what that printer would have drawn.
class OpsPrinter : public PrinterOps {
public:
    OpsPrinter(PrinterOps& measure, std::ostream& out) : m_measure(measure), m_out(out) {}

    void SetOrientation(int orientation) override { m_measure.SetOrientation(orientation); }
    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetForeColor(std::uint32_t rgb) override;
    void SetDrawWidth(int width) override { m_drawWidth = width; }

    double ScaleWidth() const override { return m_measure.ScaleWidth(); }
    double ScaleHeight() const override { return m_measure.ScaleHeight(); }
    double TextWidth(std::string_view text) const override { return m_measure.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return m_measure.TextHeight(text); }

    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }

    void Print(std::string_view text, bool endLine) override;
    void Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) override;
    void FilledBox(double x, double y, double width, double height, std::uint32_t rgb) override;
    void NewPage() override;
    void EndDoc() override;

private:
    /// Opens a print document when none is open: its page, font and colour.
    void Open();
    void WritePage();
    void WriteFont();
    void WriteColor();
    /// NAME SIZE BOLD of the font in force.
    std::string FontKey() const;

    PrinterOps& m_measure;
    std::ostream& m_out;
    bool m_open = false;
    std::string m_fontName = "Courier New";
    double m_fontSize = 10;
    bool m_bold = false;
    std::uint32_t m_color = 0;
    int m_drawWidth = 1;
    // What the lines said last, so a text repeats neither.
    std::string m_shownFont;
    std::uint32_t m_shownColor = 0;
    double m_x = 0;
    double m_y = 0;
};

} // namespace markroll

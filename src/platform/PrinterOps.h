#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace markroll {

/// The printer operations the reports draw with. Positions and sizes are in twips (1440 an inch) from the
/// top-left corner of the printable area, x to the right and y downwards; texts are bytes of the markroll's
/// code page (Windows-1252). Colours are 0xRRGGBB. The reports use this interface only, so they draw alike
/// on a printer, into a PDF file and into the recording printer of the tests.
class PrinterOps {
public:
    virtual ~PrinterOps() = default;

    /// 1 portrait, 2 landscape; applies to the next print document.
    virtual void SetOrientation(int orientation) = 0;
    /// Later texts and measurements use the font. "Courier New" is always a fixed-pitch font.
    virtual void SetFontName(std::string_view name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    /// Colour of later texts.
    virtual void SetForeColor(std::uint32_t rgb) = 0;
    /// Thickness of later lines: 1 or 2.
    virtual void SetDrawWidth(int width) = 0;

    /// The printable area of a page.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    /// The size of a text in the current font.
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;

    /// Where the next text starts.
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;

    /// Prints text at the current position. Staying on the line leaves the current x just after the text;
    /// ending it moves to x 0 of the next line (one text height lower).
    virtual void Print(std::string_view text, bool endLine) = 0;
    /// A straight line in colour rgb, as thick as the draw width says.
    virtual void Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) = 0;
    /// A rectangle filled in colour rgb.
    virtual void FilledBox(double x, double y, double width, double height, std::uint32_t rgb) = 0;
    /// Later output goes to a fresh page.
    virtual void NewPage() = 0;
    /// The pages so far go to the printer as one print document.
    virtual void EndDoc() = 0;
};

} // namespace markroll

#pragma once

#include "platform/PrintFont.h"
#include "platform/PrinterOps.h"

#include <string>
#include <vector>

namespace markroll {

/// One operation a RecordingPrinter was given. Which fields hold what depends on the kind: a Text has its
/// position (x, y: the top of its box), size (w, h), text and the font and colour it was printed in; a Line has
/// its ends (x, y) and (x + w, y + h), colour and draw width; a Box its corner, size and colour; the setters
/// keep their one value in the field of that name. Every record also holds the settings in force when it was
/// made.
struct PrintRecord {
    enum class Kind {
        Orientation,
        FontName,
        FontSize,
        FontBold,
        ForeColor,
        DrawWidth,
        Text,
        Line,
        Box,
        NewPage,
        EndDoc
    };
    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    std::uint32_t color = 0;
    int drawWidth = 1;
    int orientation = 1;
};

/// The printer of the tests and benchmarks: keeps every operation in the order made, moves the current
/// position as QtPrinter does, and measures texts in the real fonts as a 1440-dpi printer would.
class RecordingPrinter : public PrinterOps {
public:
    /// A4 portrait less half-inch margins all round.
    static constexpr double DefaultScaleWidth = 11906 - 1440;
    static constexpr double DefaultScaleHeight = 16838 - 1440;

    const std::vector<PrintRecord>& Records() const { return m_records; }
    /// Only the records of one kind, in order.
    std::vector<PrintRecord> RecordsOf(PrintRecord::Kind kind) const;
    void Clear() { m_records.clear(); }
    void SetScale(double width, double height);

    void SetOrientation(int orientation) override;
    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetForeColor(std::uint32_t rgb) override;
    void SetDrawWidth(int width) override;

    double ScaleWidth() const override { return m_scaleWidth; }
    double ScaleHeight() const override { return m_scaleHeight; }
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;

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
    PrintRecord& Add(PrintRecord::Kind kind);

    std::vector<PrintRecord> m_records;
    PrintFont m_font;
    std::string m_fontName = "Courier New";
    std::uint32_t m_color = 0;
    int m_drawWidth = 1;
    int m_orientation = 1;
    double m_scaleWidth = DefaultScaleWidth;
    double m_scaleHeight = DefaultScaleHeight;
    double m_x = 0;
    double m_y = 0;
};

} // namespace markroll

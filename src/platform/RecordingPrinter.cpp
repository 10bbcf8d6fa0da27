#include "platform/RecordingPrinter.h"

#include "platform/Platform.h"

#include <algorithm>

namespace markroll {

std::vector<PrintRecord> RecordingPrinter::RecordsOf(PrintRecord::Kind kind) const {
    std::vector<PrintRecord> found;
    std::copy_if(m_records.begin(), m_records.end(), std::back_inserter(found),
                 [kind](const PrintRecord& record) { return record.kind == kind; });
    return found;
}

void RecordingPrinter::SetScale(double width, double height) {
    m_scaleWidth = width;
    m_scaleHeight = height;
}

PrintRecord& RecordingPrinter::Add(PrintRecord::Kind kind) {
    PrintRecord& record = m_records.emplace_back();
    record.kind = kind;
    record.fontName = m_fontName;
    record.fontSize = m_font.Points();
    record.bold = m_font.Bold();
    record.color = m_color;
    record.drawWidth = m_drawWidth;
    record.orientation = m_orientation;
    return record;
}

void RecordingPrinter::SetOrientation(int orientation) {
    m_orientation = orientation;
    Add(PrintRecord::Kind::Orientation);
}

void RecordingPrinter::SetFontName(std::string_view name) {
    m_fontName = std::string(name);
    m_font.SetName(FromBytes(name));
    Add(PrintRecord::Kind::FontName);
}

void RecordingPrinter::SetFontSize(double points) {
    m_font.SetPoints(points);
    Add(PrintRecord::Kind::FontSize);
}

void RecordingPrinter::SetFontBold(bool bold) {
    m_font.SetBold(bold);
    Add(PrintRecord::Kind::FontBold);
}

void RecordingPrinter::SetForeColor(std::uint32_t rgb) {
    m_color = rgb;
    Add(PrintRecord::Kind::ForeColor);
}

void RecordingPrinter::SetDrawWidth(int width) {
    m_drawWidth = width;
    Add(PrintRecord::Kind::DrawWidth);
}

double RecordingPrinter::TextWidth(std::string_view text) const {
    return m_font.Width(FromBytes(text));
}

double RecordingPrinter::TextHeight(std::string_view text) const {
    return m_font.Height(FromBytes(text));
}

void RecordingPrinter::Print(std::string_view text, bool endLine) {
    const QString shown = FromBytes(text);
    PrintRecord& record = Add(PrintRecord::Kind::Text);
    record.x = m_x;
    record.y = m_y;
    record.w = m_font.Width(shown);
    record.h = m_font.Height(shown);
    record.text = std::string(text);
    if (endLine) {
        m_x = 0;
        m_y += record.h;
    } else {
        m_x += record.w;
    }
}

void RecordingPrinter::Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) {
    PrintRecord& record = Add(PrintRecord::Kind::Line);
    record.x = x1;
    record.y = y1;
    record.w = x2 - x1;
    record.h = y2 - y1;
    record.color = rgb;
}

void RecordingPrinter::FilledBox(double x, double y, double width, double height, std::uint32_t rgb) {
    PrintRecord& record = Add(PrintRecord::Kind::Box);
    record.x = x;
    record.y = y;
    record.w = width;
    record.h = height;
    record.color = rgb;
}

void RecordingPrinter::NewPage() {
    Add(PrintRecord::Kind::NewPage);
    m_x = 0;
    m_y = 0;
}

void RecordingPrinter::EndDoc() {
    Add(PrintRecord::Kind::EndDoc);
    m_x = 0;
    m_y = 0;
}

} // namespace markroll

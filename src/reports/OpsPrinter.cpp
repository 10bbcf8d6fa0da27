#include "reports/OpsPrinter.h"

#include <cstdio>

#include "document/CodePage.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

std::string Twips(double value) {
    return NumTextTrim(RoundHalfEven(value));
}

std::string RgbText(std::uint32_t rgb) {
    return std::to_string((rgb >> 16) & 0xFF) + " " + std::to_string((rgb >> 8) & 0xFF) + " " +
           std::to_string(rgb & 0xFF);
}

std::string TwoDecimals(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    return buf;
}

std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    for (char ch : ToUtf8(bytes)) {
        if (ch == '"' || ch == '\\')
            quoted += '\\';
        quoted += ch;
    }
    return quoted + "\"";
}

} // namespace

void OpsPrinter::SetFontName(std::string_view name) {
    m_fontName = std::string(name);
    m_measure.SetFontName(name);
}

void OpsPrinter::SetFontSize(double points) {
    m_fontSize = points;
    m_measure.SetFontSize(points);
}

void OpsPrinter::SetFontBold(bool bold) {
    m_bold = bold;
    m_measure.SetFontBold(bold);
}

void OpsPrinter::SetForeColor(std::uint32_t rgb) {
    m_color = rgb;
    m_measure.SetForeColor(rgb);
}

void OpsPrinter::Open() {
    if (m_open)
        return;
    m_open = true;
    m_out << "doc\n";
    WritePage();
    WriteFont();
    WriteColor();
}

void OpsPrinter::WritePage() {
    m_out << "page " << Twips(ScaleWidth()) << " " << Twips(ScaleHeight()) << "\n";
}

std::string OpsPrinter::FontKey() const {
    char size[32];
    std::snprintf(size, sizeof size, "%g", m_fontSize);
    return m_fontName + " " + size + " " + (m_bold ? "1" : "0");
}

void OpsPrinter::WriteFont() {
    m_shownFont = FontKey();
    m_out << "font " << m_shownFont << " " << TwoDecimals(TextWidth("A")) << " " << TwoDecimals(TextHeight("A"))
          << "\n";
}

void OpsPrinter::WriteColor() {
    m_shownColor = m_color;
    m_out << "color " << RgbText(m_color) << "\n";
}

void OpsPrinter::Print(std::string_view text, bool endLine) {
    Open();
    if (!text.empty()) {
        if (m_shownFont != FontKey())
            WriteFont();
        if (m_shownColor != m_color)
            WriteColor();
        m_out << "text " << Twips(m_x) << " " << Twips(m_y) << " " << Quoted(text) << "\n";
    }
    if (endLine) {
        m_y += TextHeight(text);
        m_x = 0;
    } else {
        m_x += TextWidth(text);
    }
}

void OpsPrinter::Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) {
    Open();
    m_out << "line " << Twips(x1) << " " << Twips(y1) << " " << Twips(x2) << " " << Twips(y2) << " " << RgbText(rgb)
          << " " << m_drawWidth << "\n";
}

void OpsPrinter::FilledBox(double x, double y, double width, double height, std::uint32_t rgb) {
    Open();
    m_out << "box " << Twips(x) << " " << Twips(y) << " " << Twips(width) << " " << Twips(height) << " " << RgbText(rgb)
          << "\n";
}

void OpsPrinter::NewPage() {
    Open();
    WritePage();
    m_x = 0;
    m_y = 0;
}

void OpsPrinter::EndDoc() {
    if (m_open)
        m_out << "enddoc\n";
    m_open = false;
    m_x = 0;
    m_y = 0;
}

} // namespace markroll

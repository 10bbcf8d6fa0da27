#include "grading/InfoList.h"

#include <algorithm>
#include <array>

#include "document/TextNumber.h"

namespace markroll {

std::string InfoList::LineName(int index) {
    static const std::array<const char*, StandardLines> Names = {
        "Program Version", "Class Name",    "Class Section",    "Class Term",
        "Instructor",      "Creation Date", "Last Update Date", "Last Update Time",
    };
    if (index >= 0 && index < StandardLines)
        return Names[static_cast<std::size_t>(index)];
    return "Info" + NumTextTrim(index);
}

InfoList InfoList::FromDocument(const Document& doc) {
    InfoList list;
    // A hand-edited file may hold more than MaxInfo lines; all of them are shown so that applying loses none.
    const int count = std::max<int>(doc.LastInfo + 1, StandardLines);
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        list.m_lines.push_back({LineName(i), k < doc.InfoLine.size() && i <= doc.LastInfo ? doc.InfoLine[k] : ""});
    }
    return list;
}

std::string InfoList::NumInfoText() const {
    return "NumInfo=" + NumText(Count());
}

void InfoList::Select(int index) {
    if (index == 0)
        index = 1;
    if (index >= 1 && index < Count())
        m_current = index;
}

void InfoList::Commit(const std::string& text) {
    m_lines[static_cast<std::size_t>(m_current)].text = text;
}

bool InfoList::Add() {
    if (Count() >= MaxInfo)
        return false;
    // A line added here is named with the count's leading blank; reopening the dialog names it without.
    m_lines.push_back({"Info" + NumText(Count()), "???"});
    return true;
}

bool InfoList::Delete() {
    if (m_current < StandardLines)
        return false;
    m_lines.erase(m_lines.begin() + m_current);
    --m_current;
    return true;
}

void InfoList::ApplyTo(Document& doc) const {
    doc.LastInfo = static_cast<std::int16_t>(Count() - 1);
    doc.InfoLine.clear();
    for (const Line& line : m_lines)
        doc.InfoLine.push_back(line.text);
}

} // namespace markroll

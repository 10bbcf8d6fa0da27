#pragma once

#include <string>
#include <vector>

#include "document/Document.h"

namespace markroll {

/// The information dialog's working copy of the document's info lines: a fixed name and a text per line,
/// and the line selected in both of its lists.
class InfoList {
public:
    struct Line {
        std::string name;
        std::string text;
    };

    /// The eight standard lines that every markroll shows and that cannot be deleted.
    static constexpr int StandardLines = 8;

    /// The document's lines 0..LastInfo, never fewer than the standard eight (missing texts are empty);
    /// line 1 selected.
    static InfoList FromDocument(const Document& doc);

    const std::vector<Line>& Lines() const { return m_lines; }
    int Current() const { return m_current; }
    int Count() const { return static_cast<int>(m_lines.size()); }

    /// "NumInfo=" and the number of lines with its leading blank.
    std::string NumInfoText() const;

    /// Selects a line; line 0 (the program version) cannot be edited, so it selects line 1 instead.
    void Select(int index);

    /// The edit field's text becomes the selected line's text, exactly as typed.
    void Commit(const std::string& text);

    /// Appends "Info" with the line count, text "???"; the selection stays. False at MaxInfo lines.
    bool Add();

    /// Removes the selected line when it is not a standard line and selects the line above. False otherwise.
    bool Delete();

    /// Writes the lines into the document: LastInfo and InfoLine.
    void ApplyTo(Document& doc) const;

    /// The fixed name of line index as the dialog shows it when it opens.
    static std::string LineName(int index);

private:
    std::vector<Line> m_lines;
    int m_current = 1;
};

} // namespace markroll

#include "modify/ImportSetup.h"

#include <algorithm>

#include "document/CodePage.h"
#include "document/CsvExport.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

constexpr std::size_t LabelLength = 24;

// At most length bytes of UTF-8 text, never cutting a character in two.
std::string CutUtf8(const std::string& text, std::size_t length) {
    if (text.size() <= length)
        return text;
    std::size_t end = length;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end) + "...";
}

std::string Plural(int n, const char* one, const char* many) {
    return NumTextTrim(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::vector<std::string> ColumnLabels(const Roster& roster, bool header) {
    std::vector<std::string> labels;
    for (int k = 0; k < roster.ColumnCount(); ++k) {
        std::string sample;
        if (!roster.Records.empty()) {
            const auto& fields = roster.Records.front().Fields;
            if (static_cast<std::size_t>(k) < fields.size())
                sample = TrimBlanks(fields[static_cast<std::size_t>(k)]);
        }
        std::replace_if(
            sample.begin(), sample.end(), [](char ch) { return ch == '\r' || ch == '\n' || ch == '\t'; }, ' ');
        // Without a header the first record is a student: its value says what the column holds.
        labels.push_back(
            NumTextTrim(k + 1) + ": " +
            (sample.empty() ? std::string(header ? "(untitled)" : "(empty)") : CutUtf8(sample, LabelLength)));
    }
    return labels;
}

ColumnChoice ChoiceOf(const RosterColumns& columns) {
    if (columns.Last >= 0 && columns.First >= 0)
        return {columns.Id, columns.Last, columns.First, columns.Header};
    return {columns.Id, columns.Name, -1, columns.Header};
}

RosterColumns ColumnsOf(const ColumnChoice& choice) {
    RosterColumns columns;
    columns.Id = choice.Id;
    columns.Name = choice.Name;
    if (choice.First >= 0) {
        columns.Last = choice.Name;
        columns.First = choice.First;
    }
    columns.Header = choice.Header;
    return columns;
}

PreviewLine PreviewLineOf(const RosterEntry& entry) {
    PreviewLine line;
    line.Line = NumTextTrim(entry.Line);
    line.Rejected = !entry.Accepted();
    if (line.Rejected || entry.Row.size() <= static_cast<std::size_t>(IdLen)) {
        line.Id = entry.Id;
        line.Name = entry.Name;
        line.Status = RosterReason(entry);
    } else {
        line.Id = ToUtf8(entry.Row.substr(0, static_cast<std::size_t>(IdLen)));
        std::string name = entry.Row.substr(static_cast<std::size_t>(IdLen) + 1);
        name.erase(name.find_last_not_of(' ') + 1);
        line.Name = ToUtf8(name);
        line.Status = "imported";
    }
    return line;
}

std::string PreviewSummary(const Document& doc, const std::vector<RosterEntry>& entries) {
    const int added = static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](const RosterEntry& e) { return e.Accepted(); }));
    const int rejected = static_cast<int>(entries.size()) - added;
    if (added == 0)
        return "No row can be imported: " + Plural(rejected, "row", "rows") + " rejected";
    return Plural(added, "student", "students") + " will be added (" + NumTextTrim(doc.NumStudents + added) +
           " in the markroll then), " + Plural(rejected, "row", "rows") + " rejected";
}

} // namespace markroll

#include "calc/RosterImport.h"

#include <algorithm>
#include <map>
#include <optional>

#include "calc/Students.h"
#include "document/CodePage.h"
#include "document/CsvExport.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF. Anything else is a Windows-1252 file
// (a roster saved by an older spreadsheet program), whose bytes are all letters of that code page.
bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80                 ? 0
                          : b >= 0xC2 && b <= 0xDF ? 1
                          : (b & 0xF0) == 0xE0     ? 2
                          : b >= 0xF0 && b <= 0xF4 ? 3
                                                   : -1;
        if (extra < 0 || s.size() - i <= static_cast<std::size_t>(extra))
            return false;
        char32_t u = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                return false;
            u = (u << 6) | (c & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (u < least[extra] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// The records of RFC 4180 text with the given separator. A quote opens a quoted field only at the start of a
// field; anything after its closing quote is kept as it comes, so a slightly malformed file still reads.
std::vector<RosterRecord> ParseRecords(std::string_view text, char separator) {
    std::vector<RosterRecord> records;
    RosterRecord record{1, {}};
    std::string field;
    int line = 1;
    bool quoted = false;
    const auto endRecord = [&] {
        record.Fields.push_back(std::move(field));
        field.clear();
        const bool blank = std::all_of(record.Fields.begin(), record.Fields.end(),
                                       [](const std::string& f) { return TrimBlanks(f).empty(); });
        if (!blank)
            records.push_back(std::move(record));
        record = {line, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool crlf = ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field.push_back(text[++i]);
            else if (ch == '"')
                quoted = false;
            else
                field.push_back(ch);
            if (ch == '\n' || (ch == '\r' && !crlf))
                ++line;
        } else if (ch == '"' && field.empty()) {
            quoted = true;
        } else if (ch == separator) {
            record.Fields.push_back(std::move(field));
            field.clear();
        } else if (ch == '\n' || ch == '\r') {
            if (crlf)
                ++i;
            ++line;
            endRecord();
        } else {
            field.push_back(ch);
        }
    }
    if (!field.empty() || !record.Fields.empty())
        endRecord();
    return records;
}

std::string Lower(std::string_view text) {
    std::string out = TrimBlanks(text);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

int FindTitle(const std::vector<std::string>& titles, std::initializer_list<std::string_view> names) {
    for (std::size_t k = 0; k < titles.size(); ++k)
        if (std::find(names.begin(), names.end(), Lower(titles[k])) != names.end())
            return static_cast<int>(k);
    return -1;
}

RosterColumns FindColumns(const std::vector<RosterRecord>& records) {
    RosterColumns columns;
    if (records.empty())
        return columns;
    const auto& titles = records.front().Fields;
    const int id = FindTitle(titles, {"id", "id#", "student id", "student id#", "number"});
    const int name = FindTitle(titles, {"name", "student name", "student"});
    const int last = FindTitle(titles, {"last name"});
    const int first = FindTitle(titles, {"first name"});
    if (id < 0 && name < 0 && last < 0 && first < 0)
        return columns;
    columns.Header = true;
    columns.Name = name;
    if (name < 0 && last >= 0 && first >= 0) {
        columns.Last = last;
        columns.First = first;
    } else if (name < 0) {
        columns.Name = std::max(last, first);
    }
    const auto taken = [&](int k) { return k == columns.Name || k == columns.Last || k == columns.First; };
    columns.Id = id;
    for (int k = 0; columns.Id < 0; ++k)
        if (!taken(k))
            columns.Id = k;
    for (int k = 0; columns.Name < 0 && columns.Last < 0; ++k)
        if (k != columns.Id)
            columns.Name = k;
    return columns;
}

// A field as a NAME DATA row can hold it: line breaks and other control characters become blanks.
std::string FieldText(const RosterRecord& record, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= record.Fields.size())
        return {};
    std::string text = record.Fields[static_cast<std::size_t>(column)];
    for (char& ch : text)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            ch = ' ';
    return TrimBlanks(text);
}

std::string NameText(const RosterRecord& record, const RosterColumns& columns) {
    if (columns.Last < 0 || columns.First < 0)
        return FieldText(record, columns.Name);
    const std::string last = FieldText(record, columns.Last);
    const std::string first = FieldText(record, columns.First);
    if (last.empty() || first.empty())
        return last + first;
    return last + "/ " + first;
}

} // namespace

int Roster::ColumnCount() const {
    std::size_t most = 0;
    for (const auto& record : Records)
        most = std::max(most, record.Fields.size());
    return static_cast<int>(most);
}

Roster ReadRoster(std::string_view bytes) {
    Roster roster;
    const bool bom = bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark;
    if (bom)
        bytes.remove_prefix(ByteOrderMark.size());
    std::string text;
    if (IsUtf8(bytes)) {
        roster.Encoding = bom ? RosterEncoding::Utf8WithBom : RosterEncoding::Utf8;
        text = bytes;
    } else {
        roster.Encoding = RosterEncoding::Windows1252;
        text = ToUtf8(bytes);
    }
    // A tab-separated file shows itself in its first record; a CSV file read with tabs has one field there.
    roster.Records = ParseRecords(text, '\t');
    if (roster.Records.empty() || roster.Records.front().Fields.size() < 2)
        roster.Records = ParseRecords(text, ',');
    else
        roster.Separator = '\t';
    roster.Columns = FindColumns(roster.Records);
    return roster;
}

std::vector<RosterEntry> PreviewRoster(const Document& doc, const Roster& roster, const RosterColumns& columns) {
    std::map<std::string, int> inMarkroll;
    for (int s = doc.NumStudents; s >= 1; --s)
        if (const std::string id = StudentId(doc, s); !id.empty())
            inMarkroll[id] = s;
    std::map<std::string, int> firstLine;
    const int room = MaxStudents - doc.NumStudents;
    int accepted = 0;

    std::vector<RosterEntry> entries;
    for (std::size_t k = columns.Header ? 1 : 0; k < roster.Records.size(); ++k) {
        const RosterRecord& record = roster.Records[k];
        RosterEntry e;
        e.Line = record.Line;
        e.Id = FieldText(record, columns.Id);
        e.Name = NameText(record, columns);
        const std::optional<std::string> id = FromUtf8(e.Id);
        const std::optional<std::string> name = FromUtf8(e.Name);
        if (id && name)
            e.Row = NewStudentRow(*id, *name);
        if (e.Id.empty())
            e.Verdict = RosterVerdict::NoId;
        else if (e.Name.empty())
            e.Verdict = RosterVerdict::NoName;
        else if (!id || !name)
            e.Verdict = RosterVerdict::NotInCodePage;
        else if (id->size() > static_cast<std::size_t>(IdLen))
            e.Verdict = RosterVerdict::IdTooLong;
        else if (const auto at = inMarkroll.find(*id); at != inMarkroll.end()) {
            e.Verdict = RosterVerdict::IdInMarkroll;
            e.Other = at->second;
        } else if (const auto [seen, fresh] = firstLine.try_emplace(*id, e.Line); !fresh) {
            e.Verdict = RosterVerdict::IdRepeated;
            e.Other = seen->second;
        } else if (accepted >= room)
            e.Verdict = RosterVerdict::PastMaxStudents;
        else
            ++accepted;
        entries.push_back(std::move(e));
    }
    return entries;
}

int ImportStudents(Document& doc, const std::vector<RosterEntry>& entries) {
    int added = 0;
    for (const RosterEntry& e : entries)
        if (e.Accepted() && doc.NumStudents < MaxStudents) {
            InsertStudents(doc, doc.NumStudents + 1, 1, e.Row);
            ++added;
        }
    return added;
}

std::string RosterReason(const RosterEntry& entry) {
    switch (entry.Verdict) {
    case RosterVerdict::Accepted:
        return {};
    case RosterVerdict::NoId:
        return "no ID";
    case RosterVerdict::NoName:
        return "no name";
    case RosterVerdict::NotInCodePage:
        return std::string(FromUtf8(entry.Id) ? "the name" : "the ID") +
               " has a character that Windows-1252 cannot hold";
    case RosterVerdict::IdTooLong:
        return "the ID is longer than " + NumTextTrim(IdLen) + " characters";
    case RosterVerdict::IdInMarkroll:
        return "ID " + entry.Id + " is already student " + NumTextTrim(entry.Other);
    case RosterVerdict::IdRepeated:
        return "ID " + entry.Id + " repeats line " + NumTextTrim(entry.Other);
    case RosterVerdict::PastMaxStudents:
        return "past the " + NumTextTrim(MaxStudents) + " students a markroll holds";
    }
    return {};
}

std::string RejectionLine(const RosterEntry& entry) {
    return "line " + NumTextTrim(entry.Line) + ": " + RosterReason(entry);
}

std::string ImportSummary(int added, int rejected) {
    return NumTextTrim(added) + (added == 1 ? " student" : " students") + " added, " + NumTextTrim(rejected) +
           (rejected == 1 ? " row" : " rows") + " rejected";
}

} // namespace markroll

#include "document/MarkrollFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "document/FileAccess.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    /// Lines of a text as the reader counts them: a last line without its line end counts too.
    static std::size_t CountLines(std::string_view text) {
        const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
    }

    /// The 1-based number of the next line to be read.
    int LineNumber() const { return m_line + 1; }

    std::optional<FileError> Text(std::string& out) {
        std::string_view line;
        if (!Next(line))
            return FileError{ErrPastEnd, LineNumber()};
        out.assign(line);
        return std::nullopt;
    }

    // A number line: exactly `count` comma-separated 16-bit integers.
    std::optional<FileError> Numbers(std::int16_t* out, std::size_t count) {
        const int lineNo = LineNumber();
        std::string_view line;
        if (!Next(line))
            return FileError{ErrPastEnd, lineNo};
        std::size_t item = 0;
        std::size_t start = 0;
        while (true) {
            std::size_t comma = line.find(',', start);
            std::string_view text =
                line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
            if (item >= count)
                return FileError{ErrTypeMismatch, lineNo};
            int err = ParseInt16(text, out[item]);
            if (err != 0)
                return FileError{err, lineNo};
            ++item;
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
        if (item != count)
            return FileError{ErrTypeMismatch, lineNo};
        return std::nullopt;
    }

    /// Checks what follows the last line the counts call for: only empty lines may, and one end-of-file
    /// byte (Ctrl-Z) as old editors append it.
    std::optional<FileError> NothingMore() {
        bool endMark = false;
        std::string_view line;
        while (Next(line)) {
            if (line.empty())
                continue;
            if (line == "\x1A" && !endMark) {
                endMark = true;
                continue;
            }
            return FileError{ErrSubscript, m_line, "the file holds more lines than its counts say"};
        }
        return std::nullopt;
    }

private:
    static bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

    // An item is a whole decimal number, surrounding blanks ignored; a fraction goes to the nearest
    // integer, halves to even.
    static int ParseInt16(std::string_view text, std::int16_t& out) {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        std::size_t i = 0;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool digits = false;
        bool point = false;
        for (; i < text.size(); ++i) {
            if (text[i] >= '0' && text[i] <= '9')
                digits = true;
            else if (text[i] == '.' && !point)
                point = true;
            else
                break;
        }
        if (!digits || i != text.size())
            return ErrTypeMismatch;
        const double v = RoundHalfEven(TextValue(text));
        if (v < Int16Min || v > Int16Max)
            return ErrOverflow;
        out = static_cast<std::int16_t>(v);
        return 0;
    }

    // The next line without its line end (LF or CR LF); false when the text is used up.
    bool Next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        const char* begin = m_text.data() + m_pos;
        const auto* nl = static_cast<const char*>(std::memchr(begin, '\n', m_text.size() - m_pos));
        const std::size_t len = nl ? static_cast<std::size_t>(nl - begin) : m_text.size() - m_pos;
        m_pos += len + (nl ? 1 : 0);
        line = std::string_view(begin, len);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++m_line;
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

std::int64_t LinesNeeded(const Document& d) {
    const std::int64_t n = d.NumStudents, c = d.NumCats, g = d.LastGrade, i = d.LastInfo;
    return 1 + 2 * (g + 1) + c + 2 * c + (i + 1) + c * (n + 3);
}

void AppendLine(std::string& out, std::string_view text) {
    // A line break inside a text would shift every later line of the file; it cannot be stored.
    for (char ch : text)
        out.push_back(ch == '\n' ? ' ' : ch);
    out += "\r\n";
}

void AppendNumbers(std::string& out, std::initializer_list<int> values) {
    bool first = true;
    for (int v : values) {
        if (!first)
            out.push_back(',');
        out += std::to_string(v);
        first = false;
    }
    out += "\r\n";
}

// A count beyond what the program can hold: refused, so no file can make it allocate without bound.
std::optional<FileError> OverLimit(int value, int limit, int line, const std::string& what) {
    if (value <= limit)
        return std::nullopt;
    return FileError{ErrSubscript, line,
                     "the file declares " + std::to_string(value) + " " + what + "; a markroll holds at most " +
                         std::to_string(limit)};
}

} // namespace

std::optional<FileError> ParseMarkroll(std::string_view text, Document& doc) {
    LineReader in(text);
    Document d;
    std::int16_t counts[4] = {};
    if (auto e = in.Numbers(counts, 4))
        return e;
    d.NumStudents = counts[0];
    d.NumCats = counts[1];
    d.LastInfo = counts[2];
    d.LastGrade = counts[3];
    // Categories 0 and 1 are part of every markroll; the rest of the program relies on them.
    if (d.NumStudents < 0 || d.NumCats < 2 || d.LastInfo < 0 || d.LastGrade < 0)
        return FileError{ErrSubscript, 1};
    if (auto e = OverLimit(d.NumStudents, MaxStudents, 1, "students"))
        return e;
    if (auto e = OverLimit(d.NumCats, MaxCats, 1, "categories"))
        return e;
    if (auto e = OverLimit(d.LastInfo + 1, MaxInfo, 1, "information lines"))
        return e;
    if (auto e = OverLimit(d.LastGrade, MaxGrades, 1, "grade levels"))
        return e;
    // Refuse at once counts that the text is far too short for, before any array is sized from them: every
    // line but the last takes at least its line end. The arrays are then never larger than the text allows.
    const std::int64_t needed = LinesNeeded(d);
    if (static_cast<std::int64_t>(text.size()) < needed - 1)
        return FileError{ErrPastEnd, static_cast<int>(LineReader::CountLines(text)) + 1};

    d.Resize();
    for (int i = 0; i <= d.LastGrade; ++i) {
        if (auto e = in.Numbers(&d.GradeMin[static_cast<std::size_t>(i)], 1))
            return e;
        if (auto e = in.Text(d.GradeLetter[static_cast<std::size_t>(i)]))
            return e;
    }
    for (int c = 0; c < d.NumCats; ++c) {
        std::int16_t v[3] = {};
        const int line = in.LineNumber();
        if (auto e = in.Numbers(v, 3))
            return e;
        if (auto e = OverLimit(v[1], MaxFields, line, "fields in category " + std::to_string(c)))
            return e;
        // SUMMARY and NAME DATA carry lengths of their own; a user category's cells are CellWidth wide.
        if (c >= 2 && (v[2] < 0 || v[2] > CellWidth))
            return FileError{ErrSubscript, line,
                             "the file declares a field length of " + std::to_string(v[2]) + " in category " +
                                 std::to_string(c) + "; a field length is 0 to " + std::to_string(CellWidth)};
        const auto k = static_cast<std::size_t>(c);
        d.CatWeight[k] = v[0];
        d.CatFields[k] = v[1];
        d.FieldLen[k] = v[2];
    }
    for (int c = 0; c < d.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (auto e = in.Text(d.CatName[k]))
            return e;
        if (auto e = in.Text(d.FieldInfo[k]))
            return e;
    }
    for (auto& line : d.InfoLine)
        if (auto e = in.Text(line))
            return e;
    for (auto& rows : d.Grid)
        for (auto& row : rows)
            if (auto e = in.Text(row))
                return e;
    if (auto e = in.NothingMore())
        return e;
    doc = std::move(d);
    return std::nullopt;
}

std::optional<FileError> LoadMarkroll(const std::string& path, Document& doc) {
    std::string bytes;
    if (auto e = ReadWholeFile(path, bytes))
        return e;
    return ParseMarkroll(bytes, doc);
}

std::string SerializeMarkroll(const Document& d) {
    std::string out;
    std::size_t size = 64;
    for (const auto& rows : d.Grid)
        for (const auto& row : rows)
            size += row.size() + 2;
    for (const auto& s : d.FieldInfo)
        size += s.size() + 2;
    out.reserve(size + 4096);

    AppendNumbers(out, {d.NumStudents, d.NumCats, d.LastInfo, d.LastGrade});
    for (std::size_t i = 0; i < d.GradeMin.size() && i < d.GradeLetter.size(); ++i) {
        AppendNumbers(out, {d.GradeMin[i]});
        AppendLine(out, d.GradeLetter[i]);
    }
    for (std::size_t c = 0; c < d.CatWeight.size(); ++c)
        AppendNumbers(out, {d.CatWeight[c], d.CatFields[c], d.FieldLen[c]});
    for (std::size_t c = 0; c < d.CatName.size(); ++c) {
        AppendLine(out, d.CatName[c]);
        AppendLine(out, d.FieldInfo[c]);
    }
    for (const auto& line : d.InfoLine)
        AppendLine(out, line);
    for (const auto& rows : d.Grid)
        for (const auto& row : rows)
            AppendLine(out, row);
    return out;
}

std::optional<FileError> SaveMarkroll(const std::string& path, const Document& doc, const SaveOptions& options) {
    return WriteFileSafely(path, SerializeMarkroll(doc), options);
}

bool HasUnsavedChanges(const AppState& state) {
    return state.DocumentOpen() && SerializeMarkroll(state.doc) != state.SavedImage;
}

} // namespace markroll

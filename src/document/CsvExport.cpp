#include "document/CsvExport.h"

#include "document/CodePage.h"
#include "document/FileAccess.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

using Line = std::vector<std::string>;

// What a new student's row shows in place of an ID#.
constexpr std::string_view BlankIdMask = "...-..-....";

std::string Cell(const Document& doc, int r, int c, int f) {
    return CellValue(Mid(doc.RowOrEmpty(r, c), f * CellWidth + 1, CellWidth));
}

int Fields(const Document& doc, int c) {
    return doc.CatFields[static_cast<std::size_t>(c)];
}

std::string Title(const Document& doc, int c, std::string_view field) {
    return TrimBlanks(TrimBlanks(doc.CatName[static_cast<std::size_t>(c)]) + " " + std::string(field));
}

// The first three fields of a line: the student's number, ID# and name, or the label of a class line.
Line Lead(const Document& doc, int r) {
    if (r >= 1 && r <= doc.NumStudents)
        return {NumTextTrim(r), StudentId(doc, r), StudentName(doc, r)};
    return {"", "", r == 0 ? "Class Average" : "Possible Points"};
}

// A user category's score fields in order, its total last.
void AddCategory(const Document& doc, int r, int c, Line& line) {
    for (int f = 1; f < Fields(doc, c); ++f)
        line.push_back(Cell(doc, r, c, f));
    line.push_back(Cell(doc, r, c, 0));
}

std::vector<Line> WholeMarkroll(const Document& doc) {
    Line header = {"#", "ID#", "Name"};
    for (int c = 2; c < doc.NumCats; ++c) {
        for (int f = 1; f < Fields(doc, c); ++f)
            header.push_back(Title(doc, c, NumTextTrim(f)));
        header.push_back(Title(doc, c, "Tot"));
    }
    header.insert(header.end(), {"tot", "adj", "TOT", "GR"});
    std::vector<Line> table = {header};
    // The students, then the possible points and the class average.
    std::vector<int> rows;
    for (int s = 1; s <= doc.NumStudents; ++s)
        rows.push_back(s);
    rows.insert(rows.end(), {doc.PossibleRow(), 0});
    const int tot = doc.NumCats - 1;
    for (int r : rows) {
        Line line = Lead(doc, r);
        for (int c = 2; c < doc.NumCats; ++c)
            AddCategory(doc, r, c, line);
        for (int f = tot; f <= tot + 2; ++f)
            line.push_back(Cell(doc, r, 0, f));
        line.push_back(r >= 1 && r <= doc.NumStudents ? Cell(doc, r, 0, 0) : std::string());
        table.push_back(std::move(line));
    }
    return table;
}

std::vector<Line> OneCategory(const Document& doc, int c) {
    Line header = {"#", "ID#", "Name"};
    if (c == 0) {
        header.push_back("GR");
        for (int k = 2; k < doc.NumCats; ++k)
            header.push_back(TrimBlanks(doc.CatName[static_cast<std::size_t>(k)]));
        header.insert(header.end(), {"tot", "adj", "TOT"});
    } else if (c >= 2) {
        for (int f = 1; f < Fields(doc, c); ++f)
            header.push_back(Title(doc, c, NumTextTrim(f)));
        header.push_back(Title(doc, c, "Tot"));
    }
    std::vector<Line> table = {header};
    for (int s = 1; s <= doc.NumStudents; ++s) {
        Line line = Lead(doc, s);
        if (c == 0)
            for (int f = 0; f < doc.NumCats + 2; ++f)
                line.push_back(Cell(doc, s, 0, f));
        else if (c >= 2)
            AddCategory(doc, s, c, line);
        table.push_back(std::move(line));
    }
    return table;
}

void AppendField(std::string& out, const std::string& field) {
    const std::string text = ToUtf8(field);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out.push_back('"');
    for (char ch : text) {
        if (ch == '"')
            out.push_back('"');
        out.push_back(ch);
    }
    out.push_back('"');
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string StudentId(const Document& doc, int s) {
    const std::string id = TrimBlanks(Left(doc.RowOrEmpty(s, 1), IdLen));
    return id == BlankIdMask ? std::string() : id;
}

std::string StudentName(const Document& doc, int s) {
    return TrimBlanks(Mid(doc.RowOrEmpty(s, 1), IdLen + 2, NameLen));
}

std::string CellValue(std::string_view cell) {
    std::string text = TrimBlanks(cell);
    return text.find_first_not_of('.') == std::string::npos ? std::string() : text;
}

std::vector<std::vector<std::string>> ExportTable(const Document& doc, std::optional<int> category) {
    if (!category)
        return WholeMarkroll(doc);
    if (*category < 0 || *category >= doc.NumCats)
        return {};
    return OneCategory(doc, *category);
}

std::string CsvBytes(const std::vector<std::vector<std::string>>& table) {
    std::string out = "\xEF\xBB\xBF";
    for (const auto& line : table) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                out.push_back(',');
            AppendField(out, line[i]);
        }
        out += "\r\n";
    }
    return out;
}

std::string ExportCsv(const Document& doc, std::optional<int> category) {
    return CsvBytes(ExportTable(doc, category));
}

std::optional<FileError> WriteCsvFile(const std::string& path, const Document& doc, std::optional<int> category) {
    SaveOptions options;
    options.keepBackup = false;
    return WriteFileSafely(path, ExportCsv(doc, category), options);
}

} // namespace markroll

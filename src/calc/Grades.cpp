#include "calc/Grades.h"

#include <algorithm>

#include "document/TextNumber.h"

namespace markroll {

void AssignGrades(Document& doc, bool clear) {
    if (doc.NumCats < 1)
        return;
    const int levels = std::min<int>(doc.LastGrade, static_cast<int>(doc.GradeLetter.size()) - 1);
    for (int s = 1; s <= doc.NumStudents; ++s) {
        std::string& row = doc.CatData(s, 0);
        std::string g = Space(CellWidth);
        if (!clear && levels >= 1) {
            const int score = ReadInt16(Right(row, CellWidth));
            int k = 1;
            while (k <= levels && score < doc.GradeMin[static_cast<std::size_t>(k)])
                ++k;
            if (k > levels)
                k = levels;
            g = "  " + Left(doc.GradeLetter[static_cast<std::size_t>(k)] + "  ", 2);
        }
        if (row.size() < static_cast<std::size_t>(CellWidth))
            row = g;
        else
            row.replace(0, static_cast<std::size_t>(CellWidth), g);
    }
}

namespace {

// Blanks trimmed on both sides, at most two characters: how the table stores a letter.
std::string StoredLetter(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1).substr(0, 2));
}

} // namespace

std::string CommitGradeLetter(std::string_view text) {
    return StoredLetter(text.empty() ? "??" : text);
}

std::int16_t CommitGradeMin(std::string_view text) {
    return static_cast<std::int16_t>(ClampInt(RoundHalfEven(TextValue(text)), 0, 100));
}

void AcceptGradeTable(Document& doc, const std::vector<GradeLevelText>& levels) {
    if (levels.empty() || levels.size() > static_cast<std::size_t>(MaxGrades))
        return;
    doc.LastGrade = static_cast<std::int16_t>(levels.size());
    doc.GradeLetter.assign(1, std::string());
    doc.GradeMin.assign(1, 0);
    for (const GradeLevelText& level : levels) {
        doc.GradeLetter.push_back(StoredLetter(level.letter));
        doc.GradeMin.push_back(CommitGradeMin(level.minimum));
    }
}

} // namespace markroll

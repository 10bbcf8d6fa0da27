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

} // namespace markroll

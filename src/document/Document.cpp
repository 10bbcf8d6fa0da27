#include "document/Document.h"

#include <algorithm>

namespace markroll {

void Document::Resize() {
    const auto cats = static_cast<std::size_t>(std::max<int>(NumCats, 0));
    const auto rows = static_cast<std::size_t>(std::max<int>(RowCount(), 0));
    CatName.assign(cats, {});
    CatWeight.assign(cats, 0);
    CatFields.assign(cats, 0);
    FieldLen.assign(cats, 0);
    FieldInfo.assign(cats, {});
    Grid.assign(cats, std::vector<std::string>(rows));
    InfoLine.assign(static_cast<std::size_t>(std::max<int>(LastInfo + 1, 0)), {});
    GradeMin.assign(static_cast<std::size_t>(std::max<int>(LastGrade + 1, 0)), 0);
    GradeLetter.assign(static_cast<std::size_t>(std::max<int>(LastGrade + 1, 0)), {});
}

const std::string& Document::RowOrEmpty(int r, int c) const {
    static const std::string none;
    if (c < 0 || static_cast<std::size_t>(c) >= Grid.size())
        return none;
    const auto& rows = Grid[static_cast<std::size_t>(c)];
    return r >= 0 && static_cast<std::size_t>(r) < rows.size() ? rows[static_cast<std::size_t>(r)] : none;
}

} // namespace markroll

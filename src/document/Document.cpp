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

} // namespace markroll

#include "app/PlanLists.h"

#include <algorithm>

#include "document/TextNumber.h"

namespace markroll {

PlanLists PlanLists::FromPlan(const CategoryPlan& plan) {
    PlanLists lists;
    for (int c = 2; c < plan.PlanCats && c < MaxCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        lists.m_rows.push_back({plan.PlanName[k], PlanNumberText(plan.PlanWeight[k]),
                                PlanNumberText(plan.PlanFields[k]), PlanNumberText(plan.PlanLen[k])});
    }
    return lists;
}

bool PlanLists::Select(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || row == m_curRow)
        return false;
    m_curRow = row;
    return true;
}

bool PlanLists::Commit(CategoryPlan& plan, const Row& texts) {
    if (m_rows.empty())
        return false;
    const PlanRow row = CommitPlanRow(texts[Name], texts[Weight], texts[Fields], texts[Length]);
    m_rows[static_cast<std::size_t>(m_curRow)] = {row.name, PlanNumberText(row.weight), PlanNumberText(row.fields),
                                                  PlanNumberText(row.length)};
    Rebuild(plan);
    return true;
}

bool PlanLists::Add(CategoryPlan& plan) {
    if (plan.PlanCats > MaxCats - 1)
        return false;
    m_rows.insert(m_rows.begin() + m_curRow, Row{"Catagory???", "???", "2", "3"});
    // The new row pushes the selected one down; following it keeps the same category selected. With no row
    // before, the new row is the only one and is selected.
    m_curRow = std::min(m_curRow + 1, static_cast<int>(m_rows.size()) - 1);
    Rebuild(plan);
    return true;
}

bool PlanLists::Delete(CategoryPlan& plan) {
    if (plan.PlanCats < 4 || m_rows.empty())
        return false;
    m_rows.erase(m_rows.begin() + m_curRow);
    m_curRow = std::max(m_curRow - 1, 0);
    Rebuild(plan);
    return true;
}

void PlanLists::Rebuild(CategoryPlan& plan) {
    std::vector<PlanRow> rows;
    for (Row& texts : m_rows) {
        texts[Name] = Left(texts[Name], MaxNameLen);
        rows.push_back(CommitPlanRow(texts[Name], texts[Weight], texts[Fields], texts[Length]));
    }
    RedoCats(plan, rows);
}

} // namespace markroll

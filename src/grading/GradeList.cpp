#include "grading/GradeList.h"

#include <algorithm>

namespace markroll {

namespace {

// A new level shows "??" in both lists until its texts are committed; accepted so, its minimum is 0.
const GradeLevelText NewLevel{"??", "??"};

} // namespace

GradeList GradeList::FromDocument(const Document& doc) {
    GradeList list;
    list.Load(doc);
    return list;
}

void GradeList::Load(const Document& doc) {
    const int last = std::min({static_cast<int>(doc.LastGrade), static_cast<int>(doc.GradeLetter.size()) - 1,
                               static_cast<int>(doc.GradeMin.size()) - 1});
    m_levels.clear();
    for (int k = 1; k <= last; ++k)
        m_levels.push_back(
            {doc.GradeLetter[static_cast<std::size_t>(k)], std::to_string(doc.GradeMin[static_cast<std::size_t>(k)])});
    m_current = 0;
    m_editing = false;
}

std::string GradeList::GradeLevelsText() const {
    return "Grade Levels=  " + std::to_string(Count());
}

std::string GradeList::LevelText() const {
    return m_editing ? "Level  " + std::to_string(m_current + 1) : std::string("Level xx");
}

void GradeList::Edit() {
    m_editing = true;
    m_current = 0;
}

void GradeList::Cancel(const Document& doc) {
    Load(doc);
    m_applied = false;
}

void GradeList::Select(int index) {
    m_current = index >= 0 && index < Count() ? index : 0;
}

void GradeList::Commit(std::string_view letter, std::string_view minimum) {
    if (m_current >= Count())
        return;
    GradeLevelText& level = m_levels[static_cast<std::size_t>(m_current)];
    level.letter = CommitGradeLetter(letter);
    level.minimum = std::to_string(CommitGradeMin(minimum));
}

bool GradeList::Add() {
    if (Count() > MaxGrades - 1)
        return false;
    m_levels.push_back(NewLevel);
    m_current = Count() - 1;
    return true;
}

bool GradeList::Insert() {
    if (Count() > MaxGrades - 1)
        return false;
    m_levels.insert(m_levels.begin() + m_current, NewLevel);
    return true;
}

bool GradeList::Delete() {
    if (Count() < 2)
        return false;
    m_levels.erase(m_levels.begin() + m_current);
    m_current = std::max(m_current - 1, 0);
    return true;
}

void GradeList::Accept(Document& doc) {
    AcceptGradeTable(doc, m_levels);
    Load(doc);
    m_applied = false;
}

void GradeList::Apply(Document& doc) {
    AssignGrades(doc, false);
    m_applied = true;
}

void GradeList::Clear(Document& doc) {
    AssignGrades(doc, true);
    m_cleared = true;
}

} // namespace markroll

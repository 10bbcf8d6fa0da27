#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace markroll {

/// The steps a teacher can undo and redo. Each step keeps the file image of the document on one side of the
/// change (the side it gives back), so restoring a step gives the document byte for byte as the file would be
/// written. At most MaxSteps images are held in all, the oldest undo steps giving way first: with a maximal
/// markroll's image of about a quarter of a megabyte, the history stays below 30 MB.
class UndoHistory {
public:
    static constexpr std::size_t MaxSteps = 100;

    /// A change was committed: before is the image it started from, after the one it left. A change that
    /// left the image as it was is no step. Any redo steps are dropped.
    void Record(std::string label, std::string before, const std::string& after) {
        if (before == after)
            return;
        m_redo.clear();
        m_undo.push_back({std::move(label), std::move(before)});
        while (m_undo.size() > MaxSteps)
            m_undo.pop_front();
    }

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    /// What the next undo or redo does ("Delete Category 3"); empty when there is none.
    std::string UndoLabel() const { return m_undo.empty() ? std::string() : m_undo.back().label; }
    std::string RedoLabel() const { return m_redo.empty() ? std::string() : m_redo.back().label; }

    /// The image to go back to, given the image now; nothing when there is nothing to undo.
    std::optional<std::string> Undo(std::string current) { return Move(m_undo, m_redo, std::move(current)); }
    /// The image to go forward to, given the image now; nothing when there is nothing to redo.
    std::optional<std::string> Redo(std::string current) { return Move(m_redo, m_undo, std::move(current)); }

    /// Opening or creating a document starts an empty history.
    void Clear() {
        m_undo.clear();
        m_redo.clear();
    }

    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }

private:
    struct Step {
        std::string label;
        std::string image;
    };

    static std::optional<std::string> Move(std::deque<Step>& from, std::deque<Step>& to, std::string current) {
        if (from.empty())
            return std::nullopt;
        Step step = std::move(from.back());
        from.pop_back();
        std::string target = std::move(step.image);
        to.push_back({std::move(step.label), std::move(current)});
        return target;
    }

    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
};

} // namespace markroll

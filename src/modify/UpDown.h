#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "modify/SpinRange.h"

class QLineEdit;

namespace markroll {

/// The up-down spinner beside a box: its value is shown in the box, and the teacher may type there too, so
/// each step starts from the number in the box. Its arrows are named after it: UD_0_Up, UD_0_Down...
class UpDown : public QWidget {
public:
    UpDown(const QString& name, QLineEdit* buddy, QWidget* parent);

    /// Sets the range and shows its start value; without a range the spinner does nothing.
    void SetRange(std::optional<SpinRange> range);
    /// Lowers the maximum, and the value with it when it is above.
    void SetMax(int max);
    /// The number in the box, kept in range.
    int Value() const;
    void Put(int value);

    /// Called after an arrow changed the value.
    std::function<void()> Changed;

private:
    void Step(int delta);

    QLineEdit* m_buddy;
    std::optional<SpinRange> m_range;
};

} // namespace markroll

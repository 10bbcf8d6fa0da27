#include "modify/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Platform.h"

namespace markroll {

UpDown::UpDown(const QString& name, QLineEdit* buddy, QWidget* parent) : QWidget(parent), m_buddy(buddy) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* arrow = new QToolButton(this);
        arrow->setObjectName(name + (up ? QStringLiteral("_Up") : QStringLiteral("_Down")));
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(18, 12);
        arrow->setFocusPolicy(Qt::NoFocus);
        connect(arrow, &QToolButton::clicked, this, [this, up] { Step(up ? 1 : -1); });
        layout->addWidget(arrow);
    }
}

void UpDown::SetRange(std::optional<SpinRange> range) {
    m_range = range;
    if (m_range)
        Put(m_range->Start);
}

void UpDown::SetMax(int max) {
    if (!m_range)
        return;
    m_range->Max = max;
    if (Value() > max)
        Put(max);
}

int UpDown::Value() const {
    return m_range ? ReadBox(ToBytes(m_buddy->text()), *m_range) : 0;
}

void UpDown::Put(int value) {
    m_buddy->setText(QString::number(value));
}

void UpDown::Step(int delta) {
    if (!m_range)
        return;
    const int from = Value();
    const int to = std::clamp(from + delta, m_range->Min, std::max(m_range->Min, m_range->Max));
    Put(to);
    if (to != from && Changed)
        Changed();
}

} // namespace markroll

#pragma once

#include <QLabel>

namespace markroll {

/// A label that reports a click: the status bar panels, the field header labels and the colour bars.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked(Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace markroll

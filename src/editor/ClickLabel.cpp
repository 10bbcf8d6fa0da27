#include "editor/ClickLabel.h"

#include <QMouseEvent>

namespace markroll {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    emit clicked(event->modifiers());
    event->accept();
}

} // namespace markroll

#pragma once

#include <QIcon>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace markroll {

/// Draws the program's emblem, a grade sheet with a grade badge, filling the square centred in rect.
/// The desktop icon (markroll.svg) is the same drawing.
void PaintEmblem(QPainter& painter, const QRectF& rect);

/// The emblem as the windows' icon.
QIcon EmblemIcon();

/// A picture control that shows the emblem, kept square and centred.
class EmblemView : public QWidget {
    Q_OBJECT
public:
    explicit EmblemView(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace markroll

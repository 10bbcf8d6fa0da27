#pragma once

#include <QDialog>
#include <QFont>

#include "document/Document.h"
#include "widgets/CategoryChart.h"

namespace markroll {

/// A read-only window that lists every category of the open markroll, one caption per category.
class CatView : public QDialog {
    Q_OBJECT
public:
    explicit CatView(AppState& state, QWidget* parent = nullptr);

    /// What the window draws, in twips.
    const CategoryChart& Chart() const { return m_chart; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    CategoryChart m_chart;
};

} // namespace markroll

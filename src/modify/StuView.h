#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>

#include "document/Document.h"

class QPushButton;

namespace markroll {

/// "Current Students": a read-only list of the students, 25 to a page, with their numbers, ID#s and names,
/// to look student numbers up while choosing a student operation.
class StuView : public QDialog {
    Q_OBJECT
public:
    explicit StuView(const AppState& state, QWidget* parent = nullptr);

    void cmdNext_Click();
    int FirstShown() const { return m_first; }
    int LastShown() const { return m_last; }
    /// The texts drawn now: heading, column titles, then one line per student.
    const QStringList& Shown() const { return m_lines; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void DispStudents(int first, int last);
    void PlaceOwner(bool rightEdge);

    const AppState& m_state;
    QFont m_font;
    int m_first = 0;
    int m_last = 0;
    QStringList m_lines;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace markroll

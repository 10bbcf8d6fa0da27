#pragma once

#include <QDialog>

#include "document/Document.h"
#include "reports/ListingLayout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace markroll {

/// "Order by Field Values": the students of the category the editor shows, listed by the values of one
/// field, a page at a time on screen and whole on the printer. The order never changes the document.
class ModOrder : public QDialog {
    Q_OBJECT
public:
    ModOrder(AppState& state, int fld, QWidget* parent = nullptr);

    void cmdStart_Click();
    void cmdPrint_Click();

    bool Started() const { return m_started; }
    const ListingSpec& Spec() const { return m_spec; }
    int FirstShown() const { return m_first; }
    int LastShown() const { return m_last; }
    int StudentsPerPage() const { return m_perPage; }
    int MaxPerPage() const { return m_maxPerPage; }
    /// What the surface shows now.
    const std::vector<ReportItem>& Shown() const { return m_items; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
    ListingSpec m_spec;
    bool m_started = false;
    int m_perPage = 0;
    int m_maxPerPage = 0;
    int m_first = 0;
    int m_last = 0;
    std::vector<ReportItem> m_items;

    QGroupBox* FrameOrder = nullptr;
    QRadioButton* optInc = nullptr;
    QRadioButton* optDec = nullptr;
    QRadioButton* optCurrent = nullptr;
    QRadioButton* optRandom = nullptr;
    QGroupBox* FrameDisp = nullptr;
    QRadioButton* optBoth = nullptr;
    QRadioButton* optName = nullptr;
    QRadioButton* optID = nullptr;
    QLabel* labOrdSpp = nullptr;
    QLineEdit* txtOrdSpp = nullptr;
    QLabel* labHeader = nullptr;
    QLineEdit* txtHeader = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll

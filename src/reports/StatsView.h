#pragma once

#include <QDialog>
#include <vector>

#include "calc/Statistics.h"
#include "document/Document.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace markroll {

class HistogramView;
class PrinterOps;

/// "Class Statistics": how the class did in a category chosen from the list: the figures of each field and of
/// the total and, for SUMMARY, the histogram of TOT with the grade minimums and the students at each letter. The
/// same on paper, with a preview first when asked. The window only reads the document.
class StatsView : public QDialog {
    Q_OBJECT
public:
    /// Opens on the category the editor shows (edCat), or on SUMMARY when that one has no figures.
    StatsView(const Document& doc, int edCat, QWidget* parent = nullptr);
    ~StatsView() override;

    /// Print commands draw on printer instead of a system printer or a file (tests, the screenshot tour).
    void DrawOn(PrinterOps* printer) { m_drawOn = printer; }
    const CategoryStats& Stats() const { return m_stats; }

    void cmbCat_Click(int index);
    void cmdPrint_Click();
    void cmdPreview_Click();

private:
    const Document& m_doc;
    std::vector<int> m_cats;
    CategoryStats m_stats;
    PrinterOps* m_drawOn = nullptr;

    QBoxLayout* m_layout = nullptr;
    QBoxLayout* m_grading = nullptr;
    QComboBox* cmbCat = nullptr;
    QLabel* labCaption = nullptr;
    QTableWidget* grdStats = nullptr;
    QLabel* labHist = nullptr;
    HistogramView* picHist = nullptr;
    QTableWidget* grdGrades = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll

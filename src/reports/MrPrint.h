#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "document/Document.h"
#include "reports/PrintSetup.h"
#include "reports/ReportPrinter.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace markroll {

class PrinterOps;

/// "Print Markroll": prints a list of categories of the open markroll as markroll sheets or as blank
/// worksheets, on the printer chosen with "Printer Setup" (else the default printer, else a PDF file), and shows
/// the same pages in a preview first when asked.
class MrPrint : public QDialog {
    Q_OBJECT
public:
    /// Shows the categories viewer, modal over parent. The viewer lives above the reports, so the window that
    /// opens this dialog hands it in; without one "&Display" is hidden.
    using CategoriesViewer = std::function<void(QWidget* parent)>;

    explicit MrPrint(AppState& state, QWidget* parent = nullptr);
    ~MrPrint() override;

    void SetCategoriesViewer(CategoriesViewer viewer);
    /// Print commands draw on printer instead of a system printer or a file (tests, the screenshot tour).
    void DrawOn(PrinterOps* printer) { m_drawOn = printer; }

    void chkPrintList_Click();
    void cmdPrtSet_Click();
    void cmdDisp_Click();
    void cmdPrint_Click();
    void cmdPreview_Click();

    /// What the latest print command did with each category.
    const PrintSummary& LastPrint() const { return m_lastPrint; }

private:
    /// The categories of the list box; empty (after saying so) when there is nothing to print.
    std::vector<int> ReadList();
    SheetSettings ReadSettings(bool prompting) const;
    /// Asks OK/Cancel; true for OK.
    bool Confirm(const std::string& text, const std::string& title);
    void Tell(const std::string& text, const std::string& title);

    AppState& m_state;
    CategoriesViewer m_viewer;
    PrinterOps* m_drawOn = nullptr;
    // What the teacher chose in the printer dialog; null until a choice was made there.
    std::unique_ptr<QPrinter> m_setup;
    PrintSummary m_lastPrint;

    QGroupBox* FramePrt = nullptr;
    QRadioButton* optMR = nullptr;
    QRadioButton* optWS = nullptr;
    QGroupBox* frameOri = nullptr;
    QRadioButton* optPort = nullptr;
    QRadioButton* optLand = nullptr;
    QLabel* labID = nullptr;
    QLineEdit* txtID = nullptr;
    QLabel* labName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* labFColor = nullptr;
    QLineEdit* txtFColor = nullptr;
    QLabel* labBColor = nullptr;
    QLineEdit* txtBColor = nullptr;
    QCheckBox* chkPrompt = nullptr;
    QLabel* labPrintList = nullptr;
    QLineEdit* txtPrintList = nullptr;
    QCheckBox* chkPrintList = nullptr;
    QPushButton* cmdPrtSet = nullptr;
    QPushButton* cmdDisp = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll

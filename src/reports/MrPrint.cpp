#include "reports/MrPrint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <set>

#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "platform/PrinterSetup.h"
#include "platform/QtPrinter.h"
#include "platform/TestMode.h"
#include "reports/SheetLayout.h"
#include "widgets/CommandButton.h"
#include "widgets/SharedAccessKey.h"

namespace markroll {

namespace {

const QString Title = QStringLiteral("Print Markroll");

// The dialog's plan in twips: two frames side by side, the width and colour boxes beside them, the list
// below, the command buttons at the foot.
constexpr double Margin = 120;
constexpr double FrameWidth = 1900;
constexpr double FrameHeight = 1100;
constexpr double BoxRowPitch = 370;
constexpr double ListX = 1350;
constexpr double ButtonTop = 2550;
constexpr double ButtonHeight = 400;
constexpr double WindowWidth = 6020;
constexpr double WindowHeight = ButtonTop + ButtonHeight + 150;

QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption, double x) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    PlaceTwips(frame, x, 100, FrameWidth, FrameHeight);
    return frame;
}

QRadioButton* Option(QGroupBox* frame, const char* name, const QString& caption, int row) {
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(QString::fromLatin1(name));
    PlaceTwips(option, 150, 320 + row * 350, FrameWidth - 250, 300);
    return option;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

} // namespace

MrPrint::MrPrint(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("MrPrint"));
    setWindowTitle(Title);

    FramePrt = Frame(this, "FramePrt", QStringLiteral("Print"), Margin);
    optMR = Option(FramePrt, "optMR", QStringLiteral("&Makroll"), 0);
    optWS = Option(FramePrt, "optWS", QStringLiteral("&Worksheets"), 1);
    frameOri = Frame(this, "frameOri", QStringLiteral("Orientation"), 2 * Margin + FrameWidth);
    optPort = Option(frameOri, "optPort", QStringLiteral("P&ortrait"), 0);
    optLand = Option(frameOri, "optLand", QStringLiteral("&Landscape"), 1);

    labID = Label(this, "labID", QStringLiteral("ID"));
    txtID = Box(this, "txtID", QStringLiteral("0"));
    labName = Label(this, "labName", QStringLiteral("Name"));
    txtName = Box(this, "txtName", QStringLiteral("16"));
    labFColor = Label(this, "labFColor", QStringLiteral("FColor:"));
    txtFColor = Box(this, "txtFColor", QStringLiteral("0"));
    labBColor = Label(this, "labBColor", QStringLiteral("BColor:"));
    txtBColor = Box(this, "txtBColor", QStringLiteral("15"));
    const double labelX = 3 * Margin + 2 * FrameWidth + 60;
    double y = 130;
    for (auto [label, box] :
         {std::pair{labID, txtID}, {labName, txtName}, {labFColor, txtFColor}, {labBColor, txtBColor}}) {
        PlaceTwips(label, labelX, y + 30, 800, 280);
        PlaceTwips(box, labelX + 850, y, 600, 320);
        y += BoxRowPitch;
    }

    chkPrompt = Check(this, "chkPrompt", QStringLiteral("Print with &Prompting"));
    PlaceTwips(chkPrompt, Margin + 30, 1330, 3000, 300);
    labPrintList = Label(this, "labPrintList", QStringLiteral("Categories:"));
    PlaceTwips(labPrintList, Margin + 30, 1780, 1150, 280);
    txtPrintList = Box(this, "txtPrintList", QString());
    PlaceTwips(txtPrintList, ListX, 1750, WindowWidth - ListX - Margin - 250, 320);
    chkPrintList = Check(this, "chkPrintList", QStringLiteral("Print &All Categories"));
    PlaceTwips(chkPrintList, ListX, 2100, 3000, 300);

    cmdPrtSet = new CommandButton("cmdPrtSet", QStringLiteral("Printer &Setup"), this);
    cmdDisp = new CommandButton("cmdDisp", QStringLiteral("&Display"), this);
    cmdPreview = new CommandButton("cmdPreview", QStringLiteral("Pre&view"), this);
    cmdPrint = new CommandButton("cmdPrint", QStringLiteral("&Print"), this);
    cmdExit = new CommandButton("cmdExit", QStringLiteral("&Exit"), this);
    double x = Margin;
    for (QPushButton* button : {cmdPrtSet, cmdDisp, cmdPreview, cmdPrint, cmdExit}) {
        const double width = button == cmdPrtSet ? 1300 : 1000;
        PlaceTwips(button, x, ButtonTop, width, ButtonHeight);
        x += width + Margin;
    }
    // "&Print" and "Print with &Prompting" share Alt+P: the first press prints, as a teacher means it.
    new SharedAccessKey(this, cmdPrint, chkPrompt, Qt::Key_P);

    connect(chkPrintList, &QCheckBox::clicked, this, &MrPrint::chkPrintList_Click);
    connect(cmdPrtSet, &QPushButton::clicked, this, &MrPrint::cmdPrtSet_Click);
    connect(cmdDisp, &QPushButton::clicked, this, &MrPrint::cmdDisp_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &MrPrint::cmdPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &MrPrint::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    cmdDisp->hide();

    // Load: markroll sheets in portrait of every category but NAME DATA, the list box closed while the
    // box "all categories" is ticked.
    optMR->setChecked(true);
    optPort->setChecked(true);
    chkPrintList->setChecked(true);
    txtPrintList->setText(FromBytes(DefaultPrintList(m_state.doc.NumCats, false)));
    txtPrintList->setEnabled(false);

    setFixedSize(TwipsToPxX(WindowWidth), TwipsToPxY(WindowHeight));
    move(TwipsToPxX(300), TwipsToPxY(700));
}

MrPrint::~MrPrint() = default;

void MrPrint::SetCategoriesViewer(CategoriesViewer viewer) {
    m_viewer = std::move(viewer);
    cmdDisp->setVisible(static_cast<bool>(m_viewer));
}

void MrPrint::chkPrintList_Click() {
    if (chkPrintList->isChecked())
        txtPrintList->setText(FromBytes(DefaultPrintList(m_state.doc.NumCats, true)));
    txtPrintList->setEnabled(!chkPrintList->isChecked());
}

void MrPrint::cmdDisp_Click() {
    if (m_viewer)
        m_viewer(this);
}

void MrPrint::cmdPrtSet_Click() {
    // The dialog works on a copy, so a cancelled one leaves the teacher's earlier choice as it was.
    std::unique_ptr<QPrinter> printer = m_setup ? PrinterSetup::Copy(*m_setup) : PrinterSetup::DefaultPrinter();
    if (PrinterSetup::Show(this, *printer))
        m_setup = std::move(printer);
}

bool MrPrint::Confirm(const std::string& text, const std::string& title) {
    return MessageBox::Show(this, FromBytes(text), MsgButtons::OkCancel, MsgIcon::None, FromBytes(title)) ==
           MsgAnswer::Ok;
}

void MrPrint::Tell(const std::string& text, const std::string& title) {
    MessageBox::Show(this, FromBytes(text), MsgButtons::Ok, MsgIcon::Exclamation, FromBytes(title));
}

std::vector<int> MrPrint::ReadList() {
    std::vector<int> cats = ReadPrintList(ToBytes(txtPrintList->text()), m_state.doc.NumCats);
    if (cats.empty())
        Tell(NoCategoriesText, NoCategoriesTitle);
    return cats;
}

SheetSettings MrPrint::ReadSettings(bool prompting) const {
    return ReadSheetSettings(optWS->isChecked() ? PrintWorksheets : PrintMarkroll, optLand->isChecked(),
                             ToBytes(txtID->text()), ToBytes(txtName->text()), ToBytes(txtBColor->text()),
                             ToBytes(txtFColor->text()), prompting);
}

void MrPrint::cmdPrint_Click() {
    const std::vector<int> cats = ReadList();
    if (cats.empty())
        return;
    const int kind = optWS->isChecked() ? PrintWorksheets : PrintMarkroll;
    if (!Confirm(PrintConfirmText(cats, kind), PrintConfirmTitle))
        return;
    // A greyed box prompts as a ticked one does.
    const SheetSettings settings = ReadSettings(chkPrompt->checkState() != Qt::Unchecked);
    const PrintDialogue dialogue{
        [this](const std::string& text, const std::string& title) { return Confirm(text, title); },
        [this](const std::string& text, const std::string& title) { Tell(text, title); }};
    if (m_drawOn) {
        m_lastPrint = PrintCategories(m_state.doc, cats, settings, *m_drawOn, dialogue);
        return;
    }
    std::unique_ptr<QtPrinter> printer;
    if (m_setup) {
        printer = PrinterSetup::DrawingOn(PrinterSetup::Copy(*m_setup));
    } else {
        PrintTarget target = ChoosePrintTarget(this, Title);
        if (!target)
            return;
        printer = target.Take();
    }
    m_lastPrint = PrintCategories(m_state.doc, cats, settings, *printer, dialogue);
    printer->Finish();
    if (printer->Failed()) {
        const QString file = printer->PdfFile();
        Tell(ToBytes(file.isEmpty() ? QStringLiteral("The printer could not be reached; nothing was printed.")
                                    : QStringLiteral("The file %1 could not be written.").arg(file)),
             ToBytes(Title));
    }
}

void MrPrint::cmdPreview_Click() {
    const std::vector<int> cats = ReadList();
    if (cats.empty())
        return;
    // The preview draws its pages again whenever its page set-up changes, so it asks nothing while drawing: no
    // prompts, and a category the page is too small for is named once, before the preview opens.
    const SheetSettings settings = ReadSettings(false);
    std::unique_ptr<QPrinter> device = m_setup ? PrinterSetup::Copy(*m_setup) : PrinterSetup::DefaultPrinter();
    QPrinter& shown = *device;
    const std::unique_ptr<QtPrinter> printer = PrinterSetup::DrawingOn(std::move(device), true);
    if (settings.Kind == PrintMarkroll) {
        const SheetMetrics metrics = MeasureSheets(*printer, settings.Orientation);
        const std::set<int> distinct(cats.begin(), cats.end());
        std::size_t tooSmall = 0;
        for (const int cat : distinct) {
            const SheetFit fit = FitSheets(m_state.doc, cat, settings, metrics);
            if (!fit.Fits()) {
                const PrintPrompt message = PageTooSmall(cat, fit.TooNarrow(), fit.TooShort());
                Tell(message.Text, message.Title);
                ++tooSmall;
            }
        }
        if (tooSmall == distinct.size())
            return;
    }
    const PrintDialogue quiet{[](const std::string&, const std::string&) { return true; },
                              [](const std::string&, const std::string&) {}};
    PrintPreview::Show(this, shown, Title, [&](QPrinter&) {
        PrintCategories(m_state.doc, cats, settings, *printer, quiet);
        printer->Finish();
    });
}

} // namespace markroll

// markroll-screenshots FOLDER: renders every window of the program into FOLDER as PNG files, so that its
// look can be checked by eye. Runs offscreen unless QT_QPA_PLATFORM says otherwise; no box ever waits.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/CreateMR.h"
#include "app/CsvExportDlg.h"
#include "app/frmAbout.h"
#include "app/frmLogo.h"
#include "app/frmMenu.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "calc/RosterImport.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"
#include "editor/EditData.h"
#include "editor/EditDisp.h"
#include "editor/PopUpChg.h"
#include "editor/PopUpInfo.h"
#include "grading/GDist.h"
#include "grading/MrkInfo.h"
#include "modify/CatView.h"
#include "modify/ImportPreview.h"
#include "modify/ModCatDlg.h"
#include "modify/ModMr.h"
#include "modify/ModSumDlg.h"
#include "modify/StuView.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "reports/ModOrder.h"
#include "reports/MrPrint.h"
#include "reports/StatsView.h"

using namespace markroll;

namespace {

QDir g_folder;
int g_failures = 0;

void Save(QWidget* window, const QString& name) {
    window->show();
    QCoreApplication::processEvents();
    const QString file = g_folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++g_failures;
    }
}

void SetCell(Document& doc, int r, int c, int f, const std::string& text) {
    ReplaceAt(doc.CatData(r, c), f * CellWidth + 1, Right(Space(CellWidth) + text, CellWidth));
}

// A class as a teacher keeps it: named students, scores typed, totals computed.
Document SampleClass() {
    Document doc;
    CategoryPlan plan = Initialize(doc, false);
    RedoCats(plan, {{"Tests", 40, 8, 3}, {"Homework", 35, 12, 3}, {"Labs", 25, 5, 2}});
    plan.PlanStudents = 24;
    CreateDocument(doc, plan);
    doc.InfoLine[1] = "Chemistry 101";
    doc.InfoLine[2] = "Section B";
    doc.InfoLine[3] = "Fall Term";
    doc.InfoLine[4] = "Dr. Marie Sklodowska";
    const char* names[] = {"Avery, Jordan", "Bell, Morgan",  "Chen, Li",      "Diaz, Sofia",
                           "Evans, Noah",   "Fischer, Emma", "Garcia, Lucas", "Hughes, Mia"};
    for (int r = 1; r <= doc.NumStudents; ++r) {
        const std::string name = names[(r - 1) % 8] + (r > 8 ? " " + std::to_string(r) : "");
        doc.CatData(r, 1) = Left("100-20-" + std::to_string(3000 + r * 7) + Space(IdLen), IdLen) + " " +
                            Left(name + Space(NameLen), NameLen);
        for (int f = 1; f < 12; ++f) {
            if (f < 8)
                SetCell(doc, r, 2, f, std::to_string(4 + (r * 3 + f * 5) % 7));
            SetCell(doc, r, 3, f, std::to_string(5 + (r + f) % 6));
        }
    }
    for (int f = 1; f < 12; ++f) {
        if (f < 8)
            SetCell(doc, doc.PossibleRow(), 2, f, "10");
        SetCell(doc, doc.PossibleRow(), 3, f, "10");
    }
    RecalcAll(doc);
    return doc;
}

void Shell() {
    AppState state;
    frmLogo logo(state);
    Save(&logo, QStringLiteral("frmLogo"));

    frmMenu menu(state);
    menu.resize(1024, 700);
    Save(&menu, QStringLiteral("frmMenu-empty"));
    for (const char* name : {"mnuFile", "mnuEdit", "mnuFonts", "mnuHelp"}) {
        auto* popup = menu.findChild<QMenu*>(QString::fromLatin1(name));
        popup->popup(menu.mapToGlobal(QPoint(0, 0)));
        Save(popup, QStringLiteral("frmMenu-%1").arg(QLatin1String(name)));
        popup->hide();
    }
    state.doc = SampleClass();
    state.FileName = "/home/teacher/Grades/chemistry-101b.mrk";
    menu.setWindowTitle(QStringLiteral("Markroll v3.00   /home/teacher/Grades/chemistry-101b.mrk"));
    Save(&menu, QStringLiteral("frmMenu-document"));

    frmAbout about(state);
    Save(&about, QStringLiteral("frmAbout"));
    CatView view(state);
    Save(&view, QStringLiteral("CatView"));
    MrkInfo info(state);
    Save(&info, QStringLiteral("MrkInfo"));
    GDist grades(state);
    Save(&grades, QStringLiteral("GDist"));
    grades.findChild<QPushButton*>(QStringLiteral("cmdEdit"))->click();
    Save(&grades, QStringLiteral("GDist-editing"));
    CreateMR fromDocument(state);
    Save(&fromDocument, QStringLiteral("CreateMR-from-document"));

    MrPrint print(state);
    print.SetCategoriesViewer([](QWidget*) {});
    Save(&print, QStringLiteral("MrPrint"));
    print.findChild<QCheckBox*>(QStringLiteral("chkPrintList"))->click();
    print.findChild<QLineEdit*>(QStringLiteral("txtPrintList"))->setText(QStringLiteral("2,3,2"));
    Save(&print, QStringLiteral("MrPrint-typing"));
    // The preview is the toolkit's own window, shown for real for a moment.
    qunsetenv("MARKROLL_TEST_MODE");
    QTimer::singleShot(500, [] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            preview->resize(900, 700);
            Save(preview, QStringLiteral("MrPrint-preview"));
            preview->close();
        }
    });
    print.cmdPreview_Click();
    qputenv("MARKROLL_TEST_MODE", "1");

    AppState fresh;
    CreateMR create(fresh);
    Save(&create, QStringLiteral("CreateMR-view"));
    create.findChild<QPushButton*>(QStringLiteral("cmdEdit"))->click();
    for (int i = 0; i < 7; ++i)
        create.findChild<QPushButton*>(QStringLiteral("cmdAdd"))->click();
    Save(&create, QStringLiteral("CreateMR-edit-ten-categories"));
}

// The windows that exchange students and grades with other programs, and the class statistics.
void Exchange() {
    AppState state;
    state.doc = SampleClass();
    state.FileName = "/home/teacher/Grades/chemistry-101b.mrk";
    // Tests that set the class apart, so the histogram has a shape; grades assigned, so the letters count.
    for (int r = 1; r <= state.doc.NumStudents; ++r)
        for (int f = 1; f < 8; ++f)
            SetCell(state.doc, r, 2, f, std::to_string(std::min(10, 2 + (r * 5) % 9 + f % 3)));
    RecalcAll(state.doc);
    AssignGrades(state.doc, false);
    CsvExportDlg exportDialog(state.doc);
    Save(&exportDialog, QStringLiteral("CsvExportDlg"));

    const Roster roster = ReadRoster("Student ID,Last Name,First Name\r\n100-20-3007,Avery,Jordan\r\n"
                                     "4711,M\xC3\xBCller,Hanna\r\n4712,Okafor,Chidi\r\n\r\n4711,Meyer,Jonas\r\n"
                                     "4713,,Lena\r\n4714,Nakamura,Y\xC5\xABki\r\n4715,\"O'Brien, Jr.\",Sean\r\n");
    ImportPreview preview(state.doc, roster, QStringLiteral("/home/teacher/Downloads/roster-chem101b.csv"));
    Save(&preview, QStringLiteral("ImportPreview"));

    StatsView stats(state.doc, 0);
    Save(&stats, QStringLiteral("StatsView-summary"));
    auto* category = stats.findChild<QComboBox*>(QStringLiteral("cmbCat"));
    category->setCurrentIndex(1);
    Save(&stats, QStringLiteral("StatsView-category"));
    category->setCurrentIndex(0);
    // The page on paper, as a PDF file beside the pictures.
    PrintTarget::SetNextPdfFile(g_folder.filePath(QStringLiteral("StatsView-print.pdf")));
    stats.cmdPrint_Click();
    qunsetenv("MARKROLL_TEST_MODE");
    QTimer::singleShot(500, [] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            window->resize(900, 700);
            Save(window, QStringLiteral("StatsView-preview"));
            window->close();
        }
    });
    stats.cmdPreview_Click();
    qputenv("MARKROLL_TEST_MODE", "1");
}

void Editor() {
    AppState state;
    state.doc = SampleClass();
    state.FileName = "chemistry-101b.mrk";
    state.SavedImage = SerializeMarkroll(state.doc);
    EditData editor(state);
    Save(&editor, QStringLiteral("editor-summary"));
    editor.Ecmd_Click(1);
    Save(&editor, QStringLiteral("editor-category"));
    editor.Ecmd_Click(6);
    Save(&editor, QStringLiteral("editor-editing"));
    editor.EditExit();

    EditDisp disp(state, &editor);
    disp.Cbar_Click(5);
    Save(&disp, QStringLiteral("editdisp"));
    PopUpInfo popInfo(state, 2, 2, &editor);
    Save(&popInfo, QStringLiteral("popupinfo"));
    PopUpChg popChg(state, 2, 2, &editor);
    Save(&popChg, QStringLiteral("popupchg"));
    state.EdCat = 2;
    ModOrder listing(state, 1);
    Save(&listing, QStringLiteral("ModOrder-choosing"));
    listing.cmdStart_Click();
    Save(&listing, QStringLiteral("ModOrder-listing"));
    state.EdCat = 0;
    ModSumDlg students(state);
    Save(&students, QStringLiteral("ModSumDlg"));
    students.Opt_Click(3);
    Save(&students, QStringLiteral("ModSumDlg-switch"));
    StuView studentList(state);
    Save(&studentList, QStringLiteral("StuView"));
    state.EdCat = 3;
    ModCatDlg fields(state);
    Save(&fields, QStringLiteral("ModCatDlg"));
    for (const int option : {0, 3, 6}) {
        fields.Opt_Click(option);
        Save(&fields, QStringLiteral("ModCatDlg-%1").arg(option));
    }
    state.EdCat = 0;
    ModMr categories(state);
    Save(&categories, QStringLiteral("ModMr"));
    for (int option = 1; option < 4; ++option) {
        categories.optMod_Click(option);
        Save(&categories, QStringLiteral("ModMr-%1").arg(option));
    }
    for (const float size : {12.0F, 18.0F}) {
        state.Display.ScrFontSize = size;
        editor.Redraw();
        Save(&editor, QStringLiteral("editor-font-%1").arg(static_cast<int>(size)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: markroll-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every service answers as cancelled instead of opening a box that would wait.
    qputenv("MARKROLL_TEST_MODE", "1");
    QApplication app(argc, argv);
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    g_folder = QDir(QString::fromLocal8Bit(argv[1]));
    Shell();
    Exchange();
    Editor();
    std::printf("%s: %d windows pictured\n", argv[1], static_cast<int>(g_folder.entryList({"*.png"}).size()));
    return g_failures == 0 ? 0 : 1;
}

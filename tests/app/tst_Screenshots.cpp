// The screenshot tour: when MARKROLL_SCREENSHOTS names a folder, every window of the application shell is
// rendered into it as a PNG file, so its look can be checked by eye.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/frmAbout.h"
#include "app/frmLogo.h"
#include "app/frmMenu.h"
#include "grading/MrkInfo.h"
#include "modify/CatView.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestScreenshots : public QObject {
    Q_OBJECT

private:
    QDir m_folder;

    void Save(QWidget* window, const QString& name) {
        window->show();
        QCoreApplication::processEvents();
        const QString file = m_folder.filePath(name + QStringLiteral(".png"));
        QVERIFY2(window->grab().save(file), qPrintable(file));
    }

    static Document SampleDocument() {
        Document doc = MakeDocument(
            28, {{"Tests", 40, 6, 3}, {"Homework", 25, 12, 2}, {"Labs", 20, 8, 3}, {"Participation", 15, 2, 3}});
        doc.InfoLine[1] = "Biology 10";
        doc.InfoLine[2] = "Section B";
        doc.InfoLine[3] = "Spring Term";
        doc.InfoLine[4] = "Ms. Rivera";
        return doc;
    }

private slots:
    void initTestCase() {
        const QString folder = qEnvironmentVariable("MARKROLL_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("MARKROLL_SCREENSHOTS names no folder");
        QVERIFY(QDir().mkpath(folder));
        m_folder = QDir(folder);
        ResetPlatform();
    }

    void splash() {
        AppState state;
        frmLogo logo(state);
        Save(&logo, QStringLiteral("frmLogo"));
    }

    void mainWindowAndMenus() {
        AppState state;
        frmMenu menu(state);
        menu.resize(1024, 700);
        Save(&menu, QStringLiteral("frmMenu-empty"));
        for (const char* name : {"mnuFile", "mnuEdit", "mnuFonts", "mnuHelp"}) {
            auto* popup = menu.findChild<QMenu*>(QString::fromLatin1(name));
            popup->popup(menu.mapToGlobal(QPoint(0, 0)));
            QCoreApplication::processEvents();
            QVERIFY(popup->grab().save(m_folder.filePath(QStringLiteral("frmMenu-%1.png").arg(name))));
            popup->hide();
        }
        state.doc = SampleDocument();
        state.FileName = "/home/teacher/Grades/biology-10b.mrk";
        menu.setWindowTitle(QStringLiteral("Markroll v3.00   /home/teacher/Grades/biology-10b.mrk"));
        menu.update();
        Save(&menu, QStringLiteral("frmMenu-document"));
    }

    void createDialog() {
        AppState state;
        CreateMR dialog(state);
        Save(&dialog, QStringLiteral("CreateMR-view"));
        dialog.findChild<QPushButton*>("cmdEdit")->click();
        for (int i = 0; i < 7; ++i)
            dialog.findChild<QPushButton*>("cmdAdd")->click();
        Save(&dialog, QStringLiteral("CreateMR-edit-ten-categories"));
        // The widest line a plan can have: the overview's card grows with it.
        TypeInto(dialog.findChild<QComboBox*>("cmbMRCat_0"), QStringLiteral("Laboratory Works"));
        TypeInto(dialog.findChild<QComboBox*>("cmbMRCat_1"), QStringLiteral("999"));
        TypeInto(dialog.findChild<QComboBox*>("cmbMRCat_2"), QStringLiteral("64"));
        PressEnter(dialog.findChild<QComboBox*>("cmbMRCat_0"));
        Save(&dialog, QStringLiteral("CreateMR-edit-widest-line"));
    }

    void createDialogWithDocument() {
        AppState state;
        state.doc = SampleDocument();
        state.FileName = "/home/teacher/Grades/biology-10b.mrk";
        CreateMR dialog(state);
        Save(&dialog, QStringLiteral("CreateMR-from-document"));
    }

    void infoDialog() {
        AppState state;
        state.doc = SampleDocument();
        MrkInfo dialog(state);
        dialog.findChild<QPushButton*>("cmdAdd")->click();
        Save(&dialog, QStringLiteral("MrkInfo"));
    }

    void categoriesViewer() {
        AppState state;
        state.doc = SampleDocument();
        CatView view(state);
        Save(&view, QStringLiteral("CatView"));
        state.doc = MaximalDocument();
        CatView full(state);
        Save(&full, QStringLiteral("CatView-ten-categories"));
    }

    void helpContents() {
        AppState state;
        frmMenu menu(state);
        HelpViewer::ShowContents(&menu);
        QCoreApplication::processEvents();
        QWidget* viewer = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("HelpViewer") && top->isVisible())
                viewer = top;
        QVERIFY(viewer);
        Save(viewer, QStringLiteral("HelpViewer-contents"));
    }

    void aboutBox() {
        AppState state;
        frmAbout about(state);
        Save(&about, QStringLiteral("frmAbout"));
    }
};

QTEST_MAIN(TestScreenshots)
#include "tst_Screenshots.moc"

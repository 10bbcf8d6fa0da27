// The data editor in use: a teacher's whole session, from opening a file through the main window to
// reopening what was saved.

#include "app/DataEditorFactory.h"
#include "app/frmMenu.h"
#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"
#include <QAction>

using namespace markroll;
using namespace markroll::test;

class EditorUseTest : public QObject {
    Q_OBJECT

private slots:
    // Scores of two categories (one column at a time, then one student at a time), an ID# and an adjustment,
    // saved under a new name and opened again: the totals are right in the document, on the page and in the file.
    // Each editing session is a step of Undo and Redo, named in the Edit menu and reached by the editor's keys,
    // which do nothing while cells are typed into; a step of a dialog goes back byte for byte.
    void teacherTypesAClassAndSavesIt() {
        TempDir dir;
        const std::string first = dir.File("period3.mrk"), second = dir.File("period3-graded.mrk");
        WriteBytes(first, SerializeMarkroll(MakeDocument(4, {{"Tests", 60, 3, 3}, {"Homework", 40, 4, 3}})));
        AppState state;
        frmMenu menu(state);
        menu.SetEditorFactory(DataEditorFactory(menu));
        QVERIFY(menu.OpenFile(QString::fromStdString(first)));
        auto* editor = qobject_cast<EditData*>(menu.Editor());
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor));
        auto* undo = menu.findChild<QAction*>("mnuUndo");
        auto* redo = menu.findChild<QAction*>("mnuRedo");
        const auto key = [&](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QTest::keyClick(editor, k, mods);
            return SerializeMarkroll(state.doc);
        };
        const auto edit = [&](const char* keys) { // V the "Vert" panel, T Tab, v Down, z Ctrl+Z; the rest is typed
            Press(editor, "Ecmd_1");
            Press(editor, "Ecmd_6");
            for (const char* k = keys; *k; ++k)
                if (*k == 'V')
                    Press(editor, "SBar_8");
                else if (*k == 'z')
                    key(Qt::Key_Z, Qt::ControlModifier);
                else
                    key(*k == 'T' ? Qt::Key_Tab : *k == 'v' ? Qt::Key_Down : Qt::Key(*k));
            return key(Qt::Key_Escape);
        };
        edit("V 50 45 30 50 20T 50 40 35 50  9"); // Tests, column by column
        const std::string homework = edit("V 10 10 10v 10  9  8v  5  5  5v 10 10 10v  0     7z");
        const std::string typed = edit("555-01-0001TTvvv  3"); // SUMMARY: an ID#, 3 adjustment points
        // Weighted 60/40, student 4 has 29 and 23: 26.6, plus 3 adjustment points 30.
        const PageLayout& page = editor->Layout(); // the totals zone of student 4
        QCOMPARE(RunText(state.doc, page.Rows.at(std::size_t(3 + 4 - page.FirstStu)).Texts.at(3)),
                 "  29  23  27   3  30");
        QCOMPARE(state.doc.CatData(1, 1).substr(0, 11), std::string("555-01-0001"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Editing of SUMMARY"));
        QCOMPARE(key(Qt::Key_Z, Qt::ControlModifier), homework);
        QCOMPARE(redo->text(), QStringLiteral("&Redo Editing of SUMMARY"));
        QCOMPARE(key(Qt::Key_Y, Qt::ControlModifier), typed);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), typed);
        QVERIFY(!redo->isEnabled() && menu.HasUnsavedChanges());

        // A category deleted through the main window comes back with its scores; the editor shows it again.
        state.EdCat = 3;
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        WhenModal([](QWidget* dialog) {
            Press(dialog, "optMod_2");
            Press(dialog, "cmdApply");
            Press(dialog, "cmdExit");
        });
        menu.ModifyMarkroll();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Delete Category 3"));
        QVERIFY(state.EdCat < state.doc.NumCats);
        undo->trigger();
        QCOMPARE(SerializeMarkroll(state.doc), typed);

        FileDialog::SetNextResult({FileDialogResult::Status::Chosen, QString::fromStdString(second), {}});
        Press(editor, "Ecmd_8");
        QCOMPARE(ReadBytes(second), typed);
        QVERIFY(menu.OpenFile(QString::fromStdString(second)) && state.EdCat == 0 && !undo->isEnabled());
        QCOMPARE(SerializeMarkroll(state.doc), typed);
        menu.Editor()->close();
    }
};

QTEST_MAIN(EditorUseTest)
#include "EditorUseTest.moc"

// The data editor in use: a teacher's whole session from opening a file to reopening what was saved, and
// hand-edited documents clicked all over while viewing.

#include "app/DataEditorFactory.h"
#include "app/frmMenu.h"
#include "editor/EditorTestSupport.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::Field;
using markroll::test::MakeDocument;
using markroll::test::WhenModal;
using markroll::test::Press;

Q_DECLARE_METATYPE(markroll::Document)

namespace {

// The texts of a student row as the page shows it: number, ID#, name, data zone, totals zone, number.
QStringList RowTexts(const EditData& editor, const Document& doc, int student) {
    const PageLayout& page = editor.Layout();
    const std::size_t index = static_cast<std::size_t>(3 + student - page.FirstStu);
    QStringList texts;
    for (const PageText& run : page.Rows.at(index).Texts)
        texts << QString::fromLatin1(RunText(doc, run));
    return texts;
}

} // namespace

class EditorUseTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        MessageBox::ClearAnswers();
        MessageBox::ClearAsked();
        FileDialog::ClearAnswers();
        FileDialog::ClearAsked();
    }
    void cleanup() { QVERIFY2(!test::DropModalWaits(), "an expected modal window never opened"); }

    // Open a file, type possible points and the scores of two categories (one column at a time, then one
    // student at a time), an ID# and an adjustment, leave edit mode, save under a new name, open that file
    // again: the totals are right, in the document and on the page, and they survive the file.
    void teacherTypesAClassAndSavesIt() {
        test::TempDir dir;
        const std::string first = dir.File("period3.mrk");
        test::WriteBytes(first, SerializeMarkroll(MakeDocument(4, {{"Tests", 60, 3, 3}, {"Homework", 40, 4, 3}})));
        AppState state;
        frmMenu menu(state);
        menu.SetEditorFactory(DataEditorFactory(menu));
        QVERIFY(menu.OpenFile(QString::fromStdString(first)));
        auto* editor = qobject_cast<EditData*>(menu.Editor());
        QVERIFY(editor);
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        const auto type = [&editor](const char* text) { QTest::keyClicks(editor, QString::fromLatin1(text)); };
        const auto key = [&editor](Qt::Key k, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(editor, k);
        };

        // Tests, column by column: "Vert" sends each completed cell one row down, from the last student
        // back to the possible points.
        Press(editor, "Ecmd_1");
        Press(editor, "Ecmd_6");
        Press(editor, "SBar_8");
        type(" 50 45 30 50 20");
        key(Qt::Key_Tab);
        type(" 50 40 35 50  9");
        key(Qt::Key_Escape);
        QCOMPARE(Field(state.doc, 1, 2, 0), std::string("  85"));

        // Homework, student by student in "Hort": each row of three cells wraps to its first field.
        Press(editor, "Ecmd_1");
        Press(editor, "Ecmd_6");
        Press(editor, "SBar_8");
        type(" 10 10 10");
        for (const char* row : {" 10  9  8", "  5  5  5", " 10 10 10", "  0     7"}) {
            key(Qt::Key_Down);
            type(row);
        }
        key(Qt::Key_Escape);

        // SUMMARY: an ID# for the first student, then 3 adjustment points for the fourth.
        Press(editor, "Ecmd_1");
        Press(editor, "Ecmd_6");
        type("555-01-0001");
        key(Qt::Key_Tab, 2);
        key(Qt::Key_Down, 3);
        type("  3");
        key(Qt::Key_Escape);

        // Category totals: 85/100, 65, 100, 29; 27/30 = 90 %, 50, 100, 7/30 = 23.
        const auto column = [&state](int c, int f) {
            QStringList cells;
            for (int r = 0; r <= state.doc.NumStudents; ++r)
                cells << QString::fromStdString(Field(state.doc, r, c, f));
            return cells;
        };
        QCOMPARE(column(2, 0), (QStringList{"  70", "  85", "  65", " 100", "  29"}));
        QCOMPARE(column(3, 0), (QStringList{"  66", "  90", "  50", " 100", "  23"}));
        // Weighted 60/40: 87, 59, 100, 26.6; the adjusted total adds 3 to the unrounded 26.6.
        QCOMPARE(column(0, 3), (QStringList{"  68", "  87", "  59", " 100", "  27"}));
        QCOMPARE(Field(state.doc, 4, 0, 5), std::string("  30"));
        QCOMPARE(state.doc.CatData(1, 1).substr(0, 11), std::string("555-01-0001"));
        QCOMPARE(RowTexts(*editor, state.doc, 4).mid(3, 1), QStringList{"  29  23  27   3  30"});

        const std::string second = dir.File("period3-graded.mrk");
        FileDialog::SetNextResult({FileDialogResult::Status::Chosen, QString::fromStdString(second), {}});
        Press(editor, "Ecmd_8");
        QCOMPARE(FileDialog::PendingAnswers(), 0);
        const Document typed = state.doc;
        QCOMPARE(test::ReadBytes(second), SerializeMarkroll(typed));

        // Opening the saved file again starts a fresh editor on SUMMARY with every total in place.
        QVERIFY(menu.OpenFile(QString::fromStdString(second)));
        QCOMPARE(MessageBox::Asked().size(), std::size_t(0));
        QVERIFY(state.doc == typed);
        editor = qobject_cast<EditData*>(menu.Editor());
        QVERIFY(editor);
        QCOMPARE(int(state.EdCat), 0);
        QCOMPARE(RowTexts(*editor, state.doc, 1).mid(1, 1), QStringList{"555-01-0001"});
        QCOMPARE(RowTexts(*editor, state.doc, 4).mid(3, 1), QStringList{"  29  23  27   3  30"});
        menu.Editor()->close();
    }

    // Viewing hand-edited documents: a click anywhere on the page opens the description, with Shift the
    // set-values window, and neither changes the document when nothing is confirmed.
    void viewingClicksOnHandEditedDocuments_data() {
        QTest::addColumn<Document>("doc");
        Document shortRows = MakeDocument(5, {{"Tests", 40, 4, 3}});
        shortRows.CatData(1, 2).resize(3);
        shortRows.CatData(2, 2).clear();
        QTest::newRow("short rows") << shortRows;
        Document counts = MakeDocument(3, {{"Tests", 40, 4, 3}, {"Labs", 60, 6, 3}});
        counts.CatFields[2] = 9;
        counts.CatFields[3] = 0;
        QTest::newRow("field counts that disagree with the rows") << counts;
    }
    void viewingClicksOnHandEditedDocuments() {
        QFETCH(Document, doc);
        test::Editor e(doc);
        e.ToCat(2);
        const PageLayout& p = e.page();
        const int n = doc.NumStudents;
        int clicks = 0;
        int opened = 0;
        for (double y : {double(p.TopY), double(p.PossY), double(p.RowY(p.LastStu, n)), p.RowY(p.LastStu, n) + 3.0 * p.RowH})
            for (double x : {0.0, double(p.DataX), double(p.FieldX(p.LastFld)), double(p.ZoneX(6)), p.ZoneWid[0] + 20.0 * p.CharW}) {
                WhenModal([&opened](QWidget* modal) {
                    ++opened;
                    modal->close();
                });
                e.ClickAt(e.At(x, y), ++clicks % 2 ? Qt::ShiftModifier : Qt::NoModifier);
            }
        QCOMPARE(opened, clicks);
        QVERIFY(e.state.doc == doc);
    }
};

QTEST_MAIN(EditorUseTest)
#include "EditorUseTest.moc"

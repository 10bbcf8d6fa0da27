// The grade distribution dialog's wiring: both lists, the limits, and the three questions, each declined first.

#include <QLabel>
#include <QPushButton>
#include <memory>
#include <utility>

#include "app/AppTestSupport.h"
#include "grading/GDist.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestGDist : public QObject {
    Q_OBJECT

    AppState m_state;
    std::unique_ptr<GDist> m_dialog;

    QComboBox* List(int i) { return m_dialog->findChild<QComboBox*>(QStringLiteral("cmbGDist_%1").arg(i)); }
    bool On(const char* name) { return m_dialog->findChild<QWidget*>(name)->isEnabled(); }
    void Click(const char* name, int times = 1) {
        while (times-- > 0)
            Press(m_dialog.get(), name);
    }
    void Commit(int list, int row, const QString& text) {
        PickRow(List(list), row);
        TypeInto(List(list), text);
        QTest::keyClick(List(list)->lineEdit(), list == 0 ? Qt::Key_Return : Qt::Key_Enter);
    }

    /// Both lists' items and common selection, both labels and the Edit caption.
    QString Seen() {
        QStringList items;
        for (int row = 0; row < List(0)->count(); ++row)
            items << List(0)->itemText(row) + "," + List(1)->itemText(row);
        return QStringLiteral("%1 [%2] %3, %4, %5")
            .arg(items.join(' '))
            .arg(List(0)->currentIndex() == List(1)->currentIndex() ? List(0)->currentIndex() : -1)
            .arg(m_dialog->findChild<QLabel*>("labGLevels")->text(), m_dialog->findChild<QLabel*>("labLevel")->text(),
                 m_dialog->findChild<QPushButton*>("cmdEdit")->text());
    }

    /// Declines, then confirms, the question a button asks; true when only the confirmation changed the document.
    bool Ask(const char* button, MsgAnswer no, MsgAnswer yes, const QString& shown) {
        const Document before = m_state.doc;
        MessageBox::SetNextAnswer(no);
        Click(button);
        const bool declined = m_state.doc == before && !m_state.Changed && On(button);
        MessageBox::SetNextAnswer(yes);
        Click(button);
        return declined && Shown().mid(Shown().size() - 2) == QStringList{shown, shown} &&
               MessageBox::Asked().back().buttons ==
                   (yes == MsgAnswer::Ok ? MsgButtons::OkCancel : MsgButtons::YesNo) &&
               m_state.doc != before && std::exchange(m_state.Changed, false) && !On(button);
    }

private slots:
    void cleanup() { ExpectAllAnswered(); }

    void editAcceptApplyClear() {
        m_state.doc = DefaultDocument();
        m_state.doc.CatData(1, 0).replace(m_state.doc.CatData(1, 0).size() - 4, 4, "89.5");
        const Document opened = m_state.doc;
        m_dialog = std::make_unique<GDist>(m_state);
        m_dialog->show();
        const QString table = "A,90 B,80 C,70 D,60 F,50 I,0 [0] Grade Levels=  6, Level xx, &Edit";
        QVERIFY(Seen() == table && !On("cmbGDist_0") && On("cmdApply") && !On("cmdAdd") && !On("cmdAccept"));
        Click("cmdEdit");
        QVERIFY(On("cmbGDist_1") && !On("cmdApply") && On("cmdInsert") && On("cmdDelete"));
        Click("cmdAdd", 15);
        PickRow(List(1), 2);
        Click("cmdInsert");
        QVERIFY(Seen().endsWith(",?? [2] Grade Levels=  20, Level  3, &Cancel"));
        Click("cmdEdit");
        QCOMPARE(Seen(), table);
        Click("cmdEdit");
        Click("cmdDelete", 6);
        QCOMPARE(Seen(), "I,0 [0] Grade Levels=  1, Level  1, &Cancel");

        Click("cmdEdit", 2);
        Commit(0, 5, " E ");
        Commit(1, 0, "150");
        Click("cmdAdd");
        PickRow(List(0), 4);
        Click("cmdInsert");
        QCOMPARE(Seen(), "A,100 B,80 C,70 D,60 ??,?? F,50 E,0 ??,?? [4] Grade Levels=  8, Level  5, &Cancel");
        QVERIFY(
            Ask("cmdAccept", MsgAnswer::No, MsgAnswer::Yes, "Accept Changes: Accept Changes to Grade Distribution ?"));
        // The lists show the table as the document now holds it.
        QCOMPARE(Seen(), "A,100 B,80 C,70 D,60 ??,0 F,50 E,0 ??,0 [0] Grade Levels=  8, Level xx, &Edit");

        // 89.5 is read as 90; the level inserted with minimum 0 takes every total below 60.
        QVERIFY(Ask("cmdApply", MsgAnswer::No, MsgAnswer::Yes, "Grade Assigments: Assign Grades ?"));
        QCOMPARE(m_state.doc.CatData(1, 0), "  B " + opened.CatData(1, 0).substr(4));
        QCOMPARE(m_state.doc.CatData(2, 0), "  ??" + opened.CatData(2, 0).substr(4));
        QVERIFY(Ask("cmdClear", MsgAnswer::Cancel, MsgAnswer::Ok, "Clear Grades: Clear All Grade Assignments"));
        QCOMPARE(m_state.doc.CatData(1, 0), "    " + opened.CatData(1, 0).substr(4));
        QVERIFY(m_dialog->TableAccepted() && m_dialog->GradesAssigned() && m_dialog->GradesCleared());
        Click("cmdExit");
        QVERIFY(!m_dialog->isVisible());
    }

    // "&Apply" and "&A&ccept" share Alt+A, "A&dd" and "&Delete" Alt+D: the key reaches the button that can be
    // used, and a second Alt+D only moves to Delete.
    void sharedAccessKeys() {
        m_state.doc = DefaultDocument();
        m_dialog = std::make_unique<GDist>(m_state);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        MessageBox::SetNextAnswer(MsgAnswer::No);
        QTest::keyClick(m_dialog.get(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(Shown().back(), "Grade Assigments: Assign Grades ?");
        Click("cmdEdit");
        QTest::keyClick(m_dialog.get(), Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(m_dialog.get(), Qt::Key_D, Qt::AltModifier);
        QVERIFY(Seen().contains("Grade Levels=  7") && QApplication::focusWidget()->objectName() == "cmdDelete");
        MessageBox::SetNextAnswer(MsgAnswer::No);
        QTest::keyClick(m_dialog.get(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(Shown().back(), "Accept Changes: Accept Changes to Grade Distribution ?");
    }
};

QTEST_MAIN(TestGDist)
#include "GDistTest.moc"

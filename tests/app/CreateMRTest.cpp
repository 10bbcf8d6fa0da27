#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "grading/MrkInfo.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestCreateMR : public QObject {
    Q_OBJECT

private:
    AppState m_state;
    std::unique_ptr<CreateMR> m_dialog;

    QComboBox* List(int i) { return m_dialog->findChild<QComboBox*>(QStringLiteral("cmbMRCat_%1").arg(i)); }
    QPushButton* Button(const char* name) { return m_dialog->findChild<QPushButton*>(name); }

    void Open() {
        m_dialog = std::make_unique<CreateMR>(m_state);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    /// Presses the button with the keyboard: Enter presses the button that has the focus.
    void Key(const char* button, Qt::Key key = Qt::Key_Return) {
        Button(button)->setFocus();
        QTest::keyClick(Button(button), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    /// The rows of the four lists as "name|weight|fields|length", then the row that each list selects.
    QStringList Rows() {
        QStringList rows(List(0)->count()), selected;
        for (int i = 0; i < 4; ++i) {
            for (int r = 0; r < rows.size(); ++r)
                rows[r] += (i ? "|" : "") + List(i)->itemText(r);
            selected << QString::number(List(i)->currentIndex());
        }
        return rows << selected.join(' ');
    }

    /// The edit button and label, then + or - for each of the four lists, Add and Delete being enabled.
    QString Editing() {
        QString state = Button("cmdEdit")->text() + ' ' + m_dialog->findChild<QLabel*>("labCancel")->text() + ' ';
        for (QWidget* w : QList<QWidget*>{List(0), List(1), List(2), List(3), Button("cmdAdd"), Button("cmdDelete")})
            state += w->isEnabled() ? '+' : '-';
        return state;
    }

private slots:
    void init() { m_state = AppState(); }
    void cleanup() { ExpectAllAnswered(); }

    // A row picked in one list is selected in all; Enter in a list commits the row into the plan and its
    // overview, and asks nothing; typing a text that another row holds, then leaving the box, must not move
    // the selection; Add and Delete reach the plan, and "In&fo" opens the information dialog.
    void controlsReachThePlan() {
        Open();
        QCOMPARE(Editing(), QStringLiteral("&Edit Old ------"));
        Key("cmdEdit");
        QCOMPARE(Editing(), QStringLiteral("Canc&el New ++++++"));
        PickRow(List(2), 1);
        TypeInto(List(1), "34");
        QTest::keyClick(List(1)->lineEdit(), Qt::Key_Tab);
        TypeInto(List(0), "Homework");
        QTest::keyClick(List(0)->lineEdit(), Qt::Key_Return);
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Homework|34|2|3", "Catagory 4|33|2|3", "1 1 1 1"}));
        QCOMPARE(m_dialog->Overview().entries[3].text, std::string("3. Homework [34%] - {2} ( 3)"));
        Key("cmdAdd", Qt::Key_Enter);
        QCOMPARE(m_dialog->Overview().heading, std::string("6 categories"));
        Press(m_dialog.get(), "cmdDelete");
        Press(m_dialog.get(), "cmdDelete");
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Catagory 4|33|2|3", "0 0 0 0"}));
        QCOMPARE(int(m_dialog->Plan().PlanCats), 4);
        QVERIFY(MessageBox::Asked().empty());

        int lines = 0; // "In&fo" opens the information dialog on the document's lines
        WhenModal<MrkInfo>([&lines](MrkInfo* info) {
            lines = info->List().Count();
            Press(info, "cmdExit");
        });
        Press(m_dialog.get(), "cmdInfo");
        QCOMPARE(lines, 8);
    }

    // "Canc&el", or Escape while editing, drops what was typed and not committed and keeps the dialog and the
    // committed rows; then "E&xit", or Escape again, leaves with the document marked changed.
    void cancelEditingThenLeave() {
        for (const bool byEscape : {false, true}) {
            m_state = AppState();
            Open();
            Press(m_dialog.get(), "cmdEdit");
            QVERIFY(List(0)->lineEdit()->hasFocus());
            PickRow(List(0), 1);
            TypeInto(List(0), "Homework");
            QTest::keyClick(List(0)->lineEdit(), Qt::Key_Return);
            TypeInto(List(0), "Not committed");
            byEscape ? QTest::keyClick(List(0)->lineEdit(), Qt::Key_Escape) : Press(m_dialog.get(), "cmdEdit");
            QVERIFY(m_dialog->isVisible() && !m_state.Changed);
            QCOMPARE(Editing(), QStringLiteral("&Edit Old ------"));
            QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Homework|33|2|3", "Catagory 4|33|2|3", "1 1 1 1"}));
            byEscape ? QTest::keyClick(Button("cmdEdit"), Qt::Key_Escape) : Press(m_dialog.get(), "cmdExit");
            QVERIFY(!m_dialog->isVisible() && m_state.Changed && !m_dialog->Created());
        }
    }

    // Create shows the student count it read back, asks, and on OK builds a new markroll from the open
    // document's plan; Cancel changes nothing.
    void createAsksThenBuilds() {
        for (const bool ok : {false, true}) {
            m_state.doc = MakeDocument(3, {{"Tests", 60}, {"Labs", 40}});
            m_state.doc.InfoLine[1] = "Chemistry";
            m_state.FileName = "/home/t/chem.mrk";
            const Document before = m_state.doc;
            Open();
            auto* box = m_dialog->findChild<QLineEdit*>("txtNumStu");
            box->clear();
            QTest::keyClicks(box, "25.5");
            MessageBox::ClearAsked();
            MessageBox::SetNextAnswer(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
            Key("cmdCreate");
            QCOMPARE(box->text(), QStringLiteral("26"));
            QCOMPARE(Shown(),
                     QStringList({"Create New Markroll: Create New Markroll With:\n 4 Catagories\n 26 Students"}));
            QVERIFY(m_dialog->isVisible() && MessageBox::Asked().front().buttons == MsgButtons::OkCancel);
            QCOMPARE(m_dialog->Created(), ok);
            QCOMPARE(m_state.FileName, std::string(ok ? "Untitled" : "/home/t/chem.mrk"));
            QCOMPARE(m_state.doc == before, !ok);
            QCOMPARE(int(m_state.doc.NumStudents), ok ? 26 : 3);
            QCOMPARE(m_state.doc.InfoLine[1], std::string("Chemistry"));
        }
    }
};

QTEST_MAIN(TestCreateMR)
#include "CreateMRTest.moc"

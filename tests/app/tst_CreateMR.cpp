// The create-document dialog's wiring: its lists and buttons reach the plan, Cancel and Escape, the
// confirmation, and Create building the document.

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "grading/MrkInfo.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestCreateMR : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<CreateMR> m_dialog;

    QComboBox* List(int i) { return m_dialog->findChild<QComboBox*>(QStringLiteral("cmbMRCat_%1").arg(i)); }
    QPushButton* Button(const char* name) { return m_dialog->findChild<QPushButton*>(name); }

    void Open() {
        m_dialog = std::make_unique<CreateMR>(*m_state);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    /// Presses the button with the keyboard: Enter presses the button that has the focus.
    void Key(const char* button, Qt::Key key = Qt::Key_Return) {
        Button(button)->setFocus();
        QTest::keyClick(Button(button), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    /// The rows of the four lists as "name|weight|fields|length", then the row that all four select.
    QStringList Rows() {
        QStringList rows;
        for (int r = 0; r < List(0)->count(); ++r)
            rows << List(0)->itemText(r) + '|' + List(1)->itemText(r) + '|' + List(2)->itemText(r) + '|' +
                        List(3)->itemText(r);
        for (int i = 1; i < 4; ++i)
            if (List(i)->currentIndex() != List(0)->currentIndex())
                rows << "lists disagree";
        return rows << QString::number(List(0)->currentIndex());
    }

    /// The edit button and label, then + or - for each of the four lists, Add and Delete being enabled.
    QString Editing() {
        QString state = Button("cmdEdit")->text() + ' ' + m_dialog->findChild<QLabel*>("labCancel")->text() + ' ';
        for (QWidget* w : QList<QWidget*>{List(0), List(1), List(2), List(3), Button("cmdAdd"), Button("cmdDelete")})
            state += w->isEnabled() ? '+' : '-';
        return state;
    }

private slots:
    void init() {
        ResetPlatform();
        m_state = std::make_unique<AppState>();
    }

    void cleanup() {
        m_dialog.reset();
        ExpectAllAnswered();
    }

    // A row picked in one list is selected in all; Enter in a list commits the row, clamped, into the plan and
    // its overview; typing a text that another row holds, then leaving the box, must not move the selection;
    // Add and Delete reach the plan too.
    void controlsReachThePlan() {
        Open();
        QCOMPARE(Editing(), QStringLiteral("&Edit Old ------"));
        Key("cmdEdit");
        QCOMPARE(Editing(), QStringLiteral("Canc&el New ++++++"));
        PickRow(List(2), 1);
        TypeInto(List(0), "A very long category name");
        TypeInto(List(1), "1500");
        QTest::keyClick(List(1)->lineEdit(), Qt::Key_Tab);
        PressEnter(List(0));
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "A very long cate|999|2|3", "Catagory 4|33|2|3", "1"}));
        QCOMPARE(Q(m_dialog->Plan().PlanName[3]), QStringLiteral("A very long cate"));
        QCOMPARE(Q(m_dialog->Overview().entries[3].text), QStringLiteral("3. A very long cate [936%] - {2} ( 3)"));
        TypeInto(List(1), "34");
        QTest::keyClick(List(1)->lineEdit(), Qt::Key_Tab);
        QCOMPARE(Rows().mid(3), QStringList({"1"}));

        Key("cmdAdd", Qt::Key_Enter);
        QCOMPARE(Rows().size(), 5);
        QCOMPARE(Q(m_dialog->Overview().heading), QStringLiteral("6 categories"));
        Press(m_dialog.get(), "cmdDelete");
        Press(m_dialog.get(), "cmdDelete");
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Catagory 4|33|2|3", "0"}));
        QCOMPARE(int(m_dialog->Plan().PlanCats), 4);
        QVERIFY(MessageBox::Asked().empty());
    }

    // "Canc&el", or Escape while editing, drops what was typed and not committed and keeps the dialog and the
    // committed rows; then "E&xit", or Escape again, leaves with the document marked changed.
    void cancelEditingThenLeave_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("buttons") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelEditingThenLeave() {
        QFETCH(bool, byEscape);
        Open();
        Press(m_dialog.get(), "cmdEdit");
        QVERIFY(List(0)->lineEdit()->hasFocus());
        PickRow(List(0), 1);
        TypeInto(List(0), "Homework");
        PressEnter(List(0));
        PickRow(List(0), 2);
        TypeInto(List(0), "Not committed");
        byEscape ? QTest::keyClick(List(0)->lineEdit(), Qt::Key_Escape) : Press(m_dialog.get(), "cmdEdit");
        QVERIFY(m_dialog->isVisible() && !m_state->Changed);
        QCOMPARE(Editing(), QStringLiteral("&Edit Old ------"));
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Homework|33|2|3", "Catagory 4|33|2|3", "2"}));
        byEscape ? QTest::keyClick(Button("cmdEdit"), Qt::Key_Escape) : Press(m_dialog.get(), "cmdExit");
        QVERIFY(!m_dialog->isVisible() && m_state->Changed && !m_dialog->Created());
    }

    // Create shows the student count it read back, asks, and on OK builds a new markroll from the open
    // document's plan, never saved; Cancel changes nothing.
    void createAsksThenBuilds_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void createAsksThenBuilds() {
        QFETCH(bool, ok);
        m_state->doc = MakeDocument(3, {{"Tests", 60}, {"Labs", 40}});
        m_state->doc.InfoLine[1] = "Chemistry";
        SetField(m_state->doc, 1, 2, 1, "17");
        m_state->FileName = "/home/t/chem.mrk";
        m_state->SavedImage = "saved";
        const Document before = m_state->doc;
        Open();
        auto* box = m_dialog->findChild<QLineEdit*>("txtNumStu");
        box->clear();
        QTest::keyClicks(box, "25.5");
        MessageBox::SetNextAnswer(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
        Key("cmdCreate");
        QCOMPARE(box->text(), QStringLiteral("26"));
        QCOMPARE(Shown(), QStringList({"Create New Markroll: Create New Markroll With:\n 4 Catagories\n 26 Students"}));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->Created(), ok);
        QCOMPARE(m_state->FileName, std::string(ok ? "Untitled" : "/home/t/chem.mrk"));
        QCOMPARE(m_state->SavedImage.empty(), ok);
        QCOMPARE(m_state->doc == before, !ok);
        QCOMPARE(int(m_state->doc.NumStudents), ok ? 26 : 3);
        QCOMPARE(int(m_state->doc.CatWeight[3]), 40);
        QCOMPARE(m_state->doc.InfoLine[1], std::string("Chemistry"));
        QCOMPARE(Field(m_state->doc, 1, 2, 1), std::string(ok ? " ..." : "  17"));
    }

    void infoOpensTheInformationDialog() {
        Open();
        bool shown = false;
        WhenModal<MrkInfo>([&shown](MrkInfo* info) {
            shown = info->List().Count() == 8;
            Press(info, "cmdExit");
        });
        Press(m_dialog.get(), "cmdInfo");
        QVERIFY(shown);
    }

    // No control covers the overview, and the boxes show the longest texts they take in full.
    void layout() {
        Open();
        const CategoryChart& chart = m_dialog->Overview();
        QCOMPARE(m_dialog->childAt(TwipsToPxX(4450 + chart.boxWidth / 2), TwipsToPxY(400 + chart.boxHeight / 2)),
                 nullptr);
        const QStringList longest = {QString(MaxNameLen, 'W'), "999", "64", "4"};
        for (int i = 0; i < 4; ++i) {
            QLineEdit* edit = List(i)->lineEdit();
            const int room = edit->contentsRect().width() - edit->textMargins().left() - edit->textMargins().right();
            // QLineEdit keeps two pixels free on either side of its text.
            QVERIFY2(edit->fontMetrics().horizontalAdvance(longest[i]) <= room - 4, qPrintable(longest[i]));
        }
    }
};

QTEST_MAIN(TestCreateMR)
#include "tst_CreateMR.moc"

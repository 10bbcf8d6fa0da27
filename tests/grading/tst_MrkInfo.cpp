// The information dialog's wiring: typing into its list, Add and Delete at their limits, Apply and leaving.

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/AppTestSupport.h"
#include "grading/MrkInfo.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestMrkInfo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MrkInfo> m_dialog;

    QComboBox* Names() { return m_dialog->findChild<QComboBox*>("cmbMRInfo_0"); }
    QComboBox* Texts() { return m_dialog->findChild<QComboBox*>("cmbMRInfo_1"); }

    void Open() {
        m_dialog = std::make_unique<MrkInfo>(*m_state);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    /// Both lists select row, and the label counts the lines.
    void Expect(int row, int count) {
        QCOMPARE(Texts()->currentIndex(), row);
        QCOMPARE(Names()->currentIndex(), row);
        QCOMPARE(Texts()->count(), count);
        QCOMPARE(Names()->count(), count);
        QCOMPARE(m_dialog->findChild<QLabel*>("labNumInfo")->text(), QStringLiteral("NumInfo= %1").arg(count));
    }

private slots:
    void init() {
        ResetPlatform();
        m_state = std::make_unique<AppState>();
        m_state->doc = DefaultDocument();
    }

    void cleanup() {
        m_dialog.reset();
        ExpectAllAnswered();
    }

    // A line holds what the file can: a line break becomes a blank, a character outside the code page is
    // refused, typed (the key) or pasted (the whole text). Apply, once confirmed, writes the lines; nothing
    // reaches the document before, and Cancel changes nothing.
    void applyWritesWhatWasEntered_data() {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("ok");
        QTest::newRow("code page characters") << false << QStringLiteral("Caf\u00e9 \u20ac5")
                                              << QByteArray("Caf\xe9 \x80"
                                                            "5")
                                              << true;
        QTest::newRow("typed outside the code page") << false << QStringLiteral("A\u2192B") << QByteArray("AB") << true;
        QTest::newRow("pasted two lines") << true << "Room 12\nBuilding C" << QByteArray("Room 12 Building C") << true;
        QTest::newRow("pasted outside the code page")
            << true << QStringLiteral("Room \u2116 12") << QByteArray("Class Term???") << true;
        QTest::newRow("cancelled") << false << "Room 12" << QByteArray("Class Term???") << false;
    }

    void applyWritesWhatWasEntered() {
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        QFETCH(bool, ok);
        Open();
        PickRow(Texts(), 0); // the version line cannot be selected
        Expect(1, 8);
        PickRow(Texts(), 3);
        if (paste) {
            QApplication::clipboard()->setText(text);
            Texts()->lineEdit()->selectAll();
            Texts()->lineEdit()->paste();
        } else {
            TypeInto(Texts(), text);
        }
        PressEnter(Texts());
        Expect(3, 8);
        QCOMPARE(m_state->doc.InfoLine[3], std::string("Class Term???"));
        MessageBox::SetNextAnswer(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
        Press(m_dialog.get(), "cmdApply");
        QCOMPARE(Shown(), QStringList({"Change Markroll Info: Apply Changes to Markroll Info ?"}));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QCOMPARE(m_state->doc.InfoLine[3], ok ? stored.toStdString() : "Class Term???");
        QCOMPARE(m_dialog->Applied(), ok);
        QVERIFY(!m_state->Changed);
        QVERIFY(m_dialog->isVisible());
    }

    // Add appends lines up to sixteen, the selection staying; Delete removes only an added line, from both
    // lists, and selects the one above.
    void addAndDeleteAtTheirLimits() {
        Open();
        for (int i = 0; i < 9; ++i)
            Press(m_dialog.get(), "cmdAdd");
        Expect(1, 16);
        QCOMPARE(Names()->itemText(15), QStringLiteral("Info 15"));
        QCOMPARE(Texts()->itemText(15), QStringLiteral("???"));
        PickRow(Texts(), 7);
        Press(m_dialog.get(), "cmdDelete");
        Expect(7, 16);
        PickRow(Texts(), 9);
        Press(m_dialog.get(), "cmdDelete");
        Expect(8, 15);
        QCOMPARE(Names()->itemText(9), QStringLiteral("Info 10"));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Press(m_dialog.get(), "cmdApply");
        QCOMPARE(int(m_state->doc.LastInfo), 14);
    }

    // Escape first drops the typing that was not committed; then Escape, like "E&xit", leaves the dialog and
    // discards what was not applied.
    void leavingDiscardsWhatWasNotApplied_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("E&xit") << false;
        QTest::newRow("Escape") << true;
    }

    void leavingDiscardsWhatWasNotApplied() {
        QFETCH(bool, byEscape);
        Open();
        TypeInto(Texts(), "Algebra 2");
        PressEnter(Texts());
        PickRow(Texts(), 4);
        TypeInto(Texts(), "Not committed");
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(Texts()->lineEdit()->text(), QStringLiteral("Instructor???"));
        QCOMPARE(m_dialog->List().Lines()[1].text, std::string("Algebra 2"));

        const Document before = m_state->doc;
        if (byEscape)
            QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        else
            Press(m_dialog.get(), "cmdExit");
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_state->doc, before);
    }
};

QTEST_MAIN(TestMrkInfo)
#include "tst_MrkInfo.moc"

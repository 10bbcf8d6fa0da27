// The information dialog: the list of lines, Enter, Add, Delete and Apply.

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
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
    QPushButton* Button(const char* name) { return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QString NumInfo() { return m_dialog->findChild<QLabel*>("labNumInfo")->text(); }

    void Open(bool active = false) {
        m_dialog = std::make_unique<MrkInfo>(*m_state);
        m_dialog->show();
        if (active) {
            m_dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        }
    }

    /// A document whose info lines are L0, L1, ...
    void UseLines(int count) {
        m_state->doc.LastInfo = static_cast<std::int16_t>(count - 1);
        m_state->doc.InfoLine.clear();
        for (int i = 0; i < count; ++i)
            m_state->doc.InfoLine.push_back("L" + std::to_string(i));
    }

    /// Both lists select row.
    void ExpectSelected(int row) {
        QCOMPARE(Texts()->currentIndex(), row);
        QCOMPARE(Names()->currentIndex(), row);
    }

    void Apply() {
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdApply")->click();
    }

private slots:
    void init() {
        ResetPlatform();
        m_state = std::make_unique<AppState>();
        m_state->doc = DefaultDocument();
        m_state->FileName = "Untitled";
    }

    void cleanup() {
        m_dialog.reset();
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        ResetPlatform();
    }

    void opensWithTheDocumentsLines() {
        Open();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Markroll Info"));
        QCOMPARE(Items(Names()), QStringList({"Program Version", "Class Name", "Class Section", "Class Term",
                                              "Instructor", "Creation Date", "Last Update Date", "Last Update Time"}));
        QCOMPARE(Items(Texts())[1], QStringLiteral("Class Name???"));
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 8"));
        ExpectSelected(1);
        QVERIFY(!Names()->isEnabled());
        QVERIFY(Texts()->isEnabled());
        QCOMPARE(Names()->toolTip(), QStringLiteral("InfoName (noneditable)"));
        QCOMPARE(Texts()->toolTip(), QStringLiteral("Info (editable)"));
        QCOMPARE(m_dialog->findChild<QLabel*>("labNumInfo")->toolTip(), QStringLiteral("Maximum of 16 Entries"));

        // The version line cannot be selected: the line before Class Name is Class Name itself.
        QTest::keyClick(Texts(), Qt::Key_Up);
        ExpectSelected(1);
        QCOMPARE(m_dialog->List().Current(), 1);
    }

    // A line holds what the file can: a line break becomes a blank; a character outside the code page is
    // refused, typed (the key) or pasted (the whole text). Nothing reaches the document before Apply.
    void enterStoresTheText_data() {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("blanks kept") << false << "  Room 12  " << QByteArray("  Room 12  ");
        QTest::newRow("empty") << false << "" << QByteArray("");
        QTest::newRow("code page characters") << false << QStringLiteral("Caf\u00e9 \u20ac5")
                                              << QByteArray("Caf\xe9 \x80"
                                                            "5");
        QTest::newRow("typed outside the code page") << false << QStringLiteral("A\u2192B") << QByteArray("AB");
        QTest::newRow("pasted two lines") << true << "Room 12\nBuilding C" << QByteArray("Room 12 Building C");
        QTest::newRow("pasted Windows line end") << true << "Room 12\r\n" << QByteArray("Room 12  ");
        QTest::newRow("pasted tab") << true << "Room\t12" << QByteArray("Room\t12");
        QTest::newRow("pasted outside the code page")
            << true << QStringLiteral("Room \u2116 12") << QByteArray("Class Term???");
    }

    void enterStoresTheText() {
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        Open();
        PickRow(Texts(), 3);
        if (paste) {
            QApplication::clipboard()->setText(text);
            Texts()->lineEdit()->selectAll();
            Texts()->lineEdit()->paste();
        } else {
            TypeInto(Texts(), text);
        }
        PressEnter(Texts());
        QCOMPARE(m_dialog->List().Lines()[3].text, stored.toStdString());
        ExpectSelected(3);
        QCOMPARE(m_state->doc.InfoLine[3], std::string("Class Term???"));
        Apply();
        QCOMPARE(m_state->doc.InfoLine[3], stored.toStdString());
        QVERIFY(!m_state->Changed);
        QVERIFY(m_dialog->isVisible());
    }

    // Add appends lines named with the count's leading blank, up to sixteen; reopened, they are named without.
    void addAppendsUpToSixteenLines() {
        Open();
        Button("cmdAdd")->click();
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info 8"));
        QCOMPARE(Texts()->itemText(8), QStringLiteral("???"));
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 9"));
        ExpectSelected(1);
        Apply();
        QCOMPARE(int(m_state->doc.LastInfo), 8);
        QCOMPARE(m_state->doc.InfoLine.size(), std::size_t(9));
        QCOMPARE(m_state->doc.InfoLine[8], std::string("???"));

        Open();
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info8"));
        QCOMPARE(Texts()->itemText(8), QStringLiteral("???"));
        for (int i = 0; i < 8; ++i)
            Button("cmdAdd")->click();
        QCOMPARE(Texts()->count(), 16);
        QCOMPARE(Names()->count(), 16);
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 16"));
        QCOMPARE(Names()->itemText(15), QStringLiteral("Info 15"));
    }

    // Delete removes an added line and selects the one before; the standard eight stay.
    void deleteRemovesOnlyAddedLines() {
        UseLines(10);
        Open();
        for (int row : {1, 5, 7}) {
            PickRow(Texts(), row);
            Button("cmdDelete")->click();
            QCOMPARE(Texts()->count(), 10);
            QCOMPARE(Texts()->currentIndex(), row);
        }
        PickRow(Texts(), 8);
        Button("cmdDelete")->click();
        QCOMPARE(Texts()->count(), 9);
        QCOMPARE(Texts()->itemText(8), QStringLiteral("L9"));
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info9"));
        ExpectSelected(7);
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 9"));
        Apply();
        QCOMPARE(int(m_state->doc.LastInfo), 8);
        QCOMPARE(m_state->doc.InfoLine.back(), std::string("L9"));
    }

    void applyCancelledChangesNothing() {
        Open();
        Button("cmdAdd")->click();
        TypeInto(Texts(), "Geometry");
        PressEnter(Texts());
        const Document before = m_state->doc;
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        Button("cmdApply")->click();
        QCOMPARE(m_state->doc, before);
        QCOMPARE(Shown(), QStringList({"Change Markroll Info: Apply Changes to Markroll Info ?"}));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::None);
        QCOMPARE(Texts()->count(), 9);
        QVERIFY(!m_dialog->Applied());
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
        Open(true);
        TypeInto(Texts(), "Algebra 2");
        PressEnter(Texts());
        PickRow(Texts(), 4);
        TypeInto(Texts(), "Not committed");
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(Texts()->lineEdit()->text(), QStringLiteral("Instructor???"));
        QCOMPARE(m_dialog->List().Lines()[4].text, std::string("Instructor???"));
        QCOMPARE(m_dialog->List().Lines()[1].text, std::string("Algebra 2"));

        const Document before = m_state->doc;
        if (byEscape)
            QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        else
            Button("cmdExit")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_state->doc, before);
    }

    // Enter in the texts box commits the line; Enter on a button that has the focus presses it.
    void enterPressesTheFocusedButton() {
        Open(true);
        QVERIFY(Texts()->lineEdit()->hasFocus());
        TypeInto(Texts(), "Algebra 2");
        PressEnter(Texts());
        QCOMPARE(Texts()->count(), 8);
        QVERIFY(MessageBox::Asked().empty());

        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Tab);
        QVERIFY(Button("cmdAdd")->hasFocus());
        QTest::keyClick(Button("cmdAdd"), Qt::Key_Return);
        QCOMPARE(Texts()->count(), 9);

        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdApply")->setFocus();
        QTest::keyClick(Button("cmdApply"), Qt::Key_Return);
        QCOMPARE(int(m_state->doc.LastInfo), 8);
        QCOMPARE(m_state->doc.InfoLine[1], std::string("Algebra 2"));
        QVERIFY(m_dialog->isVisible());
    }

    // A document with fewer lines than the standard eight still shows all eight names.
    void aDocumentWithOneLineShowsEight() {
        UseLines(1);
        Open();
        QCOMPARE(Texts()->count(), 8);
        QCOMPARE(Texts()->itemText(0), QStringLiteral("L0"));
        QCOMPARE(Texts()->itemText(5), QString());
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 8"));
    }
};

QTEST_MAIN(TestMrkInfo)
#include "tst_MrkInfo.moc"

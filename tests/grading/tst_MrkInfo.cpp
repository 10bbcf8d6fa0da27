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

    void Open() {
        m_dialog = std::make_unique<MrkInfo>(*m_state);
        m_dialog->show();
    }

    QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    /// A document whose info lines are L0, L1, ...
    void UseLines(int count) {
        m_state->doc.LastInfo = static_cast<std::int16_t>(count - 1);
        m_state->doc.InfoLine.clear();
        for (int i = 0; i < count; ++i)
            m_state->doc.InfoLine.push_back("L" + std::to_string(i));
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
        QCOMPARE(Names()->currentIndex(), 1);
        QCOMPARE(Texts()->currentIndex(), 1);
        QVERIFY(!Names()->isEnabled());
        QVERIFY(Texts()->isEnabled());
        QCOMPARE(Names()->toolTip(), QStringLiteral("InfoName (noneditable)"));
        QCOMPARE(Texts()->toolTip(), QStringLiteral("Info (editable)"));
        QCOMPARE(m_dialog->findChild<QLabel*>("labNumInfo")->toolTip(), QStringLiteral("Maximum of 16 Entries"));
    }

    void enterStoresTheTextAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("plain") << "Algebra 1" << QByteArray("Algebra 1");
        QTest::newRow("blanks kept") << "  Room 12  " << QByteArray("  Room 12  ");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("code page characters") << QStringLiteral("Caf\u00e9 \u20ac5")
                                              << QByteArray("Caf\xe9 \x80"
                                                            "5");
        QTest::newRow("a character outside the code page is refused") << QStringLiteral("A\u2192B") << QByteArray("AB");
    }

    void enterStoresTheTextAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Open();
        PickRow(Texts(), 3);
        TypeInto(Texts(), typed);
        PressEnter(Texts());
        QCOMPARE(m_dialog->List().Lines()[3].text, stored.toStdString());
        QCOMPARE(Texts()->currentIndex(), 3);
        QCOMPARE(Names()->currentIndex(), 3);
        // Nothing reaches the document before Apply.
        QCOMPARE(m_state->doc.InfoLine[3], std::string("Class Term???"));
        Apply();
        QCOMPARE(m_state->doc.InfoLine[3], stored.toStdString());
        QVERIFY(!m_state->Changed);
        QVERIFY(m_dialog->isVisible());
    }

    // Pasted text: a line break would end the line in the file, so it becomes a blank; a text holding a
    // character outside the code page is refused whole.
    void pastedTextIsKeptToWhatTheFileHolds_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("two lines") << "Room 12\nBuilding C" << QByteArray("Room 12 Building C");
        QTest::newRow("Windows line end") << "Room 12\r\n" << QByteArray("Room 12  ");
        QTest::newRow("tab kept") << "Room\t12" << QByteArray("Room\t12");
        QTest::newRow("outside the code page") << QStringLiteral("Room \u2116 12") << QByteArray("Class Term???");
    }

    void pastedTextIsKeptToWhatTheFileHolds() {
        QFETCH(QString, pasted);
        QFETCH(QByteArray, stored);
        Open();
        PickRow(Texts(), 3);
        QApplication::clipboard()->setText(pasted);
        Texts()->lineEdit()->selectAll();
        Texts()->lineEdit()->paste();
        PressEnter(Texts());
        QCOMPARE(m_dialog->List().Lines()[3].text, stored.toStdString());
    }

    void selectingTheVersionLineSelectsClassName() {
        Open();
        QTest::keyClick(Texts(), Qt::Key_Up);
        QCOMPARE(Texts()->currentIndex(), 1);
        QCOMPARE(Names()->currentIndex(), 1);
        QCOMPARE(m_dialog->List().Current(), 1);
    }

    void addAppendsAndApplyStoresIt() {
        Open();
        Button("cmdAdd")->click();
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info 8"));
        QCOMPARE(Texts()->itemText(8), QStringLiteral("???"));
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 9"));
        QCOMPARE(Texts()->currentIndex(), 1);
        Apply();
        QCOMPARE(int(m_state->doc.LastInfo), 8);
        QCOMPARE(m_state->doc.InfoLine.size(), std::size_t(9));
        QCOMPARE(m_state->doc.InfoLine[8], std::string("???"));

        Open();
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info8"));
        QCOMPARE(Texts()->itemText(8), QStringLiteral("???"));
    }

    void addStopsAtSixteenLines() {
        Open();
        for (int i = 0; i < 10; ++i)
            Button("cmdAdd")->click();
        QCOMPARE(Texts()->count(), 16);
        QCOMPARE(Names()->count(), 16);
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 16"));
        QCOMPARE(Names()->itemText(15), QStringLiteral("Info 15"));
    }

    void deleteRemovesAnAddedLine() {
        UseLines(10);
        Open();
        PickRow(Texts(), 8);
        Button("cmdDelete")->click();
        QCOMPARE(Texts()->count(), 9);
        QCOMPARE(Texts()->itemText(8), QStringLiteral("L9"));
        QCOMPARE(Names()->itemText(8), QStringLiteral("Info9"));
        QCOMPARE(Texts()->currentIndex(), 7);
        QCOMPARE(Names()->currentIndex(), 7);
        QCOMPARE(NumInfo(), QStringLiteral("NumInfo= 9"));
        Apply();
        QCOMPARE(int(m_state->doc.LastInfo), 8);
        QCOMPARE(m_state->doc.InfoLine.back(), std::string("L9"));
    }

    void deleteLeavesTheStandardLines() {
        Open();
        for (int row : {1, 5, 7}) {
            PickRow(Texts(), row);
            Button("cmdDelete")->click();
            QCOMPARE(Texts()->count(), 8);
            QCOMPARE(Texts()->currentIndex(), row);
        }
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
        QCOMPARE(MessageBox::Asked().front().title, QStringLiteral("Change Markroll Info"));
        QCOMPARE(MessageBox::Asked().front().text, QStringLiteral("Apply Changes to Markroll Info ?"));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::None);
        QCOMPARE(Texts()->count(), 9);
        QVERIFY(!m_dialog->Applied());
    }

    void exitDiscardsWhatWasNotApplied() {
        Open();
        TypeInto(Texts(), "Physics");
        PressEnter(Texts());
        const Document before = m_state->doc;
        Button("cmdExit")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_state->doc, before);
    }

    // Enter in the texts box commits the line; Enter on a button that has the focus presses it.
    void enterPressesTheFocusedButton() {
        Open();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
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

    // Escape drops the typing that was not committed; with nothing typed it leaves as "E&xit" does.
    void escapeDropsTypingBeforeItLeaves() {
        Open();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
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
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_state->doc, before);
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

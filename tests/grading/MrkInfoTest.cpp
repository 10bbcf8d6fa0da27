// The information dialog's wiring: typing into its list, Add and Delete at their limits, Apply and leaving.

#include <QClipboard>
#include <QLabel>
#include <memory>

#include "app/AppTestSupport.h"
#include "grading/MrkInfo.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class TestMrkInfo : public QObject {
    Q_OBJECT

private:
    AppState m_state;
    std::unique_ptr<MrkInfo> m_dialog;

    QComboBox* Texts() { return m_dialog->findChild<QComboBox*>("cmbMRInfo_1"); }

    void Open() {
        m_state = AppState();
        m_state.doc = DefaultDocument();
        m_dialog = std::make_unique<MrkInfo>(m_state);
        m_dialog->show();
    }

    /// The row both lists select (-1 when they differ), their length and the count the label shows.
    QString Selection() {
        auto* names = m_dialog->findChild<QComboBox*>("cmbMRInfo_0");
        return QStringLiteral("%1 %2 %3")
            .arg(names->currentIndex() == Texts()->currentIndex() ? names->currentIndex() : -1)
            .arg(names->count() == Texts()->count() ? names->count() : -1)
            .arg(m_dialog->findChild<QLabel*>("labNumInfo")->text());
    }

    void Apply(MsgAnswer answer) {
        MessageBox::SetNextAnswer(answer);
        Press(m_dialog.get(), "cmdApply");
        QCOMPARE(Shown().takeLast(), QStringLiteral("Change Markroll Info: Apply Changes to Markroll Info ?"));
        QCOMPARE(m_dialog->Applied(), answer == MsgAnswer::Ok);
    }

private slots:
    void cleanup() { ExpectAllAnswered(); }

    // A line holds what the file can: a line break becomes a blank, a character outside the code page is
    // refused, typed (the key) or pasted (the whole text). Nothing reaches the document before Apply, and
    // Apply writes the lines only once it is confirmed.
    void enteredTextsReachTheDocumentOnApply() {
        // clang-format off
        const struct { bool paste; QString text; QByteArray stored; } lines[] = {
            {false, "Caf\u00e9 \u20ac5", "Caf\xe9 \x80" "5"}, {false, "A\u2192B", "AB"},
            {true, "Room 12\nBuilding C", "Room 12 Building C"}, {true, "Room \u2116 12", "Instructor???"}};
        // clang-format on
        Open();
        PickRow(Texts(), 0); // the version line cannot be selected
        QCOMPARE(Selection(), QStringLiteral("1 8 NumInfo= 8"));
        for (int row = 1; row <= 4; ++row) {
            PickRow(Texts(), row);
            QApplication::clipboard()->setText(lines[row - 1].text);
            lines[row - 1].paste ? (Texts()->lineEdit()->selectAll(), Texts()->lineEdit()->paste())
                                 : TypeInto(Texts(), lines[row - 1].text);
            QTest::keyClick(Texts()->lineEdit(), Qt::Key_Return);
            QCOMPARE(Selection(), QStringLiteral("%1 8 NumInfo= 8").arg(row));
        }
        Apply(MsgAnswer::Cancel);
        QCOMPARE(m_state.doc, DefaultDocument());
        Apply(MsgAnswer::Ok);
        for (int row = 1; row <= 4; ++row)
            QCOMPARE(m_state.doc.InfoLine[std::size_t(row)], lines[row - 1].stored.toStdString());
        QVERIFY(!m_state.Changed && m_dialog->isVisible());

        // Escape first drops the typing that was not committed; then it leaves, discarding what was not applied.
        const Document applied = m_state.doc;
        TypeInto(Texts(), "Algebra 2");
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Return);
        TypeInto(Texts(), "Not committed");
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        QCOMPARE(Texts()->lineEdit()->text(), QStringLiteral("Algebra 2"));
        QTest::keyClick(Texts()->lineEdit(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_state.doc, applied);
    }

    // Add appends lines up to sixteen, the selection staying; Delete removes only an added line, from both
    // lists, and selects the one above; Apply writes them, E&xit leaves what was not applied.
    void addAndDeleteAtTheirLimits() {
        Open();
        for (int i = 0; i < 9; ++i)
            Press(m_dialog.get(), "cmdAdd");
        QCOMPARE(Selection(), QStringLiteral("1 16 NumInfo= 16"));
        PickRow(Texts(), 7);
        Press(m_dialog.get(), "cmdDelete");
        QCOMPARE(Selection(), QStringLiteral("7 16 NumInfo= 16"));
        PickRow(Texts(), 9);
        auto* names = m_dialog->findChild<QComboBox*>("cmbMRInfo_0");
        const QString next = names->itemText(10);
        Press(m_dialog.get(), "cmdDelete");
        QCOMPARE(Selection(), QStringLiteral("8 15 NumInfo= 15"));
        QCOMPARE(names->itemText(9), next);
        QCOMPARE(Texts()->itemText(14), QStringLiteral("???"));
        Apply(MsgAnswer::Ok);
        Press(m_dialog.get(), "cmdAdd");
        Press(m_dialog.get(), "cmdExit"); // leaves, discarding the line added since
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(int(m_state.doc.LastInfo), 14);
    }
};

QTEST_MAIN(TestMrkInfo)
#include "MrkInfoTest.moc"

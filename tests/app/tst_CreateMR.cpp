// The create-document dialog: the four lists, commits with their clamps, add, delete, the overview and Create.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/ListCombo.h"
#include "document/MarkrollFile.h"
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
    QPushButton* Button(const char* name) { return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QString Label(const char* name) { return m_dialog->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    void Open(bool editing = false, bool active = false) {
        m_dialog = std::make_unique<CreateMR>(*m_state);
        m_dialog->show();
        if (active) {
            m_dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        }
        if (editing)
            Button("cmdEdit")->click();
    }

    /// The rows of the four lists, each as "name|weight|fields|length".
    QStringList Rows() {
        QStringList rows = Items(List(0));
        for (int i = 1; i < 4; ++i)
            for (int r = 0; r < rows.size(); ++r)
                rows[r] += QLatin1Char('|') + List(i)->itemText(r);
        return rows;
    }

    /// The row every list shows as selected; -2 when they disagree.
    int Selected() {
        const int row = List(0)->currentIndex();
        for (int i = 1; i < 4; ++i)
            if (List(i)->currentIndex() != row)
                return -2;
        return row;
    }

    void Commit(int row, const QString& name, const QString& weight, const QString& fields, const QString& length) {
        PickRow(List(0), row);
        TypeInto(List(0), name);
        TypeInto(List(1), weight);
        TypeInto(List(2), fields);
        TypeInto(List(3), length);
        PressEnter(List(1));
    }

    QStringList OverviewLines() {
        QStringList lines;
        for (const ChartEntry& e : m_dialog->Overview().entries)
            lines << Q(e.text);
        return lines;
    }

    void ExpectListsEnabled(bool enabled) {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(List(i)->isEnabled(), enabled);
        QCOMPARE(Button("cmdAdd")->isEnabled(), enabled);
        QCOMPARE(Button("cmdDelete")->isEnabled(), enabled);
        QCOMPARE(Button("cmdEdit")->text(), enabled ? QStringLiteral("Canc&el") : QStringLiteral("&Edit"));
        QCOMPARE(Label("labCancel"), enabled ? QStringLiteral("New") : QStringLiteral("Old"));
    }

private slots:
    void init() {
        ResetPlatform();
        m_state = std::make_unique<AppState>();
    }

    void cleanup() {
        m_dialog.reset();
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        ResetPlatform();
    }

    void opensWithTheDefaultPlan() {
        Open();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Create New Markroll"));
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Catagory 3|33|2|3", "Catagory 4|33|2|3"}));
        QCOMPARE(m_dialog->findChild<QLineEdit*>("txtNumStu")->text(), QStringLiteral("40"));
        QCOMPARE(Label("labCats"), QStringLiteral("Markroll Catagories"));
        QCOMPARE(Label("labHeader_0"), QStringLiteral("Catagory Name"));
        QCOMPARE(Label("labNumStu"), QStringLiteral("Number of Students"));
        ExpectListsEnabled(false);

        const CategoryChart& chart = m_dialog->Overview();
        QCOMPARE(Q(chart.heading), QStringLiteral("5 categories"));
        QCOMPARE(OverviewLines(), QStringList({"0. SUMMARY [100%] - {7} ( 3)", "1. NAME DATA [0%] - {2} ( 42)",
                                               "2. Catagory 2 [34%] - {2} ( 3)", "3. Catagory 3 [33%] - {2} ( 3)",
                                               "4. Catagory 4 [33%] - {2} ( 3)"}));
        // The overview is painted on the dialog where no control covers it: the SUMMARY box is mostly red (its
        // caption is drawn on it).
        const QImage shot = m_dialog->grab().toImage();
        const QRect box(QPoint(TwipsToPxX(4450), TwipsToPxY(400)),
                        QPoint(TwipsToPxX(4450 + chart.boxWidth) - 1, TwipsToPxY(400 + chart.boxHeight) - 1));
        int red = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            for (int y = box.top(); y <= box.bottom(); ++y)
                red += shot.pixelColor(x, y) == QColor(128, 0, 0);
        QVERIFY2(red > box.width() * box.height() / 2, qPrintable(QString::number(red)));
        QCOMPARE(m_dialog->childAt(box.center()), nullptr);
    }

    // The boxes show the longest text they take in full: a name of 16 wide letters, a weight of 999.
    void theBoxesShowTheLongestTexts() {
        Open();
        const QStringList longest = {QString(MaxNameLen, QLatin1Char('W')), "999", "64", "4"};
        for (int i = 0; i < 4; ++i) {
            QLineEdit* edit = List(i)->lineEdit();
            const int room = edit->contentsRect().width() - edit->textMargins().left() - edit->textMargins().right();
            // QLineEdit keeps two pixels free on either side of its text.
            QVERIFY2(QFontMetrics(edit->font()).horizontalAdvance(longest[i]) <= room - 4, qPrintable(longest[i]));
        }
    }

    void openingWithADocumentKeepsItsNameAndCopiesItsPlan() {
        m_state->doc = MakeDocument(12, {{"Tests", 60, 5, 3}, {"Labs", 40, 3, 2}});
        m_state->FileName = "/home/t/bio.mrk";
        Open();
        QCOMPARE(m_state->FileName, std::string("/home/t/bio.mrk"));
        QCOMPARE(Rows(), QStringList({"Tests|60|5|3", "Labs|40|3|2"}));
        QCOMPARE(m_dialog->findChild<QLineEdit*>("txtNumStu")->text(), QStringLiteral("12"));
        QCOMPARE(Q(m_dialog->Overview().heading), QStringLiteral("4 categories"));
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
        Open(true, true);
        ExpectListsEnabled(true);
        QVERIFY(List(0)->lineEdit()->hasFocus());
        Commit(1, "Homework", "20", "10", "2");
        PickRow(List(0), 2);
        TypeInto(List(0), "Not committed");
        if (byEscape)
            QTest::keyClick(List(0)->lineEdit(), Qt::Key_Escape);
        else
            Button("cmdEdit")->click();

        QVERIFY(m_dialog->isVisible());
        QVERIFY(!m_state->Changed);
        ExpectListsEnabled(false);
        QVERIFY(Button("cmdEdit")->hasFocus());
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Homework|20|10|2", "Catagory 4|33|2|3"}));
        QCOMPARE(Q(m_dialog->Plan().PlanName[3]), QStringLiteral("Homework"));

        if (byEscape)
            QTest::keyClick(Button("cmdEdit"), Qt::Key_Escape);
        else
            Button("cmdExit")->click();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_state->Changed);
        QVERIFY(!m_dialog->Created());
    }

    // A row picked in one list is selected in all four; typing a text that another row holds, then leaving
    // the box, must not move that selection.
    void oneSelectionForAllLists() {
        Open(true, true);
        List(1)->setFocus();
        TypeInto(List(1), "33");
        QTest::keyClick(List(1)->lineEdit(), Qt::Key_Tab);
        QVERIFY(!List(1)->hasFocus());
        TypeInto(List(0), "Catagory 3");
        PressEnter(List(0));
        QCOMPARE(Selected(), 0);
        QCOMPARE(Rows(), QStringList({"Catagory 3|33|2|3", "Catagory 3|33|2|3", "Catagory 4|33|2|3"}));

        PickRow(List(2), 2);
        QCOMPARE(Selected(), 2);
        QCOMPARE(m_dialog->Lists().CurRow(), 2);
        QCOMPARE(List(0)->currentText(), QStringLiteral("Catagory 4"));
    }

    // A commit clamps what was typed and writes it back into the row and into the plan at once; Create then
    // builds the document from the plan.
    void commitClamps_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<int>("planWeight");
        QTest::addColumn<int>("summaryWeight");
        // 34 + 999 + 33 is above 999: the plan scales the weights, the row keeps 999.
        QTest::newRow("too large") << QStringList({"A very long category name", "1500", "100", "4"})
                                   << QStringList({"A very long cate", "999", "64", "4"}) << 936 << 997;
        QTest::newRow("leading blanks") << QStringList({"  Quiz", "  25", " 12.9", "3"})
                                        << QStringList({"  Quiz", "25", "12", "3"}) << 25 << 92;
    }

    void commitClamps() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, row);
        QFETCH(int, planWeight);
        QFETCH(int, summaryWeight);
        Open(true);
        Commit(1, typed[0], typed[1], typed[2], typed[3]);

        QCOMPARE(Rows()[1], row.join('|'));
        QCOMPARE(Selected(), 1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(List(i)->currentText(), row[i]);
        // The overview shows the plan as committed, with the weights as scaled.
        QCOMPARE(int(m_dialog->Plan().PlanWeight[0]), summaryWeight);
        QCOMPARE(OverviewLines()[3],
                 QStringLiteral("3. %1 [%2%] - {%3} ( %4)").arg(row[0], QString::number(planWeight), row[2], row[3]));

        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdCreate")->click();
        QCOMPARE(int(m_state->doc.CatWeight[3]), planWeight);
        QCOMPARE(int(m_state->doc.CatWeight[0]), summaryWeight);
        QCOMPARE(int(m_state->doc.CatFields[3]), row[2].toInt());
    }

    void addInsertsBeforeTheSelectedRowAndKeepsItSelected() {
        Open(true);
        Button("cmdAdd")->click();
        QCOMPARE(Rows(),
                 QStringList({"Catagory???|???|2|3", "Catagory 2|34|2|3", "Catagory 3|33|2|3", "Catagory 4|33|2|3"}));
        QCOMPARE(Selected(), 1);
        QCOMPARE(List(0)->currentText(), QStringLiteral("Catagory 2"));
        QCOMPARE(OverviewLines()[2], QStringLiteral("2. Catagory??? [0%] - {2} ( 3)"));
        QCOMPARE(Q(m_dialog->Overview().heading), QStringLiteral("6 categories"));

        // Up to ten categories in all; then Add does nothing.
        for (int i = 0; i < 8; ++i)
            Button("cmdAdd")->click();
        QCOMPARE(List(0)->count(), 8);
        QCOMPARE(int(m_dialog->Plan().PlanCats), 10);
    }

    void deleteRemovesTheSelectedRowAndKeepsTheLastCategory() {
        Open(true);
        PickRow(List(0), 1);
        Button("cmdDelete")->click();
        QCOMPARE(Rows(), QStringList({"Catagory 2|34|2|3", "Catagory 4|33|2|3"}));
        QCOMPARE(Selected(), 0);
        QCOMPARE(int(m_dialog->Plan().PlanCats), 4);
        QCOMPARE(int(m_dialog->Plan().PlanWeight[0]), 67);
        Button("cmdDelete")->click();
        Button("cmdDelete")->click();
        QCOMPARE(Items(List(0)), QStringList({"Catagory 4"}));
        QCOMPARE(int(m_dialog->Plan().PlanCats), 3);
        QCOMPARE(OverviewLines().size(), 3);
    }

    // Create shows the count it read back in the box, asks, and leaves the dialog open with a new markroll
    // that was never saved.
    void createReadsTheStudentCount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("students");
        QTest::newRow("too many") << "150" << 100;
        QTest::newRow("half to even, up") << "25.5" << 26;
    }

    void createReadsTheStudentCount() {
        QFETCH(QString, typed);
        QFETCH(int, students);
        Open();
        auto* box = m_dialog->findChild<QLineEdit*>("txtNumStu");
        box->clear();
        QTest::keyClicks(box, typed);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdCreate")->click();

        QCOMPARE(box->text(), QString::number(students));
        QCOMPARE(MessageBox::Asked().front().text,
                 QStringLiteral("Create New Markroll With:\n 5 Catagories\n %1 Students").arg(students));
        QCOMPARE(int(m_state->doc.NumStudents), students);
        QVERIFY(m_dialog->Created());
        QCOMPARE(m_state->FileName, std::string("Untitled"));
        QVERIFY(m_state->SavedImage.empty());
        QVERIFY(m_dialog->isVisible());
    }

    void createCancelledChangesNothing() {
        m_state->doc = MakeDocument(7, {{"Tests", 100}});
        m_state->FileName = "/home/t/old.mrk";
        const Document before = m_state->doc;
        Open();
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        Button("cmdCreate")->click();
        QCOMPARE(m_state->doc, before);
        QCOMPARE(m_state->FileName, std::string("/home/t/old.mrk"));
        QVERIFY(!m_dialog->Created());
    }

    void createWithAnOpenDocumentKeepsItsInfoAndGrades() {
        m_state->doc = MakeDocument(3, {{"Tests", 100}});
        m_state->doc.InfoLine[1] = "Chemistry";
        m_state->doc.GradeLetter[1] = "A+";
        SetField(m_state->doc, 1, 2, 1, "17");
        m_state->FileName = "/home/t/chem.mrk";
        Open();
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdCreate")->click();
        QCOMPARE(m_state->doc.InfoLine[1], std::string("Chemistry"));
        QCOMPARE(m_state->doc.GradeLetter[1], std::string("A+"));
        QCOMPARE(Field(m_state->doc, 1, 2, 1), std::string(" ..."));
        QCOMPARE(m_state->FileName, std::string("Untitled"));
    }

    // The keyboard alone: Enter presses the button that has the focus, while Enter in a list only commits
    // the row.
    void enterPressesTheFocusedButton() {
        Open(false, true);
        Button("cmdEdit")->setFocus();
        QTest::keyClick(Button("cmdEdit"), Qt::Key_Return);
        QCOMPARE(Label("labCancel"), QStringLiteral("New"));

        PressEnter(List(0));
        QCOMPARE(List(0)->count(), 3);
        QVERIFY(MessageBox::Asked().empty());

        Button("cmdAdd")->setFocus();
        QTest::keyClick(Button("cmdAdd"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Items(List(0)), QStringList({"Catagory???", "Catagory 2", "Catagory 3", "Catagory 4"}));

        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        Button("cmdCreate")->setFocus();
        QTest::keyClick(Button("cmdCreate"), Qt::Key_Return);
        QCOMPARE(Shown(), QStringList({"Create New Markroll: Create New Markroll With:\n 6 Catagories\n 40 Students"}));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::None);
        QVERIFY(!m_dialog->Created());
    }

    void infoOpensTheInformationDialog() {
        Open();
        bool shown = false;
        WhenModal<MrkInfo>([&shown](MrkInfo* info) {
            shown = info->List().Count() == 8;
            info->findChild<QPushButton*>("cmdExit")->click();
        });
        Button("cmdInfo")->click();
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestCreateMR)
#include "tst_CreateMR.moc"

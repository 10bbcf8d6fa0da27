// The create-document dialog: the four lists, commits with their clamps, add, delete, the overview and Create.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/ListCombo.h"
#include "grading/MrkInfo.h"
#include "document/MarkrollFile.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class TestCreateMR : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<CreateMR> m_dialog;

    QComboBox* List(int i) { return m_dialog->findChild<QComboBox*>(QStringLiteral("cmbMRCat_%1").arg(i)); }
    QPushButton* Button(const char* name) { return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QString Label(const char* name) { return m_dialog->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    void Open() {
        m_dialog = std::make_unique<CreateMR>(*m_state);
        m_dialog->show();
    }

    /// The items of list i, top to bottom.
    QStringList Items(int i) {
        QStringList items;
        for (int r = 0; r < List(i)->count(); ++r)
            items << List(i)->itemText(r);
        return items;
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
        QCOMPARE(Items(0), QStringList({"Catagory 2", "Catagory 3", "Catagory 4"}));
        QCOMPARE(Items(1), QStringList({"34", "33", "33"}));
        QCOMPARE(Items(2), QStringList({"2", "2", "2"}));
        QCOMPARE(Items(3), QStringList({"3", "3", "3"}));
        QCOMPARE(m_dialog->findChild<QLineEdit*>("txtNumStu")->text(), QStringLiteral("40"));
        QCOMPARE(Label("labCats"), QStringLiteral("Markroll Catagories"));
        QCOMPARE(Label("labHeader_0"), QStringLiteral("Catagory Name"));
        QCOMPARE(Label("labNumStu"), QStringLiteral("Number of Students"));
        QCOMPARE(Label("labCancel"), QStringLiteral("Old"));
        QCOMPARE(Button("cmdEdit")->text(), QStringLiteral("&Edit"));
        QVERIFY(!Button("cmdAdd")->isEnabled());
        QVERIFY(!Button("cmdDelete")->isEnabled());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!List(i)->isEnabled());

        const CategoryChart& chart = m_dialog->Overview();
        QCOMPARE(Q(chart.heading), QStringLiteral("5 categories"));
        QCOMPARE(OverviewLines(), QStringList({"0. SUMMARY [100%] - {7} ( 3)", "1. NAME DATA [0%] - {2} ( 42)",
                                               "2. Catagory 2 [34%] - {2} ( 3)", "3. Catagory 3 [33%] - {2} ( 3)",
                                               "4. Catagory 4 [33%] - {2} ( 3)"}));
        QCOMPARE(chart.headingY, 100.0);
        for (std::size_t i = 0; i < chart.entries.size(); ++i) {
            QCOMPARE(chart.entries[i].x, 4450.0);
            QCOMPARE(chart.entries[i].y, 400 + 1.5 * chart.boxHeight * double(i));
            QCOMPARE(chart.entries[i].boxColor, i < 2 ? 4 : 10);
            QCOMPARE(chart.entries[i].textColor, i < 2 ? 14 : 0);
        }
        // The overview is painted on the dialog, where no control covers it: the SUMMARY box is mostly red
        // (its caption is drawn on it).
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
        const auto fits = [](QComboBox* list, const QString& text) {
            QLineEdit* edit = list->lineEdit();
            const int room = edit->contentsRect().width() - edit->textMargins().left() - edit->textMargins().right();
            // QLineEdit keeps two pixels free on either side of its text.
            return QFontMetrics(edit->font()).horizontalAdvance(text) <= room - 4;
        };
        QVERIFY(fits(List(0), QString(MaxNameLen, QLatin1Char('W'))));
        QVERIFY(fits(List(1), QStringLiteral("999")));
        QVERIFY(fits(List(2), QStringLiteral("64")));
        QVERIFY(fits(List(3), QStringLiteral("4")));
    }

    void openingWithADocumentKeepsItsNameAndCopiesItsPlan() {
        m_state->doc = MakeDocument(12, {{"Tests", 60, 5, 3}, {"Labs", 40, 3, 2}});
        m_state->FileName = "/home/t/bio.mrk";
        Open();
        QCOMPARE(m_state->FileName, std::string("/home/t/bio.mrk"));
        QCOMPARE(Items(0), QStringList({"Tests", "Labs"}));
        QCOMPARE(Items(2), QStringList({"5", "3"}));
        QCOMPARE(m_dialog->findChild<QLineEdit*>("txtNumStu")->text(), QStringLiteral("12"));
        QCOMPARE(Q(m_dialog->Overview().heading), QStringLiteral("4 categories"));
    }

    void editModeTogglesAndCancelDropsWhatWasNotCommitted() {
        Open();
        Button("cmdEdit")->click();
        QCOMPARE(Button("cmdEdit")->text(), QStringLiteral("Canc&el"));
        QCOMPARE(Label("labCancel"), QStringLiteral("New"));
        QVERIFY(Button("cmdAdd")->isEnabled() && Button("cmdDelete")->isEnabled());
        for (int i = 0; i < 4; ++i)
            QVERIFY(List(i)->isEnabled());

        Commit(1, "Homework", "20", "10", "2");
        PickRow(List(0), 2);
        TypeInto(List(0), "Not committed");
        Button("cmdEdit")->click();
        QCOMPARE(Button("cmdEdit")->text(), QStringLiteral("&Edit"));
        QCOMPARE(Label("labCancel"), QStringLiteral("Old"));
        QCOMPARE(Items(0), QStringList({"Catagory 2", "Homework", "Catagory 4"}));
        QCOMPARE(Items(2), QStringList({"2", "10", "2"}));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!List(i)->isEnabled());
    }

    void pickingARowSelectsItInEveryList() {
        Open();
        Button("cmdEdit")->click();
        PickRow(List(2), 2);
        QCOMPARE(Selected(), 2);
        QCOMPARE(m_dialog->Lists().CurRow(), 2);
        QCOMPARE(List(0)->currentText(), QStringLiteral("Catagory 4"));
    }

    // Typing a text that another row holds, then leaving the box, must not move the common selection.
    void typingAnotherRowsValueKeepsTheSelection() {
        Open();
        Button("cmdEdit")->click();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        List(1)->setFocus();
        TypeInto(List(1), "33");
        QTest::keyClick(List(1)->lineEdit(), Qt::Key_Tab);
        QVERIFY(!List(1)->hasFocus());
        TypeInto(List(0), "Catagory 3");
        PressEnter(List(0));
        QCOMPARE(Selected(), 0);
        QCOMPARE(Items(0), QStringList({"Catagory 3", "Catagory 3", "Catagory 4"}));
        QCOMPARE(Items(1), QStringList({"33", "33", "33"}));
    }

    // A commit clamps what was typed, writes it back into the row and into the plan at once.
    void commitClamps_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<int>("planWeight");
        QTest::addColumn<int>("summaryWeight");
        QTest::newRow("negative fraction, one field, long cells")
            << "Tests"
            << "-35.7"
            << "1"
            << "9" << QStringList({"Tests", "36", "2", "4"}) << 36 << 103;
        // 34 + 999 + 33 is above 999: the plan scales the weights, the row keeps 999.
        QTest::newRow("too large") << "A very long category name"
                                   << "1500"
                                   << "100"
                                   << "4" << QStringList({"A very long cate", "999", "64", "4"}) << 936 << 997;
        QTest::newRow("words and zero") << "Labs"
                                        << "lots"
                                        << "none"
                                        << "0" << QStringList({"Labs", "0", "2", "1"}) << 0 << 67;
        QTest::newRow("leading blanks") << "  Quiz"
                                        << "  25"
                                        << " 12.9"
                                        << "3" << QStringList({"  Quiz", "25", "12", "3"}) << 25 << 92;
    }

    void commitClamps() {
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(QString, fields);
        QFETCH(QString, length);
        QFETCH(QStringList, row);
        QFETCH(int, planWeight);
        QFETCH(int, summaryWeight);
        Open();
        Button("cmdEdit")->click();
        Commit(1, name, weight, fields, length);

        for (int i = 0; i < 4; ++i) {
            QCOMPARE(List(i)->itemText(1), row[i]);
            QCOMPARE(List(i)->currentText(), row[i]);
        }
        QCOMPARE(Selected(), 1);
        const CategoryPlan& plan = m_dialog->Plan();
        QCOMPARE(Q(plan.PlanName[3]), row[0]);
        QCOMPARE(int(plan.PlanWeight[3]), planWeight);
        QCOMPARE(int(plan.PlanFields[3]), row[2].toInt());
        QCOMPARE(int(plan.PlanLen[3]), row[3].toInt());
        QCOMPARE(int(plan.PlanWeight[0]), summaryWeight);
        QCOMPARE(OverviewLines()[3],
                 QStringLiteral("3. %1 [%2%] - {%3} ( %4)").arg(row[0], QString::number(planWeight), row[2], row[3]));
    }

    void weightsAboveNineHundredNinetyNineAreScaled() {
        Open();
        Button("cmdEdit")->click();
        Commit(0, "Tests", "600", "2", "3");
        Commit(1, "Labs", "300", "2", "3");
        Commit(2, "Quizzes", "300", "2", "3");
        QCOMPARE(Items(1), QStringList({"600", "300", "300"}));
        const CategoryPlan& plan = m_dialog->Plan();
        QCOMPARE(int(plan.PlanWeight[2]), 499);
        QCOMPARE(int(plan.PlanWeight[3]), 249);
        QCOMPARE(int(plan.PlanWeight[4]), 249);
        QCOMPARE(int(plan.PlanWeight[0]), 997);
        QCOMPARE(OverviewLines()[0], QStringLiteral("0. SUMMARY [997%] - {7} ( 3)"));

        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Button("cmdCreate")->click();
        QCOMPARE(int(m_state->doc.CatWeight[0]), 997);
        QCOMPARE(int(m_state->doc.CatWeight[2]), 499);
    }

    void addInsertsBeforeTheSelectedRowAndKeepsItSelected() {
        Open();
        Button("cmdEdit")->click();
        Button("cmdAdd")->click();
        QCOMPARE(Items(0), QStringList({"Catagory???", "Catagory 2", "Catagory 3", "Catagory 4"}));
        QCOMPARE(Items(1), QStringList({"???", "34", "33", "33"}));
        QCOMPARE(Items(2)[0], QStringLiteral("2"));
        QCOMPARE(Items(3)[0], QStringLiteral("3"));
        QCOMPARE(Selected(), 1);
        QCOMPARE(List(0)->currentText(), QStringLiteral("Catagory 2"));
        QCOMPARE(int(m_dialog->Plan().PlanCats), 6);
        QCOMPARE(OverviewLines()[2], QStringLiteral("2. Catagory??? [0%] - {2} ( 3)"));
        QCOMPARE(Q(m_dialog->Overview().heading), QStringLiteral("6 categories"));

        // Up to ten categories in all; then Add does nothing.
        for (int i = 0; i < 8; ++i)
            Button("cmdAdd")->click();
        QCOMPARE(List(0)->count(), 8);
        QCOMPARE(int(m_dialog->Plan().PlanCats), 10);
    }

    void deleteRemovesTheSelectedRowAndKeepsTheLastCategory() {
        Open();
        Button("cmdEdit")->click();
        PickRow(List(0), 1);
        Button("cmdDelete")->click();
        QCOMPARE(Items(0), QStringList({"Catagory 2", "Catagory 4"}));
        QCOMPARE(Selected(), 0);
        QCOMPARE(int(m_dialog->Plan().PlanCats), 4);
        QCOMPARE(int(m_dialog->Plan().PlanWeight[0]), 67);
        Button("cmdDelete")->click();
        QCOMPARE(Items(0), QStringList({"Catagory 4"}));
        Button("cmdDelete")->click();
        QCOMPARE(Items(0), QStringList({"Catagory 4"}));
        QCOMPARE(int(m_dialog->Plan().PlanCats), 3);
        QCOMPARE(OverviewLines().size(), 3);
    }

    void createReadsTheStudentCount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("students");
        QTest::newRow("too many") << "150" << 100;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("a word") << "many" << 1;
        QTest::newRow("half to even, down") << "24.5" << 24;
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
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::OkCancel);
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::None);
        QCOMPARE(int(m_state->doc.NumStudents), students);
        QVERIFY(m_dialog->Created());
        QCOMPARE(m_state->FileName, std::string("Untitled"));
        QVERIFY(m_state->SavedImage.empty()); // never saved, so it counts as unsaved
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

    void exitSetsChangedAndCloses() {
        Open();
        Button("cmdExit")->click();
        QVERIFY(m_state->Changed);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(!m_dialog->Created());
    }

    // Escape while editing cancels the editing as "Canc&el" does and keeps the plan; in the viewing mode it
    // leaves the dialog as "E&xit" does.
    void escapeCancelsEditingBeforeItLeaves() {
        Open();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        Button("cmdEdit")->click();
        QVERIFY(List(0)->lineEdit()->hasFocus());
        Commit(1, "Homework", "20", "10", "2");
        TypeInto(List(0), "Not committed");
        QTest::keyClick(List(0)->lineEdit(), Qt::Key_Escape);

        QVERIFY(m_dialog->isVisible());
        QVERIFY(!m_state->Changed);
        QCOMPARE(Label("labCancel"), QStringLiteral("Old"));
        QCOMPARE(Button("cmdEdit")->text(), QStringLiteral("&Edit"));
        QVERIFY(Button("cmdEdit")->hasFocus());
        QCOMPARE(Items(0), QStringList({"Catagory 2", "Homework", "Catagory 4"}));
        QCOMPARE(Q(m_dialog->Plan().PlanName[3]), QStringLiteral("Homework"));

        QTest::keyClick(Button("cmdEdit"), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_state->Changed);
        QVERIFY(!m_dialog->Created());
    }

    // The keyboard alone: Tab reaches the buttons and Enter presses the one that has the focus, while Enter in
    // a list only commits the row.
    void enterPressesTheFocusedButton() {
        Open();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        Button("cmdEdit")->setFocus();
        QTest::keyClick(Button("cmdEdit"), Qt::Key_Return);
        QCOMPARE(Label("labCancel"), QStringLiteral("New"));

        PressEnter(List(0));
        QCOMPARE(List(0)->count(), 3);
        QVERIFY(MessageBox::Asked().empty());

        Button("cmdAdd")->setFocus();
        QTest::keyClick(Button("cmdAdd"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Items(0), QStringList({"Catagory???", "Catagory 2", "Catagory 3", "Catagory 4"}));

        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        Button("cmdCreate")->setFocus();
        QTest::keyClick(Button("cmdCreate"), Qt::Key_Return);
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked().front().title, QStringLiteral("Create New Markroll"));
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

// The data editor in use: a teacher's whole session from opening a file to reopening what was saved, and
// documents edited by hand (rows of the wrong length, odd counts, the largest shapes) driven with every key
// and click, the cursor always on a cell of the page as drawn and nothing written outside a row.

#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "app/DataEditorFactory.h"
#include "app/frmMenu.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "document/TextNumber.h"
#include "editor/EditData.h"
#include "editor/EditorTestSupport.h"
#include "editor/PageLayout.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::CursorProblem;
using markroll::test::Field;
using markroll::test::MakeDocument;
using markroll::test::OnModal;
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

// The points a click is tried at: every zone and beyond, on and around the rows shown.
std::vector<QPoint> ClickPoints(const test::Editor& e) {
    const PageLayout& p = e.page();
    const int students = e.state.doc.NumStudents;
    std::vector<double> xs = {
        0, p.ZoneX(2), p.ZoneX(3), p.DataX, p.FieldX(p.LastFld), p.ZoneX(5), p.ZoneX(6), p.ZoneWid[0] + 20 * p.CharW};
    std::vector<double> ys = {p.TopY, p.PossY, p.RowY(p.FirstStu, students), p.RowY(p.LastStu, students),
                              p.RowY(p.LastStu, students) + 3 * p.RowH};
    std::vector<QPoint> points;
    for (double y : ys)
        for (double x : xs)
            points.push_back(e.At(x, y));
    return points;
}

// Everything that moves the cursor in edit mode, each step to be followed by a look at where it stands.
std::vector<std::function<void()>> Script(const test::Editor& e) {
    std::vector<std::function<void()>> steps;
    const auto keys = [&](Qt::Key key, int times) {
        steps.insert(steps.end(), static_cast<std::size_t>(times), [&e, key] { e.Key(key); });
    };
    const auto type = [&](const char* text) { steps.push_back([&e, text] { e.Type(text); }); };
    const auto panel = [&](int i, int times) {
        steps.insert(steps.end(), static_cast<std::size_t>(times), [&e, i] { e.Panel(i); });
    };
    const PageLayout& page = e.page();
    const int across = std::min((page.LastFld - page.FirstFld + 1) * 3 + 2, 40);
    const int down = page.LastStu - page.FirstStu + 3;
    keys(Qt::Key_Right, across);
    keys(Qt::Key_Left, across);
    keys(Qt::Key_Down, down);
    keys(Qt::Key_Up, down);
    keys(Qt::Key_Tab, 5);
    type("7.5");
    panel(9, 5);
    panel(8, 1);
    type("12 A-z");
    keys(Qt::Key_Up, 2);
    panel(8, 1);
    keys(Qt::Key_Left, 5);
    type("Zz9");
    for (const QPoint& point : ClickPoints(e)) {
        steps.push_back([&e, point] { e.ClickAt(point); });
        type("5");
    }
    return steps;
}

// Rows of categories other than the one edited stay as they were; rows of the edited ones grow only to the
// length their category gives them.
QString Untouched(const Document& before, const Document& after, int editedCat) {
    if (before.Grid.size() != after.Grid.size())
        return QStringLiteral("the grid changed its categories");
    for (std::size_t c = 0; c < before.Grid.size(); ++c) {
        if (before.Grid[c].size() != after.Grid[c].size())
            return QStringLiteral("category %1 changed its rows").arg(c);
        const bool edited = static_cast<int>(c) == editedCat || (editedCat == 0 && c == 1);
        const std::size_t width =
            c == 1 ? NameDataWidth : static_cast<std::size_t>(std::max<int>(before.CatFields[c], 0)) * CellWidth;
        for (std::size_t r = 0; r < before.Grid[c].size(); ++r) {
            const std::string& was = before.Grid[c][r];
            const std::string& now = after.Grid[c][r];
            if (!edited && was != now)
                return QStringLiteral("CatData(%1, %2) changed").arg(r).arg(c);
            if (now.size() > std::max(was.size(), width))
                return QStringLiteral("CatData(%1, %2) grew past its category").arg(r).arg(c);
            if (now.size() < was.size())
                return QStringLiteral("CatData(%1, %2) lost characters").arg(r).arg(c);
        }
    }
    return {};
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
    void cleanup() { QVERIFY2(!test::DropPendingModals(), "an expected modal window never opened"); }

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
        QCOMPARE(column(2, 2), (QStringList{"  34", "  40", "  35", "  50", "   9"}));
        QCOMPARE(column(3, 0), (QStringList{"  66", "  90", "  50", " 100", "  23"}));
        QCOMPARE(column(3, 3), (QStringList{"   8", "   8", "   5", "  10", "   7"}));
        // Weighted 60/40: 87, 59, 100, 26.6; the adjusted total adds 3 to the unrounded 26.6.
        QCOMPARE(column(0, 1), (QStringList{"  70", "  85", "  65", " 100", "  29"}));
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

    void handEditedDocumentsSurviveEveryKeyAndClick_data() {
        QTest::addColumn<Document>("doc");
        // The ID# and name widths the page shows, as the display dialog sets them.
        QTest::addColumn<int>("idLen");
        QTest::addColumn<int>("nameLen");
        const std::vector<test::CatShape> two = {{"Tests", 40, 4, 3}, {"Labs", 60, 6, 3}};

        Document shortRows = MakeDocument(5, two);
        shortRows.CatData(1, 2).resize(3);
        shortRows.CatData(2, 2).clear();
        shortRows.CatData(shortRows.PossibleRow(), 2).resize(6);
        shortRows.CatData(2, 1).resize(5);
        shortRows.CatData(3, 1).clear();
        shortRows.CatData(3, 0).resize(2);
        shortRows.CatData(shortRows.PossibleRow(), 1).clear();
        QTest::newRow("rows shorter than their category") << shortRows << 11 << 30;
        QTest::newRow("short rows, narrow ID# and name") << shortRows << 3 << 7;
        QTest::newRow("no ID# or name shown") << MakeDocument(5, two) << 0 << 0;

        Document longRows = MakeDocument(5, two);
        for (auto& rows : longRows.Grid)
            for (std::string& row : rows)
                row += "#LONGER#";
        QTest::newRow("rows longer than their category") << longRows << 11 << 30;

        QTest::newRow("a category of one field") << MakeDocument(6, {{"Project", 100, 1, 3}}) << 11 << 30;
        QTest::newRow("no students") << MakeDocument(0, two) << 11 << 30;
        QTest::newRow("100 students") << MakeDocument(100, two) << 11 << 30;
        QTest::newRow("10 categories of 64 fields") << test::MaximalDocument() << 11 << 30;

        // SUMMARY cut to fewer fields than the categories need: its adjustment and TOT are not on the page.
        Document shortSummary = MakeDocument(3, two);
        shortSummary.CatFields[0] = 3;
        for (std::string& row : shortSummary.Grid[0])
            row.resize(3 * CellWidth);
        QTest::newRow("SUMMARY without its last fields") << shortSummary << 11 << 30;

        // A category whose field count says more than its rows hold, and one that says it has none.
        Document counts = MakeDocument(3, two);
        counts.CatFields[2] = 9;
        counts.CatFields[3] = 0;
        QTest::newRow("field counts that disagree with the rows") << counts << 11 << 30;
    }

    void handEditedDocumentsSurviveEveryKeyAndClick() {
        QFETCH(Document, doc);
        QFETCH(int, idLen);
        QFETCH(int, nameLen);
        test::Editor e(doc);
        e.state.Display.IdDispLen = static_cast<std::int16_t>(idLen);
        e.state.Display.NameDispLen = static_cast<std::int16_t>(nameLen);
        e.w()->Redraw();
        // Every category the "&Cat" button reaches, on its first and its last group and page.
        for (int visit = 0; visit < e.state.doc.NumCats - 1; ++visit) {
            if (visit > 0)
                e.Click("Ecmd_1");
            const int cat = e.state.EdCat;
            for (int corner = 0; corner < 2; ++corner) {
                if (corner == 1) {
                    if (e.page().NumGroups < 2 && e.page().NumPages < 2)
                        break;
                    for (int g = 1; g < e.page().NumGroups; ++g)
                        e.Click("Ecmd_3");
                    for (int p = 1; p < e.page().NumPages; ++p)
                        e.Click("Ecmd_2");
                }
                const QByteArray where = QStringLiteral("category %1, group %2, page %3: ")
                                             .arg(cat)
                                             .arg(e.state.EdGroup)
                                             .arg(e.state.EdPage)
                                             .toLatin1();
                QVERIFY2(e.page().Fits, where.constData());
                const Document before = e.state.doc;
                e.Click("Ecmd_6");
                QVERIFY2(e.w()->Editing(), where.constData());
                QVERIFY2(CursorProblem(e).empty(), (where + "on entry: " + CursorProblem(e).c_str()).constData());
                for (const auto& step : Script(e)) {
                    step();
                    const std::string problem = CursorProblem(e);
                    QVERIFY2(problem.empty(), (where + problem.c_str()).constData());
                }
                const QString untouched = Untouched(before, e.state.doc, cat);
                QVERIFY2(untouched.isEmpty(), (where + untouched.toLatin1()).constData());

                // Escape recomputes exactly what leaving edit mode computes, nothing else.
                Document expected = e.state.doc;
                if (cat != 0)
                    RecalcCategory(expected, cat);
                RecalcSummary(expected);
                e.Key(Qt::Key_Escape);
                QVERIFY2(!e.w()->Editing() && e.state.doc == expected, where.constData());
            }
            e.state.EdGroup = 1;
        }
        // The "&Cat" button came round to SUMMARY.
        e.Click("Ecmd_1");
        QCOMPARE(int(e.state.EdCat), 0);

        // Viewing: a click on any field opens its description, with Shift the set-values window; neither
        // changes the document when nothing is confirmed.
        const Document viewed = e.state.doc;
        e.ToCat(e.state.doc.NumCats > 2 ? 2 : 0);
        int opened = 0;
        for (const QPoint& point : ClickPoints(e)) {
            OnModal([&opened](QWidget*) { ++opened; });
            e.ClickAt(point, opened % 2 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(opened, static_cast<int>(ClickPoints(e).size()));
        QVERIFY(e.state.doc == viewed);
    }
};

QTEST_MAIN(EditorUseTest)
#include "EditorUseTest.moc"

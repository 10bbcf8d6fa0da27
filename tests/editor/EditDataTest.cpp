// The data editor's wiring, offscreen: buttons, keys and clicks reach the page and the cursor (its rules are
// EditCursorTest's), the modal windows open with the right texts and their answers reach the document.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "editor/PopUpInfo.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Pickers.h"
#include "platform/Platform.h"
#include "support/ModalDriver.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The editor window shown on a state of its own: five students, "Tests" with fields 1..3 and "Homework" with
// fields 1..2 unless told otherwise.
struct Ed {
    AppState state;
    std::unique_ptr<EditData> window;

    explicit Ed(Document doc = MakeDocument(5, {{"Tests", 40, 4, 3}, {"Homework", 60, 3, 3}})) {
        state.doc = std::move(doc);
        state.SavedImage = SerializeMarkroll(state.doc);
        window = std::make_unique<EditData>(state);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }
    EditData* w() const { return window.get(); }
    const PageLayout& page() const { return window->Layout(); }
    QWidget* Child(const QString& name) const { return window->findChild<QWidget*>(name); }
    QString Text(const QString& label) const { return window->findChild<QLabel*>(label)->text(); }
    void Click(const char* name) const { Press(w(), QString::fromLatin1(name)); }
    void Key(Qt::Key key) const { QTest::keyClick(w(), key); }
    void ToCat(int c) const {
        for (int i = 0; i < 12 && state.EdCat != c; ++i)
            Click("Ecmd_1");
    }
    /// Clicks the middle of the third character of the field's cell on the row.
    void ClickField(int field, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        const PageLayout& p = page();
        const QPoint at(TwipsToPxX(p.FieldX(field) + 2.5 * p.CharW),
                        TwipsToPxY(p.RowY(row, state.doc.NumStudents) + p.CharH / 2));
        QTest::mouseClick(w(), Qt::LeftButton, mods, at);
    }
    QColor SaveColor() const { return Child("Ecmd_8")->grab().toImage().pixelColor(3, 10); }
};

} // namespace

class EditDataTest : public QObject {
    Q_OBJECT

private slots:
    void init() { InputBox::ClearAsked(); }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    void buttonsMoveThePageAndColourSave() {
        Ed e;
        e.state.Changed = true;
        e.state.EdCat = 3;
        e.state.Display.IdDispLen = 2;
        e.w()->Load();
        QCOMPARE((QList<int>{e.state.EdCat, e.state.EdGroup, e.state.EdPage, e.page().ZoneShow[2]}),
                 (QList<int>{0, 1, 1, 11}));
        QVERIFY(!e.Child("Ecmd_2")->isEnabled() && !e.Child("Ecmd_3")->isEnabled());
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        e.Click("Ecmd_1");
        QVERIFY(e.state.EdCat == 2 && !e.state.Changed);
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));
        // A window kept narrower than the screen gets fewer fields a page, so the right-hand number column shows.
        Ed l(MakeDocument(100, {{"Long", 100, 64, 3}}));
        l.w()->resize(l.w()->width() / 2, l.w()->height());
        l.ToCat(2);
        QVERIFY(l.page().Fits && TwipsToPxX(l.page().LeftX + l.page().ZoneWid[0]) <= l.w()->width());
        l.Click("Ecmd_3");
        l.Click("Ecmd_2");
        QCOMPARE((QList<int>{l.page().FirstStu, l.page().FirstFld}),
                 (QList<int>{l.page().StuPerGroup + 1, l.page().FldPerPage + 1}));
        l.Click("Ecmd_1");
        QCOMPARE((QList<int>{l.state.EdCat, l.state.EdPage}), (QList<int>{0, 1}));
        l.Click("Ecmd_0");
        QVERIFY(!l.w()->isVisible());
    }

    void keysClicksAndPanelsReachTheCursor() {
        Ed e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QVERIFY(e.w()->Editing() && !e.Child("Ecmd_6")->isVisible());
        QStringList panels;
        for (int i = 1; i <= 9; ++i)
            panels << e.Text(QStringLiteral("SBar_%1").arg(i));
        QCOMPARE(panels.join('|'),
                 QStringLiteral("ESC|Category 2|Group 1|Possible Pts|Page 1|Field 1|Pos 1|Hort|EL=  3"));
        // The cursor cell is drawn inverted in its element's colours, and like the page again once left.
        const QRectF cell = e.w()->Renderer().ToPx(e.w()->Cursor().CurX, e.w()->Cursor().CurY, 1, 1);
        const auto corner = [&] { return e.w()->grab().toImage().pixelColor(cell.topLeft().toPoint() + QPoint(1, 1)); };
        QCOMPARE(corner(), QColor::fromRgb(QRgb(e.state.Display.FgColor[ElemBar])));
        const int p = e.state.doc.PossibleRow();
        QTest::keyClicks(e.w(), QStringLiteral("2"));
        QTest::keyClick(e.w(), Qt::Key_J, Qt::ControlModifier); // a line feed would split the row's line
        for (const QString& text : {QStringLiteral("\u00E9"), QStringLiteral("\u20AC")}) { // keys without a key code
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(e.w(), &press);
        }
        QCOMPARE(Field(e.state.doc, p, 2, 1), std::string(" 2\xE9\x80"));
        QTRY_COMPARE(corner(), QColor::fromRgb(QRgb(e.state.Display.BgColor[ElemBar])));
        QCOMPARE(e.Text("labH"), QStringLiteral("Field 2 "));
        QList<int> spots;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Tab})
            e.Key(key), spots << e.w()->Cursor().EdRow << e.w()->Cursor().EdField << e.w()->Cursor().EdCol;
        QCOMPARE(spots, (QList<int>{1, 2, 1, 1, 2, 2, p, 2, 2, p, 2, 1, p, 3, 1}));
        e.ClickField(3, 4);
        e.Click("SBar_8");
        e.Click("SBar_9");
        QCOMPARE(e.Text("SBar_4") + e.Text("SBar_6") + e.Text("SBar_7") + e.Text("SBar_8") + e.Text("SBar_9"),
                 QStringLiteral("Student 4Field 3Pos 0VertEL= 4"));
    }

    // Escape, the "ESC" panel and closing the window all leave edit mode and recalculate what was typed.
    void leavingEditModeRecalculates() {
        for (int how = 0; how < 3; ++how) {
            Ed e;
            e.ToCat(2);
            e.Click("Ecmd_6");
            QTest::keyClicks(e.w(), QStringLiteral(" 10"));
            e.Key(Qt::Key_Down);
            QTest::keyClicks(e.w(), QStringLiteral("  7")); // student 1: 7 of 10 points
            how == 0 ? e.Key(Qt::Key_Escape) : how == 1 ? e.Click("SBar_1") : (void)e.w()->close();
            QVERIFY(!e.w()->Editing() && e.Child("Ecmd_6")->isVisible() == (how != 2));
            QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string("  70"));
        }
    }

    void viewingClicksOpenThePopUps() {
        Ed e;
        e.ToCat(2);
        QString seen;
        InputBox::SetNextAnswer(QStringLiteral("Quiz on chapter 2"));
        WhenModal<PopUpInfo>([&](PopUpInfo* popup) {
            Press(popup, "cmdPopEdit");
            seen = popup->windowTitle() + ": " + popup->ShownText().trimmed();
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        });
        e.ClickField(2, 3);
        QCOMPARE(seen, QStringLiteral("FieldInfo for Field  2 (Catagory  2): Quiz on chapter 2"));
        QCOMPARE(InputBox::Asked().back().title + ": " + InputBox::Asked().back().prompt,
                 QStringLiteral("Info for Field 2 (Catagory 2): Enter Field Description:"));
        // With Shift the set-values window, whose confirmation decides.
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        WhenModal([&](QWidget* modal) {
            seen = modal->windowTitle() + ": " + modal->findChild<QLabel*>("labC")->text() + ", " +
                   modal->findChild<QLabel*>("labF")->text();
            QTest::keyClicks(modal->findChild<QLineEdit*>("txtVal"), QStringLiteral("x"));
            Press(modal, "cmdSet");
            QVERIFY2(modal->isVisible(), "the window stays open after setting");
            modal->close();
        });
        e.ClickField(2, 1, Qt::ShiftModifier);
        QCOMPARE(seen, QStringLiteral("Set Field Values: Catagory=  2, Field=  2"));
        QCOMPARE(MessageBox::Asked().back().text, QStringLiteral("Set Field Values to 'x   '"));
        QCOMPARE(Field(e.state.doc, 3, 2, 2), std::string("x   "));
        QTimer* none = FailOnModal(); // other modifiers open nothing
        for (auto m : {Qt::ControlModifier, Qt::AltModifier})
            e.ClickField(1, 1, m);
        delete none;
        // In edit mode the header labels edit the descriptions of the cursor's field and of the category.
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Tab);
        InputBox::SetNextAnswer(QStringLiteral("Second quiz"));
        e.Click("labHtxt");
        InputBox::SetNextAnswer(QStringLiteral("Unit tests"));
        e.Click("labH");
        QCOMPARE(InfoSlot(e.state.doc, 2, 2).substr(0, 11) + InfoSlot(e.state.doc, 2, 0).substr(0, 10),
                 std::string("Second quizUnit tests"));
        QCOMPARE(e.Text("labH") + e.Text("labHtxt").trimmed(), QStringLiteral("Field 0 Unit tests"));
    }

    void displayDialogReachesThePage() {
        Ed e;
        ColorPicker::SetNextAnswer(QColor(10, 20, 30));
        ColorPicker::SetNextAnswer(QColor(40, 50, 60));
        FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), 18, true, false});
        WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Change Display Attributes"));
            for (const char* control : {"Cbar_1", "cmdColor", "optTc", "cmdColor", "cmdFonts", "cmdApply"})
                Press(modal, control);
        });
        e.Click("Ecmd_4");
        QCOMPARE((QList<int>{FontPicker::LastMinSize(), FontPicker::LastMaxSize()}), (QList<int>{4, 18}));
        const DisplaySettings& d = e.state.Display;
        QCOMPARE((QList<Rgb>{d.BgColor[1], d.BgColor[6], d.FgColor[1], d.FgColor[6], Rgb(d.ScrFontSize),
                             Rgb(d.NameDispLen)}),
                 (QList<Rgb>{0x0A141E, 0x0A141E, 0x28323C, 0x28323C, 18, 30}));
        // "Default" takes effect at once, also when the dialog is cancelled.
        WhenModal([](QWidget* modal) {
            Press(modal, "cmdDefault");
            Press(modal, "cmdCancel");
        });
        e.Click("Ecmd_4");
        QVERIFY(e.state.Display.BgColor == DefaultDisplaySettings().BgColor);
    }

    // "&Modify" on a user category opens the field dialog; what it changed is computed again for the page.
    void modifyOnAUserCategoryRecomputesTheTotals() {
        Ed e;
        e.ToCat(2);
        WhenModal([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("ModCatDlg"));
            Press(modal, QStringLiteral("Opt_6"));
            modal->findChild<QLineEdit*>("txt_2")->setText(QStringLiteral("7")); // field 1: 7 of 7 points
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Press(modal, QStringLiteral("cmdApply"));
            Press(modal, QStringLiteral("cmdCancel"));
        });
        e.Click("Ecmd_5");
        QCOMPARE(QStringList({Field(e.state.doc, 1, 2, 0).c_str(), Field(e.state.doc, 1, 0, 1).c_str()}),
                 QStringList({" 100", " 100"}));
    }

    void infoAndSave() {
        Ed e;
        e.state.doc.InfoLine[1] = "Algebra";
        WhenModal([](QWidget* modal) { modal->close(); });
        e.Click("Ecmd_7");
        QVERIFY(!e.state.Changed); // left without applying
        WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("MrkInfo"));
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Press(modal, QStringLiteral("cmdApply"));
            modal->close();
        });
        e.Click("Ecmd_7");
        QVERIFY(e.state.Changed);
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Algebra (Class Section\?\?\?)"));
        // "&Save" runs the main window's Save As, and the button turns green again.
        e.w()->SetSaveAsHandler([&] { e.state.SavedImage = SerializeMarkroll(e.state.doc); });
        e.state.Changed = false;
        e.Click("Ecmd_8");
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));
    }
};

QTEST_MAIN(EditDataTest)
#include "EditDataTest.moc"

// The data editor's window wiring, driven offscreen: buttons, keys and clicks reach the page and the cursor,
// the modal windows open with the right texts and their answers reach the document. The cursor's own rules
// are checked on the model in EditCursorTest.

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
        state.FileName = "class.mrk";
        state.SavedImage = SerializeMarkroll(state.doc);
        window = std::make_unique<EditData>(state);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }
    EditData* w() const { return window.get(); }
    const EditCursor& cur() const { return window->Cursor(); }
    const PageLayout& page() const { return window->Layout(); }
    template <typename T = QWidget> T* Child(const QString& name) const { return window->findChild<T*>(name); }
    void Click(const char* name) const { Press(w(), QString::fromLatin1(name)); }
    QString PanelText(int i) const { return Child<QLabel>(QStringLiteral("SBar_%1").arg(i))->text(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const { QTest::keyClick(w(), key, mods); }
    void Type(const char* text) const { QTest::keyClicks(w(), QString::fromLatin1(text)); }
    void ToCat(int c) const {
        for (int i = 0; i < 12 && state.EdCat != c; ++i)
            Click("Ecmd_1");
    }
    void Edit(int c) const {
        ToCat(c);
        Click("Ecmd_6");
    }
    /// A point in the middle of the character cell at (x, y) twips.
    QPoint At(double x, double y) const { return {TwipsToPxX(x + page().CharW / 2), TwipsToPxY(y + page().CharH / 2)}; }
    QPoint FieldPoint(int field, int row) const {
        return At(page().FieldX(field) + 2 * page().CharW, page().RowY(row, state.doc.NumStudents));
    }
    void ClickAt(QPoint point, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        QTest::mouseClick(w(), Qt::LeftButton, mods, point);
    }
    QList<int> Spot() const { return {cur().EdRow, cur().EdField, cur().EdCol}; }
    QColor SaveColor() const { return Child("Ecmd_8")->grab().toImage().pixelColor(3, 10); }
    QColor Pixel(float x, float y) const {
        const QRectF cell = w()->Renderer().ToPx(x, y, page().CharW, page().CharH);
        return w()->grab().toImage().pixelColor(QPoint(int(std::ceil(cell.left())), int(std::ceil(cell.top()))));
    }
};

} // namespace

class EditDataTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        MessageBox::ClearAsked();
        InputBox::ClearAsked();
    }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    void buttonsMoveThePageAndColourSave() {
        Ed e;
        e.state.Changed = true;
        e.state.EdCat = 3;
        e.state.Display.IdDispLen = 2;
        e.w()->Load();
        QCOMPARE((QList<int>{e.state.EdCat, e.state.EdGroup, e.state.EdPage, e.page().ZoneShow[2]}),
                 (QList<int>{0, 1, 1, 11}));
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Class Name\?\?\? (Class Section\?\?\?)"));
        QVERIFY(!e.Child("Ecmd_2")->isEnabled() && !e.Child("Ecmd_3")->isEnabled());
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        e.Click("Ecmd_1");
        QCOMPARE(int(e.state.EdCat), 2);
        QVERIFY(!e.state.Changed);
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));

        Ed l(MakeDocument(100, {{"Long", 100, 64, 3}}));
        l.ToCat(2);
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
        e.Edit(2);
        QVERIFY(e.w()->Editing() && !e.Child("Ecmd_6")->isVisible());
        QStringList panels;
        for (int i = 1; i <= 9; ++i)
            panels << e.PanelText(i);
        QCOMPARE(panels.join('|'), QStringLiteral("ESC|Category 2|Group 1|Possible Pts|Page 1|Field 1|Pos 1|Hort|EL=  3"));
        // The cursor cell is drawn inverted in its element's colours, and like the page again once left.
        const float x = e.cur().CurX;
        const float y = e.cur().CurY;
        QCOMPARE(e.Pixel(x, y), QColor::fromRgb(QRgb(e.state.Display.FgColor[ElemBar])));
        const int p = e.state.doc.PossibleRow();
        e.Type("2");
        e.Key(Qt::Key_J, Qt::ControlModifier); // a line feed would split the row's line in the file
        for (const QString text : {QStringLiteral("\u00E9"), QStringLiteral("\u20AC")}) { // keys without a key code
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(e.w(), &press);
        }
        QCOMPARE(Field(e.state.doc, p, 2, 1), std::string(" 2\xE9\x80"));
        QTRY_COMPARE(e.Pixel(x, y), QColor::fromRgb(QRgb(e.state.Display.BgColor[ElemBar])));
        QCOMPARE(e.Child<QLabel>("labH")->text(), QStringLiteral("Field 2 "));
        QList<int> spots;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Tab})
            e.Key(key), spots << e.Spot();
        QCOMPARE(spots, (QList<int>{1, 2, 1, 1, 2, 2, p, 2, 2, p, 2, 1, p, 3, 1}));
        e.ClickAt(e.FieldPoint(3, 4));
        QCOMPARE(e.Spot(), (QList<int>{4, 3, 1}));
        Press(e.w(), "SBar_8");
        Press(e.w(), "SBar_9");
        QCOMPARE(e.PanelText(4) + e.PanelText(7) + e.PanelText(8) + e.PanelText(9),
                 QStringLiteral("Student 4Pos 0VertEL= 4"));
        // All nine panels fit on the screen, each wide enough for its text.
        auto* bar = e.Child("SBar");
        for (auto* panel : bar->findChildren<QLabel*>())
            QVERIFY2(panel->geometry().right() < bar->width() &&
                         panel->fontMetrics().horizontalAdvance(panel->text()) + 8 < panel->width(),
                     qPrintable(panel->objectName()));
    }

    // Escape, the "ESC" panel and closing the window all leave edit mode and recalculate what was typed.
    void leavingEditModeRecalculates_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Escape") << 0;
        QTest::newRow("ESC panel") << 1;
        QTest::newRow("closing the window") << 2;
    }
    void leavingEditModeRecalculates() {
        QFETCH(int, how);
        Ed e;
        e.Edit(2);
        e.Type(" 10 20");
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Tab);
        e.Type("  7 15"); // student 1: 22 of 30 points
        how == 0 ? e.Key(Qt::Key_Escape) : how == 1 ? Press(e.w(), "SBar_1") : (void)e.w()->close();
        QVERIFY(!e.w()->Editing() && e.Child("Ecmd_6")->isVisible() == (how != 2));
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string("  73"));
    }

    void viewingClicksOpenThePopUps() {
        Ed e;
        e.ToCat(2);
        QString title;
        InputBox::SetNextAnswer(QStringLiteral("Quiz on chapter 2"));
        WhenModal<PopUpInfo>([&](PopUpInfo* popup) {
            Press(popup, "cmdPopEdit");
            title = popup->windowTitle() + ": " + popup->ShownText().trimmed();
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        });
        e.ClickAt(e.FieldPoint(2, 3));
        QCOMPARE(title, QStringLiteral("FieldInfo for Field  2 (Catagory  2): Quiz on chapter 2"));
        QCOMPARE(InfoSlot(e.state.doc, 2, 2).substr(0, 18), std::string("Quiz on chapter 2 "));
        QCOMPARE(InputBox::Asked().back().title + ": " + InputBox::Asked().back().prompt,
                 QStringLiteral("Info for Field 2 (Catagory 2): Enter Field Description:"));
        // With Shift the set-values window, whose confirmation decides.
        for (bool confirm : {false, true}) {
            MessageBox::SetNextAnswer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
            WhenModal([&](QWidget* modal) {
                title = modal->windowTitle() + ": " + modal->findChild<QLabel*>("labC")->text() + ", " +
                        modal->findChild<QLabel*>("labF")->text();
                QTest::keyClicks(modal->findChild<QLineEdit*>("txtVal"), QStringLiteral("x"));
                Press(modal, "cmdSet");
                QVERIFY2(modal->isVisible(), "the window stays open after setting");
                modal->close();
            });
            e.ClickAt(e.FieldPoint(2, 1), Qt::ShiftModifier);
            QCOMPARE(title, QStringLiteral("Set Field Values: Catagory=  2, Field=  2"));
            QCOMPARE(MessageBox::Asked().back().title + ": " + MessageBox::Asked().back().text,
                     QStringLiteral("Set Field Values: Set Field Values to 'x   '"));
            QCOMPARE(Field(e.state.doc, 3, 2, 2), confirm ? std::string("x   ") : std::string(" ..."));
        }
        // Other modifiers open nothing.
        QTimer* none = FailOnModal();
        for (auto m : {Qt::ControlModifier, Qt::AltModifier})
            e.ClickAt(e.FieldPoint(1, 1), m);
        delete none;
    }

    void headerLabelsEditDescriptions() {
        Ed e;
        e.Edit(2);
        e.Key(Qt::Key_Tab);
        InputBox::SetNextAnswer(QStringLiteral("Second quiz"));
        e.Click("labHtxt");
        QCOMPARE(InfoSlot(e.state.doc, 2, 2).substr(0, 11), std::string("Second quiz"));
        QCOMPARE(e.Child<QLabel>("labHtxt")->text().trimmed(), QStringLiteral("Second quiz"));
        InputBox::SetNextAnswer(QStringLiteral("Unit tests"));
        e.Click("labH");
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 0 (Catagory 2)"));
        QCOMPARE(InfoSlot(e.state.doc, 2, 0).substr(0, 10), std::string("Unit tests"));
        QCOMPARE(e.Child<QLabel>("labH")->text(), QStringLiteral("Field 0 "));
    }

    void displayDialogReachesThePage() {
        Ed e;
        ColorPicker::SetNextAnswer(QColor(10, 20, 30));
        FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), 18, true, false});
        WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Change Display Attributes"));
            Press(modal, "Cbar_1");
            Press(modal, "cmdColor");
            Press(modal, "cmdFonts");
            auto* txtLid = modal->findChild<QLineEdit*>("txtLid");
            txtLid->selectAll();
            QTest::keyClicks(txtLid, QStringLiteral("4"));
            Press(modal, "cmdApply");
        });
        e.Click("Ecmd_4");
        QCOMPARE((QList<int>{FontPicker::LastMinSize(), FontPicker::LastMaxSize()}), (QList<int>{4, 18}));
        QCOMPARE(e.state.Display.ScrFontSize, 18);
        if (e.page().Fits) {
            QCOMPARE(e.Pixel(0, e.page().RowY(1, 5)), QColor(10, 20, 30));
            QCOMPARE(e.page().ZoneShow[2], 4);
        } else {
            QCOMPARE(QString::fromStdString(e.page().Message), QStringLiteral("Window too small for this font"));
            QVERIFY(!e.Child("Ecmd_6")->isEnabled());
        }
        // "Default" takes effect at once, also when the dialog is cancelled.
        WhenModal([](QWidget* modal) {
            Press(modal, "cmdDefault");
            Press(modal, "cmdCancel");
        });
        e.Click("Ecmd_4");
        QVERIFY(e.state.Display.BgColor == DefaultDisplaySettings().BgColor && e.page().Fits);
    }

    void infoAndSave() {
        Ed e;
        WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("MrkInfo"));
            e.state.doc.InfoLine[1] = "Algebra";
            e.state.doc.InfoLine[4] = "Ms. Noether";
            modal->close();
        });
        e.Click("Ecmd_7");
        QVERIFY(!e.state.Changed); // left without applying
        WhenModal([&](QWidget* modal) {
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Press(modal, QStringLiteral("cmdApply"));
            modal->close();
        });
        e.Click("Ecmd_7");
        QVERIFY(e.state.Changed);
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Algebra (Class Section\?\?\?)"));
        QCOMPARE(e.page().Rows.back().Texts[0].Literal.substr(0, 11), std::string("Ms. Noether"));
        // "&Save" runs the main window's Save As; the button is red while there is anything unsaved.
        e.state.Changed = false;
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        int saves = 0;
        e.w()->SetSaveAsHandler([&] {
            ++saves;
            e.state.SavedImage = SerializeMarkroll(e.state.doc);
        });
        e.Click("Ecmd_8");
        QCOMPARE(saves, 1);
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));
    }

    // A window kept narrower than the screen gets fewer fields a page, so the right-hand number column shows.
    void pageFitsAWindowNarrowerThanTheScreen() {
        Ed e(MakeDocument(10, {{"Long", 100, 64, 3}}));
        e.w()->resize(e.w()->width() / 2, e.w()->height());
        e.ToCat(2);
        QVERIFY(e.page().Fits && e.page().NumPages >= 2);
        QVERIFY(TwipsToPxX(e.page().LeftX + e.page().ZoneWid[0]) <= e.w()->width());
    }
};

QTEST_MAIN(EditDataTest)
#include "EditDataTest.moc"

// The data editor's window wiring, driven offscreen: its buttons, keys and clicks reach the page and the
// cursor, its modal windows are opened and answered, and what it shows follows. The cursor's own rules are
// checked on the model in EditCursorTest.

#include <QLineEdit>
#include <QPaintEvent>
#include <QSpinBox>

#include "editor/EditDisp.h"
#include "editor/EditorTestSupport.h"
#include "editor/PopUpInfo.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Pickers.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Five students, "Tests" with fields 1..3 and "Homework" with fields 1..2.
struct Ed : Editor {
    explicit Ed(Document doc = MakeDocument(5, {{"Tests", 40, 4, 3}, {"Homework", 60, 3, 3}}))
        : Editor(std::move(doc)) {}
    QColor SaveColor() const { return Child("Ecmd_8")->grab().toImage().pixelColor(3, 10); }
    void Disp(std::function<void(QWidget*)> action) const {
        WhenModal(std::move(action));
        Click("Ecmd_4");
    }
};

/// A key press that carries only its text, as a keyboard sends a character it has no key code for.
void SendText(QWidget* w, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
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
        QCOMPARE((QList<int>{e.state.EdCat, e.state.EdGroup, e.state.EdPage}), (QList<int>{0, 1, 1}));
        QVERIFY(e.state.Display == DefaultDisplaySettings());
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Class Name\?\?\? (Class Section\?\?\?)"));
        QVERIFY(!e.Child("Ecmd_2")->isEnabled() && !e.Child("Ecmd_3")->isEnabled());
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        QList<int> cats;
        for (int i = 0; i < 3; ++i) {
            e.Click("Ecmd_1");
            cats << e.state.EdCat;
        }
        QCOMPARE(cats, (QList<int>{2, 3, 0}));
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

    void keysAndClicksReachTheCursor() {
        Ed e;
        e.Edit(2);
        QVERIFY(e.w()->Editing() && !e.Child("Ecmd_6")->isVisible() && e.Child("SBar")->isVisible());
        QStringList panels;
        for (int i = 1; i <= 9; ++i)
            panels << e.PanelText(i);
        QCOMPARE(panels, (QStringList{"ESC", "Category 2", "Group 1", "Possible Pts", "Page 1", "Field 1", "Pos 1",
                                      "Hort", "EL=  3"}));
        const int p = e.state.doc.PossibleRow();
        e.Type("2");
        e.Key(Qt::Key_Right, Qt::ControlModifier); // not an arrow the editor takes
        e.Key(Qt::Key_Down, Qt::AltModifier);
        e.Key(Qt::Key_J, Qt::ControlModifier);
        SendText(e.w(), QStringLiteral("\u03A9")); // no Windows-1252 code
        SendText(e.w(), QStringLiteral("\u00E9"));
        SendText(e.w(), QStringLiteral("\u20AC"));
        QCOMPARE(Field(e.state.doc, p, 2, 1), std::string(" 2\xE9\x80"));
        QCOMPARE(e.Spot(), (QList<int>{p, 2, 1}));
        QCOMPARE(e.Child<QLabel>("labH")->text(), QStringLiteral("Field 2 "));
        QList<int> spots;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Tab})
            e.Key(key), spots << e.Spot();
        QCOMPARE(spots, (QList<int>{1, 2, 1, 1, 2, 2, p, 2, 2, p, 2, 1, p, 3, 1}));
        e.ClickAt(e.FieldPoint(3, 4));
        QCOMPARE(e.Spot(), (QList<int>{4, 3, 1}));
        QCOMPARE(e.PanelText(7), QStringLiteral("PPos 1"));
        Press(e.w(), "SBar_8");
        Press(e.w(), "SBar_9");
        QCOMPARE(e.PanelText(8) + e.PanelText(9), QStringLiteral("VertEL= 4"));
        // All nine panels fit on the screen, each wide enough for its text.
        auto* bar = e.Child("SBar");
        for (auto* panel : bar->findChildren<QLabel*>())
            QVERIFY2(panel->geometry().right() < bar->width() &&
                         panel->fontMetrics().horizontalAdvance(panel->text()) + 8 < panel->width(),
                     qPrintable(panel->objectName()));
    }

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
        e.Type("  7 15");
        if (how == 0)
            e.Key(Qt::Key_Escape);
        else if (how == 1)
            Press(e.w(), "SBar_1");
        else
            QVERIFY(e.w()->close());
        QVERIFY(!e.w()->Editing());
        QCOMPARE(Field(e.state.doc, 1, 0, 3), std::string("  29"));
        if (how != 2)
            QVERIFY(!e.Child("SBar")->isVisible() && e.Child("Ecmd_6")->isVisible());
    }

    // The cursor cell is drawn inverted in the colours of its element; the cell it leaves shows the page again.
    void cursorCellIsDrawnInverted_data() {
        QTest::addColumn<int>("cat");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("element");
        QTest::newRow("possible points") << 2 << 0 << int(ElemBar);
        QTest::newRow("student") << 2 << 1 << int(ElemData);
        QTest::newRow("ID#") << 0 << 0 << int(ElemId);
    }
    void cursorCellIsDrawnInverted() {
        QFETCH(int, cat);
        QFETCH(int, downs);
        QFETCH(int, element);
        Ed e;
        e.Edit(cat);
        for (int i = 0; i < downs; ++i)
            e.Key(Qt::Key_Down);
        const auto corner = [&e](float x, float y) {
            const QRectF cell = e.w()->Renderer().ToPx(x, y, e.page().CharW, e.page().CharH);
            return e.w()->grab().toImage().pixelColor(QPoint(int(std::ceil(cell.left())), int(std::ceil(cell.top()))));
        };
        const float x = e.cur().CurX;
        const float y = e.cur().CurY;
        const DisplaySettings& d = e.state.Display;
        QCOMPARE(corner(x, y), QColor::fromRgb(QRgb(d.FgColor[static_cast<std::size_t>(element)])));
        e.Key(Qt::Key_Right);
        QTRY_COMPARE(corner(x, y), QColor::fromRgb(QRgb(d.BgColor[static_cast<std::size_t>(element)])));
        // A key press repaints only the cells it changed.
        QTest::qWait(50);
        PaintSpy spy;
        e.w()->installEventFilter(&spy);
        e.Type("5");
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect cell = e.w()->Renderer().CellRect(e.page(), e.cur().CurX, e.cur().CurY);
        QVERIFY(spy.painted.boundingRect().width() <= 3 * cell.width() &&
                spy.painted.boundingRect().height() <= cell.height());
        e.w()->removeEventFilter(&spy);
    }

    void viewingClickOpensFieldInfo() {
        Ed e;
        e.ToCat(2);
        QString title;
        QString shown;
        InputBox::SetNextAnswer(QStringLiteral("Quiz on chapter 2"));
        WhenModal<PopUpInfo>([&](PopUpInfo* popup) {
            title = popup->windowTitle();
            Press(popup, "cmdPopEdit");
            shown = popup->ShownText();
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        });
        e.ClickAt(e.FieldPoint(2, 3));
        QCOMPARE(title, QStringLiteral("FieldInfo for Field  2 (Catagory  2)"));
        QCOMPARE(shown.trimmed(), QStringLiteral("Quiz on chapter 2"));
        QCOMPARE(InfoSlot(e.state.doc, 2, 2), std::string("Quiz on chapter 2") + std::string(64 - 17, ' '));
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 2 (Catagory 2)"));
        QCOMPARE(InputBox::Asked().back().prompt, QStringLiteral("Enter Field Description:"));
        // A click past the last field shows the category's own description.
        WhenModal<PopUpInfo>([&](PopUpInfo* popup) {
            title = popup->windowTitle();
            popup->close();
        });
        e.ClickAt(e.At(e.page().DataEndX + 3000, e.page().PossY));
        QCOMPARE(title, QStringLiteral("FieldInfo for Field  0 (Catagory  2)"));
        // Other modifiers open nothing.
        QTimer* none = FailOnModal();
        for (Qt::KeyboardModifiers m : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ShiftModifier | Qt::ControlModifier, Qt::KeyboardModifiers(Qt::AltModifier)})
            e.ClickAt(e.FieldPoint(1, 1), m);
        QTest::qWait(50);
        delete none;
    }

    void shiftClickSetsFieldValues_data() {
        QTest::addColumn<int>("cat");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("category, OK") << 2 << true;
        QTest::newRow("category, Cancel") << 2 << false;
        QTest::newRow("summary, OK") << 0 << true;
    }
    void shiftClickSetsFieldValues() {
        QFETCH(int, cat);
        QFETCH(bool, confirm);
        Ed e;
        e.ToCat(cat);
        const Document before = e.state.doc;
        QStringList seen;
        MessageBox::SetNextAnswer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
        WhenModal([&](QWidget* modal) {
            seen << modal->objectName() << modal->windowTitle() << modal->findChild<QLabel*>("labC")->text()
                 << modal->findChild<QLabel*>("labF")->text();
            QTest::keyClicks(modal->findChild<QLineEdit*>("txtVal"), QStringLiteral("x"));
            Press(modal, "cmdSet");
            QVERIFY2(modal->isVisible(), "the window stays open after setting");
            modal->close();
        });
        e.ClickAt(e.FieldPoint(2, 1), Qt::ShiftModifier);
        QCOMPARE(seen,
                 (QStringList{"PopUpChg", "Set Field Values", QStringLiteral("Catagory=  %1").arg(cat), "Field=  2"}));
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked()[0].title + ": " + MessageBox::Asked()[0].text,
                 QStringLiteral("Set Field Values: Set Field Values to 'x   '"));
        const Document& doc = e.state.doc;
        const int p = doc.PossibleRow();
        for (int r = 0; r <= p; ++r)
            QCOMPARE(Field(doc, r, cat, 2), !confirm || (cat == 0 && r == p) ? Field(before, r, cat, 2) : "x   ");
        QCOMPARE(doc.CatData(doc.TitleRow(), cat), before.CatData(doc.TitleRow(), cat));
        QCOMPARE(Field(doc, 1, cat, 1), Field(before, 1, cat, 1));
    }

    void headerLabelsEditDescriptions() {
        Ed e;
        e.Edit(2);
        e.Key(Qt::Key_Tab);
        InputBox::SetNextAnswer(QString(70, QLatin1Char('d')));
        e.Click("labHtxt");
        QCOMPARE(InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));
        QCOMPARE(e.Child<QLabel>("labHtxt")->text(), QStringLiteral(" ") + QString(64, QLatin1Char('d')));
        InputBox::SetNextAnswer(QString()); // an empty answer keeps the description
        e.Click("labHtxt");
        QCOMPARE(InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));
        InputBox::SetNextAnswer(QStringLiteral("Unit tests"));
        e.Click("labH");
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 0 (Catagory 2)"));
        QCOMPARE(InfoSlot(e.state.doc, 2, 0).substr(0, 10), std::string("Unit tests"));
        QCOMPARE(e.Child<QLabel>("labH")->text(), QStringLiteral("Field 0 "));
    }

    void displayDialogReachesThePage() {
        Ed e;
        ColorPicker::SetNextAnswer(QColor(10, 20, 30));
        e.Disp([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Change Display Attributes"));
            Press(modal, "Cbar_1");
            Press(modal, "cmdColor");
            auto* txtLid = modal->findChild<QLineEdit*>("txtLid");
            txtLid->selectAll();
            QTest::keyClicks(txtLid, QStringLiteral("4"));
            Press(modal, "cmdApply");
        });
        // The left and right borders change together; the page is drawn in the new colour.
        QCOMPARE((QList<Rgb>{e.state.Display.BgColor[1], e.state.Display.BgColor[6]}), (QList<Rgb>{0x0A141E, 0x0A141E}));
        QCOMPARE(e.w()->grab().toImage().pixelColor(e.At(0, e.page().RowY(1, 5))), QColor(10, 20, 30));
        QCOMPARE(e.page().ZoneShow[2], 4);
        // "Default" takes effect at once, also when the dialog is cancelled.
        e.Disp([](QWidget* modal) {
            Press(modal, "cmdDefault");
            Press(modal, "cmdCancel");
        });
        QVERIFY(e.state.Display.BgColor == DefaultDisplaySettings().BgColor);
    }

    void fontTooLargeShowsAMessageUntilASmallerOne() {
        Ed e;
        e.ToCat(2);
        const auto choose = [&e](int size, QString* caption = nullptr) {
            FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), size, true, false});
            e.Disp([caption](QWidget* modal) {
                Press(modal, "cmdFonts");
                if (caption)
                    *caption = modal->findChild<QLabel*>("labFont")->text();
                Press(modal, "cmdApply");
            });
        };
        QString caption;
        choose(18, &caption);
        QCOMPARE(caption, QStringLiteral("Courier - Regular Bold 18 pts"));
        QCOMPARE(QList<int>({FontPicker::LastMinSize(), FontPicker::LastMaxSize()}), QList<int>({4, 18}));
        if (static_cast<int>((ScreenSizeTwips().width() / e.page().CharW - 56) / 4) >= 1)
            QSKIP("this screen is wide enough for an 18 point page");
        QCOMPARE(QString::fromStdString(e.page().Message), QStringLiteral("Window too small for this font"));
        QVERIFY(!e.Child("Ecmd_6")->isEnabled());
        choose(8);
        QVERIFY(e.page().Fits && e.Child("Ecmd_6")->isEnabled());
    }

    void infoOpensTheInformationDialog() {
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
    }

    void saveRunsTheMainWindowsSaveAs() {
        Ed e;
        int saves = 0;
        e.w()->SetSaveAsHandler([&] {
            ++saves;
            e.state.SavedImage = SerializeMarkroll(e.state.doc);
        });
        // Scores typed and not saved turn the button red, whatever Changed says.
        e.Edit(2);
        e.Type("7");
        e.Key(Qt::Key_Escape);
        QVERIFY(!e.state.Changed);
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
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

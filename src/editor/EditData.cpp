#include "editor/EditData.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "editor/ClickLabel.h"
#include "editor/EditDisp.h"
#include "editor/EditKeys.h"
#include "editor/FieldInfo.h"
#include "editor/FieldInfoEdit.h"
#include "editor/PopUpChg.h"
#include "editor/PopUpInfo.h"
#include "grading/MrkInfo.h"
#include "modify/ModCatDlg.h"
#include "modify/ModSumDlg.h"
#include "platform/Platform.h"
#include "reports/StatsView.h"
#include "widgets/LabelStyle.h"

namespace markroll {

namespace {

struct EcmdDef {
    const char* caption;
    const char* tooltip;
    QRgb color;
};

// Left to right along the top of the window.
constexpr std::array<EcmdDef, EditData::NumEcmd> Ecmds = {{
    {"E&xit", "Exit Update Mode", qRgb(255, 128, 128)},
    {"&Cat", "Next Catagory", qRgb(128, 255, 255)},
    {"&Page", "Next Page", qRgb(192, 192, 255)},
    {"&Group", "Next Group of Students", qRgb(255, 255, 128)},
    {"&Disp", "Change Display Colors", qRgb(192, 255, 192)},
    {"&Modify", "Modify Catagory", qRgb(255, 128, 255)},
    {"&Edit", "Edit Catagory Data", qRgb(0, 255, 0)},
    {"&Info", "Edit Markroll Info", qRgb(255, 192, 128)},
    {"&Save", "Save AS Current File", qRgb(128, 255, 128)},
}};

enum Ecmd : int { CmdExit, CmdCat, CmdPage, CmdGroup, CmdDisp, CmdModify, CmdEdit, CmdInfo, CmdSave };

// Status bar panel widths in twips, panels 1..9.
constexpr std::array<int, EditData::NumPanels + 1> PanelWidth = {0, 882, 2117, 2117, 2117, 1764, 2117, 1235, 882, 1058};

constexpr QRgb SaveUnchanged = qRgb(128, 255, 128);
constexpr QRgb SaveChanged = qRgb(255, 0, 0);

constexpr int ButtonWidthTw = 1100;
constexpr int ButtonHeightTw = 360;
constexpr int ButtonGapTw = 60;
constexpr int SBarHeightTw = 330;
constexpr int HeaderXTw = 100;
constexpr int HeaderYTw = 100;

QString ButtonStyle(QRgb color) {
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #404040; }"
                          "QPushButton:disabled { color: #808080; }"
                          "QPushButton:pressed { border: 2px inset #404040; }")
        .arg(QColor(color).name());
}

QString Num(int n) {
    return QString::fromStdString(NumTextTrim(n));
}

} // namespace

EditData::EditData(AppState& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state), m_cursor(state) {
    setObjectName(QStringLiteral("EditData"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    BuildControls();
    Load();
}

void EditData::BuildControls() {
    for (int i = 0; i < NumEcmd; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(Ecmds[static_cast<std::size_t>(i)].caption), this);
        button->setObjectName(QStringLiteral("Ecmd_%1").arg(i));
        button->setToolTip(QString::fromLatin1(Ecmds[static_cast<std::size_t>(i)].tooltip));
        button->setStyleSheet(ButtonStyle(Ecmds[static_cast<std::size_t>(i)].color));
        // Keys belong to the page; the buttons answer to clicks and their access keys.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { Ecmd_Click(i); });
        m_ecmd[static_cast<std::size_t>(i)] = button;
    }

    m_sbar = new QWidget(this);
    m_sbar->setObjectName(QStringLiteral("SBar"));
    m_sbar->setAutoFillBackground(true);
    for (int i = 1; i <= NumPanels; ++i) {
        auto* panel = new ClickLabel(m_sbar);
        panel->setObjectName(QStringLiteral("SBar_%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(4);
        connect(panel, &ClickLabel::clicked, this, [this, i] { SBar_PanelClick(i); });
        m_panel[static_cast<std::size_t>(i)] = panel;
    }

    m_labH = new ClickLabel(this);
    m_labH->setObjectName(QStringLiteral("labH"));
    m_labH->setText(QStringLiteral("Field Header"));
    m_labH->setToolTip(QStringLiteral("Click to Change Header"));
    connect(m_labH, &ClickLabel::clicked, this, [this] { labH_Click(); });
    m_labHtxt = new ClickLabel(this);
    m_labHtxt->setObjectName(QStringLiteral("labHtxt"));
    m_labHtxt->setText(QStringLiteral("Field Info"));
    m_labHtxt->setToolTip(QStringLiteral("Click to Change Header"));
    connect(m_labHtxt, &ClickLabel::clicked, this, [this] { labHtxt_Click(); });

    // The clicked category and field, as the pop-ups are given them.
    m_labPopF = new QLabel(this);
    m_labPopF->setObjectName(QStringLiteral("labPopF"));
    m_labPopCat = new QLabel(this);
    m_labPopCat->setObjectName(QStringLiteral("labPopCat"));
    for (QLabel* hidden : {m_labPopF, m_labPopCat})
        hidden->hide();

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("labNotice"));
    m_notice->setStyleSheet(QStringLiteral("QLabel { background: #ffff80; color: black; padding: 2px; }"));
    m_notice->hide();
}

void EditData::ShowNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->adjustSize();
    const int barHeight = TwipsToPxY(SBarHeightTw);
    m_notice->move(0, height() - barHeight - m_notice->height());
    m_notice->setVisible(!text.isEmpty());
    m_notice->raise();
}

void EditData::PlaceControls() {
    for (int i = 0; i < NumEcmd; ++i) {
        const double x = ButtonGapTw + i * (ButtonWidthTw + ButtonGapTw);
        m_ecmd[static_cast<std::size_t>(i)]->setGeometry(TwipsToPxX(x), TwipsToPxY(20), TwipsToPxX(ButtonWidthTw),
                                                         TwipsToPxY(ButtonHeightTw));
    }
    const int barHeight = TwipsToPxY(SBarHeightTw);
    m_sbar->setGeometry(0, height() - barHeight, width(), barHeight);
    // On a screen narrower than the panels they shrink alike, so the switches at the right end (direction
    // and edit length) stay on the screen and can be clicked.
    int total = 0;
    for (int i = 1; i <= NumPanels; ++i)
        total += PanelWidth[static_cast<std::size_t>(i)];
    const double scale = std::min(1.0, static_cast<double>(width()) / TwipsToPxX(total));
    int x = 0;
    for (int i = 1; i <= NumPanels; ++i) {
        const int w = static_cast<int>(TwipsToPxX(PanelWidth[static_cast<std::size_t>(i)]) * scale);
        m_panel[static_cast<std::size_t>(i)]->setGeometry(x, 0, w, barHeight);
        x += w;
    }
}

QString EditData::Caption() const {
    const auto line = [this](std::size_t i) {
        return i < m_state.doc.InfoLine.size() ? m_state.doc.InfoLine[i] : std::string();
    };
    return FromBytes("Markroll Update: " + line(1) + " (" + line(2) + ")");
}

void EditData::Load() {
    m_cursor.Load();
    ColorSaveButton();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    setWindowTitle(Caption());
    for (QPushButton* button : m_ecmd)
        button->show();
    m_sbar->hide();
    m_labH->hide();
    m_labHtxt->hide();
    // Every opening starts from the default font, the full ID# and name and the default colours.
    m_state.Display = DefaultDisplaySettings();
    m_state.ResetEditorPosition();
    PlaceControls();
    Redraw();
}

PageMetrics EditData::Metrics() const {
    PageMetrics m;
    m.CharW = m_renderer.CharW();
    m.CharH = m_renderer.CharH();
    m.WindowHeight = PxToTwipsY(frameGeometry().height());
    m.SBarHeight = PxToTwipsY(m_sbar->height());
    // The fields of a page are counted for the screen, but never more than the window shows: a window manager
    // may keep the window narrower than the screen, and the page's right-hand column must not be cut.
    m.ScreenWidth = std::min<double>(ScreenSizeTwips().width(), PxToTwipsX(width()));
    return m;
}

void EditData::Redraw() {
    const DisplaySettings& d = m_state.Display;
    const QFont font = ResolveFont(FromBytes(d.ScrFontName), d.ScrFontSize, d.ScrFontBold, d.ScrFontItalic);
    if (font != m_renderer.Font() || m_renderer.CharW() <= 0)
        m_renderer = PageRenderer(font);
    m_cursor.SetLayout(DispCat(m_state.doc, m_state.EdCat, m_state.EdGroup, m_state.EdPage, d, Metrics()));
    const PageLayout& page = m_cursor.Layout();
    m_ecmd[CmdPage]->setEnabled(page.PageEnabled);
    m_ecmd[CmdGroup]->setEnabled(page.GroupEnabled);
    m_ecmd[CmdEdit]->setEnabled(page.Fits);
    ColorSaveButton();
    update();
}

void EditData::ColorSaveButton() {
    // Red whenever there is something to save: Changed marks some commands, and typed scores show as a
    // difference from what was last loaded or saved.
    const bool unsaved = m_state.Changed || HasUnsavedChanges(m_state);
    const QString style = ButtonStyle(unsaved ? SaveChanged : SaveUnchanged);
    if (m_ecmd[CmdSave]->styleSheet() != style)
        m_ecmd[CmdSave]->setStyleSheet(style);
}

void EditData::Ecmd_Click(int index) {
    const PageLayout& page = m_cursor.Layout();
    switch (index) {
    case CmdExit:
        close();
        break;
    case CmdCat:
        ++m_state.EdCat;
        if (m_state.EdCat == 1)
            m_state.EdCat = 2;
        if (m_state.EdCat > m_state.doc.NumCats - 1)
            m_state.EdCat = 0;
        m_state.EdPage = 1;
        Redraw();
        m_state.Changed = false;
        ColorSaveButton();
        break;
    case CmdPage:
        if (page.NumPages > 1) {
            if (++m_state.EdPage > page.NumPages)
                m_state.EdPage = 1;
            Redraw();
        }
        break;
    case CmdGroup:
        if (page.NumGroups > 1) {
            if (++m_state.EdGroup > page.NumGroups)
                m_state.EdGroup = 1;
            Redraw();
        }
        break;
    case CmdDisp: {
        EditDisp dialog(m_state, this);
        dialog.exec();
        Redraw();
        break;
    }
    case CmdModify: {
        bool changed = false;
        if (m_state.EdCat <= 1) {
            ModSumDlg dialog(m_state, this);
            dialog.SetSaveAsHandler(m_saveAs);
            dialog.exec();
            changed = dialog.DocumentChanged();
        } else {
            ModCatDlg dialog(m_state, this);
            dialog.SetSaveAsHandler(m_saveAs);
            dialog.exec();
            changed = dialog.DocumentChanged();
        }
        // The student and field operations move rows and cells and leave the totals to be computed again; the
        // totals belong to the dialog's last step.
        if (changed) {
            RecalcAll(m_state.doc);
            AmendStep(m_state);
        }
        // Deleted fields may leave the page shown past the last one; the layout brings it back.
        Redraw();
        break;
    }
    case CmdEdit:
        StartEdit();
        break;
    case CmdInfo: {
        MrkInfo dialog(m_state, this);
        dialog.exec();
        if (dialog.Applied())
            m_state.Changed = true;
        // The footer and the caption show info lines, which the dialog may have rewritten.
        setWindowTitle(Caption());
        ColorSaveButton();
        Redraw();
        break;
    }
    case CmdSave:
        if (m_saveAs)
            m_saveAs();
        ColorSaveButton();
        break;
    default:
        break;
    }
}

void EditData::StartEdit() {
    if (!m_cursor.StartEdit()) {
        QApplication::beep();
        return;
    }
    for (QPushButton* button : m_ecmd)
        button->hide();
    m_sbar->show();
    m_labH->move(TwipsToPxX(HeaderXTw), TwipsToPxY(HeaderYTw));
    m_labH->show();
    m_labHtxt->show();
    m_shownInfoCat = -1;
    ShowCursorState();
    setFocus();
    update();
}

void EditData::EditExit() {
    m_cursor.EditExit();
    // The editing session, its totals computed again, is one step.
    const int cat = m_state.EdCat;
    if (cat >= 0 && cat < static_cast<int>(m_state.doc.CatName.size()))
        CommitStep(m_state, "Editing of " + m_state.doc.CatName[static_cast<std::size_t>(cat)]);
    m_sbar->hide();
    m_labH->hide();
    m_labHtxt->hide();
    for (QPushButton* button : m_ecmd)
        button->show();
    ColorSaveButton();
    Redraw();
}

void EditData::SetInfoCap(int cat, int fld) {
    const DisplaySettings& d = m_state.Display;
    m_labH->setStyleSheet(LabelStyle(d.BgColor[ElemBorder], d.FgColor[ElemBorder]));
    m_labH->setText(QStringLiteral("Field %1 ").arg(Num(fld)));
    m_labH->adjustSize();
    int c = cat;
    int f = fld;
    m_labHtxt->setStyleSheet(LabelStyle(d.FgColor[ElemBorder], 0x000000));
    m_labHtxt->setText(FromBytes(" " + GetFieldInfo(m_state.doc, c, f)));
    m_labHtxt->move(m_labH->x() + m_labH->width(), m_labH->y());
    m_labHtxt->adjustSize();
    m_shownInfoCat = cat;
    m_shownInfoFld = fld;
}

void EditData::ShowCursorState() {
    for (int i = 1; i <= NumPanels; ++i) {
        const QString text = QString::fromStdString(m_cursor.Panel(i));
        if (m_panel[static_cast<std::size_t>(i)]->text() != text)
            m_panel[static_cast<std::size_t>(i)]->setText(text);
    }
    if (m_cursor.LabelCat != m_shownInfoCat || m_cursor.LabelFld != m_shownInfoFld)
        SetInfoCap(m_cursor.LabelCat, m_cursor.LabelFld);
}

void EditData::labH_Click() {
    int header = 0;
    EditFieldInfo(this, m_state.doc, m_cursor.InfoCat, header);
    m_cursor.ShowHeaderInfo();
    SetInfoCap(m_cursor.InfoCat, 0);
}

void EditData::labHtxt_Click() {
    EditFieldInfo(this, m_state.doc, m_cursor.InfoCat, m_cursor.InfoFld);
    m_cursor.ShowFieldInfo(m_cursor.InfoCat, m_cursor.InfoFld);
    SetInfoCap(m_cursor.InfoCat, m_cursor.InfoFld);
}

void EditData::SBar_PanelClick(int panel) {
    if (!m_cursor.Editing)
        return;
    const float oldX = m_cursor.CurX;
    const float oldY = m_cursor.CurY;
    switch (panel) {
    case 1:
        EditExit();
        return;
    case 8:
        m_cursor.ToggleAdvVert();
        break;
    case 9:
        if (m_cursor.CycleEditLen())
            RepaintCells(oldX, oldY);
        break;
    default:
        break;
    }
    ShowCursorState();
}

void EditData::RepaintCells(float oldX, float oldY) {
    const PageLayout& page = m_cursor.Layout();
    update(m_renderer.CellRect(page, oldX, oldY));
    update(m_renderer.CellRect(page, m_cursor.CurX, m_cursor.CurY));
}

bool EditData::focusNextPrevChild(bool next) {
    // Tab moves the cursor of the page, not the keyboard focus.
    if (m_cursor.Editing)
        return false;
    return QWidget::focusNextPrevChild(next);
}

void EditData::keyPressEvent(QKeyEvent* event) {
    const bool undo = event->matches(QKeySequence::Undo);
    const bool redo =
        event->matches(QKeySequence::Redo) || (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier);
    if (undo || redo) {
        // While a cell is being typed into the keys do nothing: what is typed becomes a step at Escape.
        event->accept();
        if (!m_cursor.Editing) {
            if (undo && m_undo)
                m_undo();
            else if (redo && m_redo)
                m_redo();
        }
        return;
    }
    if (!m_cursor.Editing) {
        // Ctrl+T: the class statistics, first of the category shown. While typing, Ctrl+T is a character.
        if (event->key() == Qt::Key_T && event->modifiers() == Qt::ControlModifier) {
            event->accept();
            StatsView view(m_state.doc, m_state.EdCat, this);
            view.exec();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    KeyInput in;
    switch (event->key()) {
    case Qt::Key_Left:
        in.key = KeyInput::Left;
        break;
    case Qt::Key_Up:
        in.key = KeyInput::Up;
        break;
    case Qt::Key_Right:
        in.key = KeyInput::Right;
        break;
    case Qt::Key_Down:
        in.key = KeyInput::Down;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        in.key = KeyInput::Tab;
        break;
    case Qt::Key_Escape:
        in.key = KeyInput::Escape;
        break;
    case Qt::Key_Backspace:
        in.key = KeyInput::Backspace;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        in.key = KeyInput::Enter;
        break;
    case Qt::Key_Delete:
        in.key = KeyInput::Delete;
        break;
    default:
        break;
    }
    in.shift = event->modifiers() & Qt::ShiftModifier;
    in.ctrl = event->modifiers() & Qt::ControlModifier;
    in.alt = event->modifiers() & Qt::AltModifier;
    const QString text = event->text();
    if (!text.isEmpty()) {
        const QChar ch = text.at(0);
        in.ch = ch.unicode();
        if (ch.unicode() >= 32 && Representable(ch))
            in.byte = static_cast<unsigned char>(ToBytes(QString(ch)).at(0));
    }

    const KeyCommand command = TranslateKey(in);
    if (command.kind == KeyCommand::PassOn) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const float oldX = m_cursor.CurX;
    const float oldY = m_cursor.CurY;
    switch (command.kind) {
    case KeyCommand::Arrow:
        m_cursor.KeyDown(command.code);
        break;
    case KeyCommand::Beep:
        QApplication::beep();
        return;
    case KeyCommand::Char:
        switch (m_cursor.KeyPress(command.code)) {
        case EditCursor::Press::Exit:
            EditExit();
            return;
        case EditCursor::Press::Refused:
            QApplication::beep();
            break;
        default:
            break;
        }
        break;
    default:
        return;
    }
    RepaintCells(oldX, oldY);
    ShowCursorState();
}

void EditData::mousePressEvent(QMouseEvent* event) {
    const double x = PxToTwipsX(event->position().x());
    const double y = PxToTwipsY(event->position().y());
    if (m_cursor.Editing) {
        const float oldX = m_cursor.CurX;
        const float oldY = m_cursor.CurY;
        m_cursor.Click(x, y);
        RepaintCells(oldX, oldY);
        ShowCursorState();
        return;
    }
    if (!m_cursor.Layout().Fits)
        return;
    const int field = m_cursor.ViewClick(x);
    // The hidden labels show the clicked category and field as the design names them; the pop-ups are given
    // the numbers themselves.
    m_labPopCat->setText(FromBytes(NumText(m_state.EdCat)));
    m_labPopF->setText(FromBytes(NumText(field)));
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::NoModifier) {
        PopUpInfo popup(m_state, m_state.EdCat, field, this);
        popup.exec();
    } else if (mods == Qt::ShiftModifier) {
        PopUpChg popup(m_state, m_state.EdCat, field, this);
        popup.exec();
        Redraw();
    }
}

void EditData::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const PageLayout& page = m_cursor.Layout();
    m_renderer.Paint(painter, m_state.doc, page, event->region());
    if (m_cursor.Editing) {
        const auto e = static_cast<std::size_t>(m_cursor.CursorElement());
        m_renderer.PaintCell(painter, page, m_cursor.CurX, m_cursor.CurY, m_cursor.CurCode, m_state.Display.FgColor[e],
                             m_state.Display.BgColor[e]);
    }
}

void EditData::closeEvent(QCloseEvent* event) {
    // Closing the window ends edit mode like Escape does, so what was typed is not left with stale totals.
    if (m_cursor.Editing)
        EditExit();
    QWidget::closeEvent(event);
}

void EditData::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    setFocus();
}

void EditData::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceControls();
    // While editing the cursor stands on the page as laid out; the page follows the window afterwards.
    if (!m_cursor.Editing)
        Redraw();
}

} // namespace markroll

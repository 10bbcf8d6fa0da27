#include "editor/EditDisp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

#include "document/TextNumber.h"
#include "editor/ClickLabel.h"
#include "editor/DisplayRules.h"
#include "platform/Pickers.h"
#include "platform/Platform.h"
#include "widgets/LabelStyle.h"

namespace markroll {

namespace {

constexpr std::array<const char*, NumDisplayElements> ElementCaption = {
    "Edit Colors", "Border", "ID #", "Name", "Data", "Totals", "Border", "Group", "Category", "Page", "Bar",
};

// The dialog in twips: buttons and lengths on the left, the colour bars and the font on the right.
constexpr int DialogWidthTw = 6300;
constexpr int DialogHeightTw = 5700;
constexpr int LeftTw = 300;
constexpr int LeftWidthTw = 2300;
constexpr int RightTw = 3300;
constexpr int RightWidthTw = 2700;
constexpr int ButtonHeightTw = 400;
constexpr int BarWidthTw = 1200;
constexpr int BarStepTw = 200;
constexpr int MinFontSize = 4;
constexpr int MaxFontSize = 18;

Rgb FromColor(const QColor& c) {
    return static_cast<Rgb>(c.rgb() & 0xFFFFFFu);
}

} // namespace

EditDisp::EditDisp(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("EditDisp"));
    setWindowTitle(QStringLiteral("Change Display Attributes"));
    BuildControls();

    setFixedSize(TwipsToPxX(DialogWidthTw), TwipsToPxY(DialogHeightTw));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    const DisplaySettings& d = m_state.Display;
    m_fontName = d.ScrFontName;
    m_fontSize = d.ScrFontSize;
    m_fontBold = d.ScrFontBold;
    m_fontItalic = d.ScrFontItalic;
    DispFontName();

    m_udLnf->setRange(0, NameLen);
    m_udLnf->setValue(d.NameDispLen);
    m_txtLnf->setText(QString::number(m_udLnf->value()));
    m_udLid->setRange(0, IdLen);
    m_udLid->setValue(d.IdDispLen);
    m_txtLid->setText(QString::number(m_udLid->value()));

    ResetColors();
    m_optBc->setChecked(true);
    m_bgMode = true;
    CbarSelect(0);
}

void EditDisp::BuildControls() {
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    const auto label = [this](const char* name, const char* caption) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    m_cmdReset = button("cmdReset", "&Reset Colors");
    PlaceTwips(m_cmdReset, LeftTw, 300, LeftWidthTw, ButtonHeightTw);
    m_cmdDefault = button("cmdDefault", "&Default Colors");
    PlaceTwips(m_cmdDefault, LeftTw, 820, LeftWidthTw, ButtonHeightTw);

    m_optTc = new QRadioButton(QStringLiteral("Text Color"), this);
    m_optTc->setObjectName(QStringLiteral("optTc"));
    PlaceTwips(m_optTc, LeftTw, 1460, LeftWidthTw, 300);
    m_optBc = new QRadioButton(QStringLiteral("Background Color"), this);
    m_optBc->setObjectName(QStringLiteral("optBc"));
    PlaceTwips(m_optBc, LeftTw, 1800, LeftWidthTw, 300);

    auto* labLid = label("labLid", "Length of &ID Field");
    PlaceTwips(labLid, LeftTw, 2460, LeftWidthTw, 280);
    m_txtLid = new QLineEdit(this);
    m_txtLid->setObjectName(QStringLiteral("txtLid"));
    PlaceTwips(m_txtLid, LeftTw, 2760, 700, 340);
    labLid->setBuddy(m_txtLid);
    m_udLid = new QSpinBox(this);
    m_udLid->setObjectName(QStringLiteral("UdLid"));
    PlaceTwips(m_udLid, LeftTw + 700, 2760, 300, 340);

    auto* labLnf = label("labLnf", "Length of &Name Field");
    PlaceTwips(labLnf, LeftTw, 3300, LeftWidthTw, 280);
    m_txtLnf = new QLineEdit(this);
    m_txtLnf->setObjectName(QStringLiteral("txtLnf"));
    PlaceTwips(m_txtLnf, LeftTw, 3600, 700, 340);
    labLnf->setBuddy(m_txtLnf);
    m_udLnf = new QSpinBox(this);
    m_udLnf->setObjectName(QStringLiteral("UdLnf"));
    PlaceTwips(m_udLnf, LeftTw + 700, 3600, 300, 340);

    // The spinners show only their arrows: their number is the text box beside them.
    for (QSpinBox* spinner : {m_udLid, m_udLnf}) {
        spinner->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        spinner->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; selection-color: transparent; "
                                              "selection-background-color: transparent; }"));
        spinner->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_udLid, &QSpinBox::valueChanged, this, [this](int v) {
        if (m_txtLid->text() != QString::number(v))
            m_txtLid->setText(QString::number(v));
    });
    connect(m_udLnf, &QSpinBox::valueChanged, this, [this](int v) {
        if (m_txtLnf->text() != QString::number(v))
            m_txtLnf->setText(QString::number(v));
    });
    connect(m_txtLid, &QLineEdit::textChanged, this, &EditDisp::txtLid_Change);
    connect(m_txtLnf, &QLineEdit::textChanged, this, &EditDisp::txtLnf_Change);

    m_cmdColor = button("cmdColor", "Change Display &Colors");
    PlaceTwips(m_cmdColor, RightTw, 300, RightWidthTw, ButtonHeightTw);

    m_labColor = label("labColor", "Background Color");
    m_labColor->setToolTip(QStringLiteral("Double Click for Background/Text Colors"));
    m_labBcMark = label("labBcMark", ">>>");
    m_labTcMark = label("labTcMark", "<<<");

    QFont barFont = font();
    barFont.setPointSizeF(7.5);
    for (int i = 0; i < NumDisplayElements; ++i) {
        auto* bar = new ClickLabel(this);
        bar->setObjectName(QStringLiteral("Cbar_%1").arg(i));
        bar->setText(QString::fromLatin1(ElementCaption[static_cast<std::size_t>(i)]));
        bar->setAlignment(Qt::AlignCenter);
        bar->setFont(barFont);
        connect(bar, &ClickLabel::clicked, this, [this, i] { Cbar_Click(i); });
        m_cbar[static_cast<std::size_t>(i)] = bar;
    }

    m_cmdFonts = button("cmdFonts", "Change Display &Fonts");
    PlaceTwips(m_cmdFonts, RightTw, 4000, RightWidthTw, ButtonHeightTw);
    m_labFont = label("labFont", "");

    m_cmdApply = button("cmdApply", "&Apply");
    PlaceTwips(m_cmdApply, 1500, 5000, 1400, ButtonHeightTw);
    m_cmdCancel = button("cmdCancel", "&Cancel");
    PlaceTwips(m_cmdCancel, 3400, 5000, 1400, ButtonHeightTw);

    connect(m_cmdReset, &QPushButton::clicked, this, &EditDisp::cmdReset_Click);
    connect(m_cmdDefault, &QPushButton::clicked, this, &EditDisp::cmdDefault_Click);
    connect(m_optBc, &QRadioButton::clicked, this, &EditDisp::optBc_Click);
    connect(m_optTc, &QRadioButton::clicked, this, &EditDisp::optTc_Click);
    connect(m_cmdColor, &QPushButton::clicked, this, &EditDisp::cmdColor_Click);
    connect(m_cmdFonts, &QPushButton::clicked, this, &EditDisp::cmdFonts_Click);
    connect(m_cmdApply, &QPushButton::clicked, this, &EditDisp::cmdApply_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &EditDisp::cmdCancel_Click);
}

void EditDisp::ResetColors() {
    m_bg = m_state.Display.BgColor;
    m_fg = m_state.Display.FgColor;
    SetCbar();
}

void EditDisp::SetCbar() {
    const QRect colorButton = m_cmdColor->geometry();
    const double left = PxToTwipsX(colorButton.x());
    const double width = PxToTwipsX(colorButton.width());
    const double x = RoundHalfEven(left + (width - BarWidthTw) / 2);
    const double y0 = PxToTwipsY(colorButton.y() + colorButton.height()) + 500;
    for (int i = 0; i < NumDisplayElements; ++i) {
        ClickLabel* bar = m_cbar[static_cast<std::size_t>(i)];
        PlaceTwips(bar, x, y0 + i * BarStepTw, BarWidthTw, BarStepTw);
        bar->setStyleSheet(LabelStyle(m_bg[static_cast<std::size_t>(i)], m_fg[static_cast<std::size_t>(i)]));
    }
    m_labColor->move(TwipsToPxX(x), TwipsToPxY(y0 - 300));
}

void EditDisp::CbarSelect(int index) {
    m_labColor->setText(m_bgMode ? QStringLiteral("Background Color") : QStringLiteral("Text Color"));
    m_labBcMark->setVisible(m_bgMode);
    m_labTcMark->setVisible(!m_bgMode);
    m_labColor->adjustSize();
    const QRect first = m_cbar[0]->geometry();
    m_labColor->move(first.x() + (first.width() - m_labColor->width()) / 2, m_labColor->y());

    const QRect bar = m_cbar[static_cast<std::size_t>(index)]->geometry();
    m_labTcMark->adjustSize();
    m_labBcMark->adjustSize();
    m_labTcMark->move(bar.right() + 1 + TwipsToPxX(100), bar.y());
    m_labBcMark->move(bar.x() - TwipsToPxX(100) - m_labBcMark->width(), bar.y());
    m_sel = index;
    m_cbar[static_cast<std::size_t>(index)]->setStyleSheet(
        LabelStyle(m_bg[static_cast<std::size_t>(index)], m_fg[static_cast<std::size_t>(index)]));
}

void EditDisp::Cbar_Click(int index) {
    CbarSelect(index);
}

void EditDisp::optBc_Click() {
    m_bgMode = m_optBc->isChecked();
    CbarSelect(m_sel);
}

void EditDisp::optTc_Click() {
    m_bgMode = !m_optTc->isChecked();
    CbarSelect(m_sel);
}

void EditDisp::cmdColor_Click() {
    const auto sel = static_cast<std::size_t>(m_sel);
    const Rgb initial = m_bgMode ? m_bg[sel] : m_fg[sel];
    const std::optional<QColor> chosen = ColorPicker::Pick(this, QColor::fromRgb(static_cast<QRgb>(initial)));
    if (!chosen)
        return;
    SetElementColor(m_bg, m_fg, m_sel, m_bgMode, FromColor(*chosen));
    SetCbar();
    CbarSelect(m_sel);
}

void EditDisp::cmdFonts_Click() {
    SetScrFonts();
}

void EditDisp::SetScrFonts() {
    const FontChoice initial{FromBytes(m_fontName), static_cast<int>(std::lround(m_fontSize)), m_fontBold,
                             m_fontItalic};
    const std::optional<FontChoice> chosen = FontPicker::Pick(this, initial, MinFontSize, MaxFontSize);
    if (!chosen)
        return;
    m_fontName = ToBytes(chosen->name);
    m_fontSize = static_cast<float>(chosen->size);
    m_fontBold = chosen->bold;
    m_fontItalic = chosen->italic;
    DispFontName();
}

void EditDisp::DispFontName() {
    m_labFont->setText(FromBytes(FontCaption(m_fontName, m_fontSize, m_fontBold, m_fontItalic)));
    m_labFont->adjustSize();
    const QRect fonts = m_cmdFonts->geometry();
    m_labFont->move(fonts.x() + (fonts.width() - m_labFont->width()) / 2, fonts.bottom() + 1 + TwipsToPxY(100));
}

void EditDisp::cmdDefault_Click() {
    // Takes effect in the editor at once, whichever button closes the dialog.
    SetDefColors(m_state.Display);
    m_bg = m_state.Display.BgColor;
    m_fg = m_state.Display.FgColor;
    SetCbar();
    CbarSelect(0);
}

void EditDisp::cmdReset_Click() {
    ResetColors();
    CbarSelect(0);
}

void EditDisp::LengthChanged(QLineEdit* box, QSpinBox* spinner, int max) {
    bool corrected = false;
    const int value = ReadDisplayLength(ToBytes(box->text()), max, corrected);
    if (corrected) {
        spinner->setValue(value);
        box->setText(QString::number(value));
        return;
    }
    const QSignalBlocker keepTyping(spinner);
    spinner->setValue(value);
}

void EditDisp::txtLid_Change() {
    LengthChanged(m_txtLid, m_udLid, IdLen);
}

void EditDisp::txtLnf_Change() {
    LengthChanged(m_txtLnf, m_udLnf, NameLen);
}

void EditDisp::cmdApply_Click() {
    DisplaySettings& d = m_state.Display;
    d.NameDispLen = static_cast<std::int16_t>(m_udLnf->value());
    d.IdDispLen = static_cast<std::int16_t>(m_udLid->value());
    d.BgColor = m_bg;
    d.FgColor = m_fg;
    d.ScrFontName = m_fontName;
    d.ScrFontSize = m_fontSize;
    d.ScrFontBold = m_fontBold;
    d.ScrFontItalic = m_fontItalic;
    accept();
}

void EditDisp::cmdCancel_Click() {
    reject();
}

} // namespace markroll

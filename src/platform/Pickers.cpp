#include "platform/Pickers.h"

#include "platform/Platform.h"
#include "platform/TestHook.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace markroll {

namespace {

// Each request is recorded by what the picker starts with.
constinit TestHook<std::optional<QColor>, QColor> colorHook;

struct FontRequest {
    FontChoice initial;
    int minSize = 0;
    int maxSize = 0;
};

constinit TestHook<std::optional<FontChoice>, FontRequest> fontHook;

// The picker itself: only fixed-pitch fonts that exist, only sizes of the allowed range.
std::optional<FontChoice> RunFontDialog(QWidget* parent, const FontChoice& initial, int minSize, int maxSize) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontPicker"));
    dialog.setWindowTitle(QStringLiteral("Font"));

    auto* fontBox = new QFontComboBox(&dialog);
    fontBox->setObjectName(QStringLiteral("cmbFont"));
    fontBox->setFontFilters(QFontComboBox::MonospacedFonts);
    fontBox->setEditable(false);
    const QString family = ResolveFont(initial.name, initial.size).family();
    if (const int index = fontBox->findText(family); index >= 0) {
        fontBox->setCurrentIndex(index);
    }

    auto* sizeBox = new QSpinBox(&dialog);
    sizeBox->setObjectName(QStringLiteral("spnSize"));
    sizeBox->setRange(minSize, std::max(minSize, maxSize));
    sizeBox->setValue(FontPicker::ClampSize(initial.size, minSize, maxSize));
    sizeBox->setSuffix(QStringLiteral(" pts"));

    auto* boldBox = new QCheckBox(QStringLiteral("&Bold"), &dialog);
    boldBox->setObjectName(QStringLiteral("chkBold"));
    boldBox->setChecked(initial.bold);
    auto* italicBox = new QCheckBox(QStringLiteral("&Italic"), &dialog);
    italicBox->setObjectName(QStringLiteral("chkItalic"));
    italicBox->setChecked(initial.italic);

    auto* sample = new QLabel(QStringLiteral("ID#  Name   90.5  A"), &dialog);
    sample->setObjectName(QStringLiteral("labSample"));
    // Room for the largest size, so the dialog does not jump while sizes are tried.
    sample->setMinimumHeight(QFontMetrics(ResolveFont(initial.name, std::max(minSize, maxSize))).height());
    const auto showSample = [=] {
        sample->setFont(ResolveFont(fontBox->currentFont().family(), sizeBox->value(), boldBox->isChecked(),
                                    italicBox->isChecked()));
    };
    QObject::connect(fontBox, &QFontComboBox::currentFontChanged, sample, showSample);
    QObject::connect(sizeBox, &QSpinBox::valueChanged, sample, showSample);
    QObject::connect(boldBox, &QCheckBox::toggled, sample, showSample);
    QObject::connect(italicBox, &QCheckBox::toggled, sample, showSample);
    showSample();

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setEnabled(fontBox->count() > 0);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("&Font:"), fontBox);
    layout->addRow(QStringLiteral("&Size:"), sizeBox);
    layout->addRow(boldBox, italicBox);
    layout->addRow(sample);
    layout->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted || fontBox->count() == 0) {
        return std::nullopt;
    }
    return FontChoice{fontBox->currentFont().family(), FontPicker::ClampSize(sizeBox->value(), minSize, maxSize),
                      boldBox->isChecked(), italicBox->isChecked()};
}

} // namespace

std::optional<QColor> ColorPicker::Pick(QWidget* parent, const QColor& initial) {
    colorHook.Record(initial);
    if (const auto answer = colorHook.Answered("colour picker", QStringLiteral("Color"), std::nullopt)) {
        return *answer;
    }
    const QColor chosen =
        QColorDialog::getColor(initial, parent, QStringLiteral("Color"), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

void ColorPicker::SetNextAnswer(std::optional<QColor> answer) {
    colorHook.Script(answer);
}

int ColorPicker::TimesAsked() {
    return colorHook.TimesAsked();
}

int ColorPicker::PendingAnswers() {
    return colorHook.PendingAnswers();
}

QColor ColorPicker::LastInitial() {
    return colorHook.Last();
}

std::optional<FontChoice> FontPicker::Pick(QWidget* parent, const FontChoice& initial, int minSize, int maxSize) {
    fontHook.Record({initial, minSize, maxSize});
    if (auto answer = fontHook.Answered("font picker", QStringLiteral("Font"), std::nullopt)) {
        if (*answer) {
            (*answer)->size = ClampSize((*answer)->size, minSize, maxSize);
        }
        return *answer;
    }
    return RunFontDialog(parent, initial, minSize, maxSize);
}

void FontPicker::SetNextAnswer(std::optional<FontChoice> answer) {
    fontHook.Script(answer);
}

int FontPicker::TimesAsked() {
    return fontHook.TimesAsked();
}

int FontPicker::PendingAnswers() {
    return fontHook.PendingAnswers();
}

FontChoice FontPicker::LastInitial() {
    return fontHook.Last().initial;
}

int FontPicker::LastMinSize() {
    return fontHook.Last().minSize;
}

int FontPicker::LastMaxSize() {
    return fontHook.Last().maxSize;
}

int FontPicker::ClampSize(int size, int minSize, int maxSize) {
    return std::clamp(size, minSize, std::max(minSize, maxSize));
}

} // namespace markroll

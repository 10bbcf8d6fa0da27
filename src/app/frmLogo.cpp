#include "app/frmLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Emblem.h"
#include "platform/Platform.h"

namespace markroll {

namespace {

constexpr int LogoWidthTwips = 9500;
constexpr int LogoHeightTwips = 6800;

/// The picture control of the splash window: the emblem, the product name and what it is for.
class LogoView : public QWidget {
public:
    explicit LogoView(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Logo")); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = rect();
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0, QColor(0xf4, 0xf8, 0xfd));
        sky.setColorAt(1, QColor(0xd9, 0xe6, 0xf5));
        painter.fillRect(area, sky);

        const double side = std::min(area.height() * 0.52, area.width() * 0.36);
        const QRectF emblem(area.center().x() - side / 2, area.height() * 0.08, side, side);
        PaintEmblem(painter, emblem);

        double y = emblem.bottom() + area.height() * 0.05;
        QFont title = ResolveFont(QStringLiteral("MS Sans Serif"), 30, true);
        painter.setFont(title);
        painter.setPen(QColor(0x1a, 0x3f, 0x75));
        const double titleHeight = QFontMetricsF(title).height();
        painter.drawText(QRectF(0, y, area.width(), titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("MarkRoll"));
        y += titleHeight;

        QFont line = ResolveFont(QStringLiteral("MS Sans Serif"), 11);
        painter.setFont(line);
        painter.setPen(QColor(0x33, 0x44, 0x55));
        const double lineHeight = QFontMetricsF(line).height();
        painter.drawText(QRectF(0, y, area.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Utility to Maintain and Report Academic Grades"));
        y += lineHeight * 1.3;
        painter.setPen(QColor(0x5a, 0x6b, 0x7d));
        painter.drawText(QRectF(0, y, area.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Version %1").arg(QString::fromLatin1(AppVersion)));
    }
};

} // namespace

frmLogo::frmLogo(AppState& /*state*/, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLogo"));
    setWindowTitle(QStringLiteral("MarkRoll %1").arg(QString::fromLatin1(AppVersion)));
    setFixedSize(TwipsToPxX(LogoWidthTwips), TwipsToPxY(LogoHeightTwips));

    auto* logo = new LogoView(this);
    Command1 = new QPushButton(QStringLiteral("&Start"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setMinimumWidth(TwipsToPxX(1400));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(logo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 10, 12, 12);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void frmLogo::showEvent(QShowEvent* event) {
    const QSize screen = ScreenSizeTwips();
    move(TwipsToPxX((screen.width() - LogoWidthTwips) / 2.0), TwipsToPxY((screen.height() - LogoHeightTwips) / 2.0));
    QDialog::showEvent(event);
}

} // namespace markroll

#include "app/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Emblem.h"
#include "app/ShellText.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace markroll {

frmAbout::frmAbout(AppState& /*state*/, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MarkRoll"));

    auto* picIcon = new EmblemView(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(TwipsToPxX(1000), TwipsToPxY(1000));

    lblTitle = new QLabel(QString::fromLatin1(AppName), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(ResolveFont(QStringLiteral("MS Sans Serif"), 15, true));
    auto* subtitle = new QLabel(QStringLiteral("The class gradebook for teachers"), this);
    subtitle->setObjectName(QStringLiteral("lblSubtitle"));

    lblVersion = new QLabel(FromBytes(AboutVersionText()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription = new QLabel(QStringLiteral("Utility to Maintain and Report Academic Grades"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(lblTitle);
    texts->addWidget(subtitle);
    texts->addSpacing(4);
    texts->addWidget(lblVersion);
    texts->addSpacing(6);
    texts->addWidget(lblDescription);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(Line1);
    layout->addLayout(buttons);
    setMinimumWidth(TwipsToPxX(7200));
}

void frmAbout::cmdSysInfo_Click() {
    if (!SystemInfo::Launch())
        MessageBox::Show(this, QStringLiteral("System Information Is Unavailable At This Time"), MsgButtons::Ok,
                         MsgIcon::None, QString::fromLatin1(AppName));
}

} // namespace markroll

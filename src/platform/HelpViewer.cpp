#include "platform/Platform.h"

#include "platform/TestHook.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace markroll {

namespace {

const QString HelpResource = QStringLiteral(":/help/index.html");

// Nothing to answer: the viewer is not modal. Tests only count how often it was asked for.
constinit TestHook<std::monostate> hook;

void ShowHelpContents(QTextBrowser* browser) {
    if (QFile::exists(HelpResource)) {
        browser->setSource(QUrl(QStringLiteral("qrc") + HelpResource));
    } else {
        browser->setPlainText(QStringLiteral("Help is not available: the help pages are missing from this copy "
                                             "of the program."));
    }
}

QWidget* CreateViewer(QWidget* parent) {
    // A window of its own that stays beside the program's windows; deleted when closed, re-created on demand.
    auto* viewer = new QWidget(parent, Qt::Window);
    viewer->setObjectName(QStringLiteral("HelpViewer"));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(QStringLiteral("Markroll Help"));
    viewer->resize(TwipsToPxX(9000), TwipsToPxY(8000));

    auto* browser = new QTextBrowser(viewer);
    browser->setObjectName(QStringLiteral("txtHelp"));
    browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), viewer);
    contents->setObjectName(QStringLiteral("cmdContents"));
    auto* back = new QPushButton(QStringLiteral("&Back"), viewer);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setEnabled(false);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), viewer);
    forward->setObjectName(QStringLiteral("cmdForward"));
    forward->setEnabled(false);

    QObject::connect(contents, &QPushButton::clicked, browser, [browser] { ShowHelpContents(browser); });
    QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(viewer);
    layout->addLayout(buttons);
    layout->addWidget(browser);
    return viewer;
}

} // namespace

void HelpViewer::ShowContents(QWidget* parent) {
    static QPointer<QWidget> viewer;
    hook.Record({});
    if (!viewer) {
        viewer = CreateViewer(parent);
    }
    ShowHelpContents(viewer->findChild<QTextBrowser*>(QStringLiteral("txtHelp")));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

int HelpViewer::TimesShown() {
    return hook.TimesAsked();
}

} // namespace markroll

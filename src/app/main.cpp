// markroll [FILE]: the teacher's gradebook. A file named on the command line is opened after the splash
// window exactly as by File > Open.

#include <QApplication>
#include <QCommandLineParser>
#include <csignal>

#include "app/DataEditorFactory.h"
#include "app/Emblem.h"
#include "app/frmLogo.h"
#include "app/frmMenu.h"
#include "document/Document.h"

namespace {

void SetUpParser(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QString::fromLatin1(markroll::AppName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(markroll::AppVersion));
    parser.setApplicationDescription(QStringLiteral("Utility to Maintain and Report Academic Grades"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A markroll file (.mrk) to open."),
                                 QStringLiteral("[FILE]"));
}

// --help and --version answer on the terminal, also where no display can be opened.
bool AsksForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h" || a == "--help-all" || a == "--version" || a == "-v")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Past a size limit on files a save fails with a message, instead of a signal that ends the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (AsksForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        QCommandLineParser parser;
        SetUpParser(parser);
        parser.process(info);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(markroll::EmblemIcon());
    // Only Exit (or the main window's close control, which runs it) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    SetUpParser(parser);
    parser.process(app);

    markroll::AppState state;

    markroll::frmLogo logo(state);
    logo.exec();

    markroll::frmMenu menu(state);
    menu.SetEditorFactory(markroll::DataEditorFactory(menu));
    QObject::connect(&menu, &markroll::frmMenu::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    menu.showMaximized();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        menu.OpenFile(files.constFirst());
    else
        menu.OfferRecovery();
    return QApplication::exec();
}

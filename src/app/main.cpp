// markroll [FILE]: the teacher's gradebook. A file named on the command line is opened after the splash
// window exactly as by File > Open.

#include <QApplication>
#include <QCommandLineParser>

#include "app/DataEditorFactory.h"
#include "app/Emblem.h"
#include "app/frmLogo.h"
#include "app/frmMenu.h"
#include "document/Document.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(markroll::AppName));
    QApplication::setApplicationVersion(QString::fromLatin1(markroll::AppVersion));
    QApplication::setWindowIcon(markroll::EmblemIcon());
    // Only Exit (or the main window's close control, which runs it) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Utility to Maintain and Report Academic Grades"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A markroll file (.mrk) to open."),
                                 QStringLiteral("[FILE]"));
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
    return QApplication::exec();
}

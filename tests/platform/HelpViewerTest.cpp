#include "platform/Platform.h"

#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace markroll;

namespace {

QList<QWidget*> Viewers() {
    QList<QWidget*> viewers;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "HelpViewer" && widget->isVisible())
            viewers << widget;
    return viewers;
}

} // namespace

// The test carries its own help pages under /help; they are taken away to see the viewer without them.
class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* viewer : Viewers())
            viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Q_INIT_RESOURCE(HelpPages);
    }

    // One viewer, not modal, follows links back and forth, is reused at the contents when asked again, and
    // says so when the help pages are missing.
    void showsTheContentsAndFollowsLinksBackAndForth() {
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(Viewers().size(), 1);
        QWidget* viewer = Viewers().front();
        QVERIFY(viewer->windowTitle() == "Markroll Help" && !viewer->isModal());
        auto* browser = viewer->findChild<QTextBrowser*>("txtHelp");
        QVERIFY(!viewer->findChild<QPushButton*>("cmdBack")->isEnabled());
        browser->setSource(QUrl("qrc:/help/editing.html"));
        QStringList titles{browser->documentTitle()};
        for (const char* name : {"cmdBack", "cmdForward", "cmdContents"}) {
            QVERIFY(viewer->findChild<QPushButton*>(name)->isEnabled());
            QTest::mouseClick(viewer->findChild<QPushButton*>(name), Qt::LeftButton);
            titles << browser->documentTitle();
        }
        QCOMPARE(titles, QStringList({"Editing scores", "Test Help Contents", "Editing scores", "Test Help Contents"}));

        browser->setSource(QUrl("qrc:/help/editing.html"));
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(Viewers(), QList<QWidget*>{viewer});
        QCOMPARE(browser->documentTitle(), QString("Test Help Contents"));

        Q_CLEANUP_RESOURCE(HelpPages);
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(browser->toPlainText(),
                 QString("Help is not available: the help pages are missing from this copy of the program."));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"

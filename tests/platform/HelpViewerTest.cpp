#include "platform/Platform.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace markroll;

namespace {

QList<QWidget*> Viewers() {
    QList<QWidget*> viewers;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "HelpViewer" && widget->isVisible()) {
            viewers << widget;
        }
    }
    return viewers;
}

} // namespace

// The test carries its own help pages under /help; they are taken away to see the viewer without them.
class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* viewer : Viewers()) {
            viewer->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Q_INIT_RESOURCE(HelpPages);
    }

    // One viewer, not modal, follows links back and forth, and is reused at the contents when asked again.
    void showsTheContentsAndFollowsLinksBackAndForth() {
        const int before = HelpViewer::TimesShown();
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(HelpViewer::TimesShown(), before + 1);
        QCOMPARE(Viewers().size(), 1);
        QWidget* viewer = Viewers().front();
        QCOMPARE(viewer->windowTitle(), QString("Markroll Help"));
        QVERIFY(!viewer->isModal());

        auto* browser = viewer->findChild<QTextBrowser*>("txtHelp");
        auto* contents = viewer->findChild<QPushButton*>("cmdContents");
        auto* back = viewer->findChild<QPushButton*>("cmdBack");
        auto* forward = viewer->findChild<QPushButton*>("cmdForward");
        QVERIFY(browser && contents && back && forward);
        QCOMPARE(browser->documentTitle(), QString("Test Help Contents"));
        QVERIFY(!back->isEnabled());

        browser->setSource(QUrl("qrc:/help/editing.html"));
        QCOMPARE(browser->documentTitle(), QString("Editing scores"));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(browser->documentTitle(), QString("Test Help Contents"));
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(browser->documentTitle(), QString("Editing scores"));
        QTest::mouseClick(contents, Qt::LeftButton);
        QCOMPARE(browser->documentTitle(), QString("Test Help Contents"));

        browser->setSource(QUrl("qrc:/help/editing.html"));
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(Viewers(), QList<QWidget*>{viewer});
        QCOMPARE(browser->documentTitle(), QString("Test Help Contents"));
    }

    void saysSoWhenTheHelpPagesAreMissing() {
        Q_CLEANUP_RESOURCE(HelpPages);
        QVERIFY(!QFile::exists(":/help/index.html"));
        HelpViewer::ShowContents(nullptr);
        QCOMPARE(Viewers().size(), 1);
        auto* browser = Viewers().front()->findChild<QTextBrowser*>("txtHelp");
        QVERIFY(browser);
        QCOMPARE(browser->toPlainText(),
                 QString("Help is not available: the help pages are missing from this copy of the program."));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"

// The students viewer offscreen: Next turns the page, and a class of one page has none.

#include <QPushButton>
#include <QtTest>

#include "modify/StuView.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class StuViewTest : public QObject {
    Q_OBJECT

private slots:
    void nextTurnsThePage() {
        AppState state;
        for (const int students : {60, 25}) {
            state.doc = MakeDocument(students, {{"Tests", 100, 3, 3}});
            StuView view(state);
            view.show();
            auto* next = view.findChild<QPushButton*>("cmdNext");
            QCOMPARE(view.Shown().size(), 2 + 25);
            QCOMPARE(next->isVisible(), students > 25);
            next->click();
            QCOMPARE(qMakePair(view.FirstShown(), view.LastShown()),
                     students > 25 ? qMakePair(26, 50) : qMakePair(1, 25));
        }
    }
};

QTEST_MAIN(StuViewTest)
#include "StuViewTest.moc"

// SPDX-License-Identifier: MIT
// Work put off until a window is on the screen: it runs once, after the
// window's first paint, and never before.
#include "afterfirstpaint.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

using loopcalc::shell::AfterFirstPaint;

namespace {

/// A window that counts its paints, so the step can say which it followed.
class CountingWindow : public QLabel {
public:
    CountingWindow()
        : QLabel(QStringLiteral("window"))
    {
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        QLabel::paintEvent(event);
    }
};

}  // namespace

class AfterFirstPaintTest : public QObject {
    Q_OBJECT

private slots:
    void runsOnceAfterTheFirstPaint()
    {
        CountingWindow window;
        QList<int> paintsSeen;
        AfterFirstPaint(window, [&] { paintsSeen.append(window.paints); });

        // Nothing happens until the window is shown and painted.
        QCoreApplication::processEvents();
        QVERIFY(paintsSeen.isEmpty());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(paintsSeen.size(), 1);
        QVERIFY(paintsSeen.first() >= 1);

        // Later paints run nothing more.
        window.repaint();
        window.update();
        QTest::qWait(50);
        QCOMPARE(paintsSeen.size(), 1);
    }

    void aWindowClosedUnpaintedRunsNothing()
    {
        int runs = 0;
        {
            CountingWindow window;
            AfterFirstPaint(window, [&] { ++runs; });
        }
        QTest::qWait(20);
        QCOMPARE(runs, 0);
    }
};

QTEST_MAIN(AfterFirstPaintTest)
#include "afterfirstpaint_test.moc"

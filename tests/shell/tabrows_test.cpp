// SPDX-License-Identifier: MIT
// The tab control with one tab per row, on its own.
#include "tabrows.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using loopcalc::shell::TabRows;

class TabRowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstPageAddedIsCurrent();
    void clickSelectsTheRowUnderTheMouse_data();
    void clickSelectsTheRowUnderTheMouse();
    void onlyChangesAreAnnounced();
    void pagesLieBelowTheRows();
    void rowKeysNeedTheFocus();
    void ctrlTabWrapsFromInsideAPage_data();
    void ctrlTabWrapsFromInsideAPage();
    void focusFrameMarksTheCurrentRow();

private:
    std::unique_ptr<QWidget> m_top;
    TabRows* m_tabs = nullptr;
    QList<QLineEdit*> m_edits;
};

void TabRowsTest::init()
{
    m_top = std::make_unique<QWidget>();
    m_tabs = new TabRows(20, m_top.get());
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(0, 0, 300, 260);
    m_edits.clear();
    for (const char* caption : {"One", "Two", "Three", "Four"}) {
        QWidget* page = m_tabs->addPage(QString::fromUtf8(caption));
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("edit") + QString::fromUtf8(caption));
        edit->setGeometry(10, 10, 100, 24);
        m_edits.append(edit);
    }
    m_top->resize(300, 260);
    m_top->show();
    m_top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
}

void TabRowsTest::cleanup()
{
    m_top.reset();
}

void TabRowsTest::firstPageAddedIsCurrent()
{
    QCOMPARE(m_tabs->count(), 4);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(m_tabs->caption(2), QStringLiteral("Three"));
    QCOMPARE(m_tabs->caption(4), QString());
    QVERIFY(m_tabs->page(4) == nullptr);
    QVERIFY(m_tabs->page(-1) == nullptr);
    QVERIFY(m_tabs->page(0)->isVisible());
    for (int i = 1; i < 4; ++i) {
        QVERIFY(!m_tabs->page(i)->isVisible());
    }
    QCOMPARE(m_tabs->focusPolicy(), Qt::StrongFocus);
}

void TabRowsTest::clickSelectsTheRowUnderTheMouse_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("page");
    QTest::newRow("top of row 0") << 0 << 0;
    QTest::newRow("bottom of row 0") << 19 << 0;
    QTest::newRow("top of row 1") << 20 << 1;
    QTest::newRow("row 2") << 50 << 2;
    QTest::newRow("last pixel of row 3") << 79 << 3;
    QTest::newRow("page area") << 80 << 0;
    QTest::newRow("deep in the page") << 200 << 0;
}

void TabRowsTest::clickSelectsTheRowUnderTheMouse()
{
    QFETCH(int, y);
    QFETCH(int, page);
    QTest::mouseClick(m_tabs, Qt::LeftButton, {}, QPoint(150, y));
    QCOMPARE(m_tabs->currentIndex(), page);
    QVERIFY(m_tabs->page(page)->isVisible());
    // The right button selects nothing.
    QTest::mouseClick(m_tabs, Qt::RightButton, {}, QPoint(150, (page + 1) % 4 * 20 + 5));
    QCOMPARE(m_tabs->currentIndex(), page);
}

void TabRowsTest::onlyChangesAreAnnounced()
{
    QSignalSpy spy(m_tabs, &TabRows::currentIndexChanged);
    m_tabs->setCurrentIndex(0);
    m_tabs->setCurrentIndex(-1);
    m_tabs->setCurrentIndex(4);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(m_tabs->currentIndex(), 0);

    // Whoever hears the change finds the new page shown and the old hidden.
    bool shownWhenAnnounced = false;
    connect(m_tabs, &TabRows::currentIndexChanged, this,
            [&](int index) { shownWhenAnnounced = m_tabs->page(index)->isVisible() && !m_tabs->page(0)->isVisible(); });
    QVERIFY(m_tabs->setProperty("currentIndex", 2));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QVERIFY(shownWhenAnnounced);
    QCOMPARE(m_tabs->property("currentIndex").toInt(), 2);
}

void TabRowsTest::pagesLieBelowTheRows()
{
    QCOMPARE(m_tabs->pageTop(), 80);
    QCOMPARE(m_tabs->rowRect(2), QRect(0, 40, 300, 20));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(m_tabs->page(i)->geometry(), QRect(0, 80, 300, 180));
    }
    m_tabs->resize(200, 100);
    QCOMPARE(m_tabs->page(3)->geometry(), QRect(0, 80, 200, 20));
    QCOMPARE(m_tabs->rowRect(0).width(), 200);
}

void TabRowsTest::rowKeysNeedTheFocus()
{
    m_tabs->setFocus();
    QTest::keyClick(m_tabs, Qt::Key_Up);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QTest::keyClick(m_tabs, Qt::Key_Down);
    QTest::keyClick(m_tabs, Qt::Key_Right);
    QCOMPARE(m_tabs->currentIndex(), 2);
    QTest::keyClick(m_tabs, Qt::Key_Left);
    QCOMPARE(m_tabs->currentIndex(), 1);
    QTest::keyClick(m_tabs, Qt::Key_End);
    QCOMPARE(m_tabs->currentIndex(), 3);
    QTest::keyClick(m_tabs, Qt::Key_Down);
    QCOMPARE(m_tabs->currentIndex(), 3);
    QTest::keyClick(m_tabs, Qt::Key_Home);
    QCOMPARE(m_tabs->currentIndex(), 0);

    // Keys a page's box leaves alone must not switch pages.
    m_edits.at(0)->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End}) {
        QTest::keyClick(m_edits.at(0), key);
    }
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), m_edits.at(0));
}

void TabRowsTest::ctrlTabWrapsFromInsideAPage_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("page");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("ctrl+tab") << 1 << int(Qt::Key_Tab) << ctrl << 2;
    QTest::newRow("ctrl+tab wraps") << 3 << int(Qt::Key_Tab) << ctrl << 0;
    QTest::newRow("ctrl+shift+tab") << 2 << int(Qt::Key_Backtab) << ctrlShift << 1;
    QTest::newRow("ctrl+shift+tab wraps") << 0 << int(Qt::Key_Backtab) << ctrlShift << 3;
    QTest::newRow("ctrl+pgdown") << 0 << int(Qt::Key_PageDown) << ctrl << 1;
    QTest::newRow("ctrl+pgup wraps") << 0 << int(Qt::Key_PageUp) << ctrl << 3;
}

void TabRowsTest::ctrlTabWrapsFromInsideAPage()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, page);
    m_tabs->setCurrentIndex(start);
    QLineEdit* edit = m_edits.at(start);
    edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_tabs->currentIndex(), page);
}

void TabRowsTest::focusFrameMarksTheCurrentRow()
{
    const auto rowImage = [this](int row) { return m_tabs->grab(m_tabs->rowRect(row)).toImage(); };
    m_edits.at(0)->setFocus();
    QVERIFY(!m_tabs->hasFocus());
    const QImage without = rowImage(0);
    const QImage otherWithout = rowImage(1);
    m_tabs->setFocus();
    QVERIFY(m_tabs->hasFocus());
    QVERIFY(rowImage(0) != without);
    QCOMPARE(rowImage(1), otherWithout);
    // The current row looks different from the others.
    m_edits.at(0)->setFocus();
    QVERIFY(rowImage(0) != rowImage(1));
}

QTEST_MAIN(TabRowsTest)
#include "tabrows_test.moc"

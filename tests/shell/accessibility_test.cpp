// SPDX-License-Identifier: MIT
// The main window as assistive technology finds it: the tab rows as a page
// tab list, the boxes named by their labels, the pictures by what they show.
#include "aboutbox.h"
#include "formulawindow.h"
#include "tabrows.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using loopcalc::shell::TabRows;
using loopcalc::testing::PageCaptions;

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabRowsAreAPageTabList();
    void currentPageTabIsSelected_data();
    void currentPageTabIsSelected();
    void pagesStayReachable();
    void boxesAreNamedByTheirLabels_data();
    void boxesAreNamedByTheirLabels();
    void picturesSayWhatTheyShow_data();
    void picturesSayWhatTheyShow();
    void secondaryPicturesSayWhatTheyShow_data();
    void secondaryPicturesSayWhatTheyShow();

private:
    [[nodiscard]] QAccessibleInterface* tabList() const
    {
        return QAccessible::queryAccessibleInterface(m_ui->tabControl());
    }
    [[nodiscard]] QStringList selectedTabs() const;

    loopcalc::testing::WindowFixture m_ui;
};

void AccessibilityTest::init()
{
    QVERIFY(m_ui.open());
}

void AccessibilityTest::cleanup()
{
    m_ui.close();
}

QStringList AccessibilityTest::selectedTabs() const
{
    QStringList names;
    QAccessibleInterface* list = tabList();
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* tab = list->child(i);
        if (tab->role() == QAccessible::PageTab && tab->state().selected) {
            names << tab->text(QAccessible::Name);
        }
    }
    return names;
}

void AccessibilityTest::tabRowsAreAPageTabList()
{
    QAccessibleInterface* list = tabList();
    QVERIFY(list != nullptr);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->text(QAccessible::Description), QStringLiteral("Calculate Aircoil  Inductance"));

    TabRows* tabs = m_ui->tabControl();
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* tab = list->child(i);
        QVERIFY(tab != nullptr && tab->isValid());
        if (tab->role() != QAccessible::PageTab) {
            continue;
        }
        names << tab->text(QAccessible::Name);
        // The tab knows its place in the list, and where it stands on screen.
        QCOMPARE(tab->parent()->object(), tabs);
        QCOMPARE(list->indexOfChild(tab), i);
        const int row = static_cast<int>(names.size()) - 1;
        QCOMPARE(tab->rect(), QRect(tabs->mapToGlobal(tabs->rowRect(row).topLeft()), tabs->rowRect(row).size()));
        QVERIFY(tab->state().selectable);
        QVERIFY(!tab->state().invisible);
    }
    QCOMPARE(names, PageCaptions());
    // The same tab is found again, not a new one each time.
    QCOMPARE(list->child(0), list->child(0));
}

void AccessibilityTest::currentPageTabIsSelected_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    for (int page = 0; page < 4; ++page) {
        QTest::newRow(loopcalc::testing::kPages[page].name) << page << PageCaptions().at(page);
    }
}

void AccessibilityTest::currentPageTabIsSelected()
{
    QFETCH(int, page);
    QFETCH(QString, caption);
    // At start the last page is the selected one.
    QCOMPARE(selectedTabs(), QStringList{PageCaptions().at(3)});
    m_ui.selectPage(page);
    QCOMPARE(selectedTabs(), QStringList{caption});

    // With the focus on the tab rows, the selected tab is the focused child.
    m_ui->tabControl()->setFocus();
    QAccessibleInterface* focused = tabList()->focusChild();
    QVERIFY(focused != nullptr);
    QCOMPARE(focused->text(QAccessible::Name), caption);
    QVERIFY(focused->state().focused);

    // A reader's "press" on another tab selects its page.
    const int other = (page + 1) % 4;
    QAccessibleActionInterface* press = tabList()->child(other)->actionInterface();
    QVERIFY(press != nullptr);
    QVERIFY(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_ui->tabControl()->currentIndex(), other);
}

void AccessibilityTest::pagesStayReachable()
{
    // Below the tabs, the pages and their controls are still in the tree.
    QAccessibleInterface* list = tabList();
    TabRows* tabs = m_ui->tabControl();
    QList<QObject*> reached;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* child = list->child(i);
        reached << child->object();
        if (child->object() != nullptr) {
            QCOMPARE(list->indexOfChild(child), i);
            QCOMPARE(child->parent()->object(), tabs);
        }
    }
    for (int page = 0; page < tabs->count(); ++page) {
        QVERIFY(reached.contains(tabs->page(page)));
    }
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(tabs->page(3));
    QVERIFY(!shown->state().invisible);
    QVERIFY(QAccessible::queryAccessibleInterface(tabs->page(0))->state().invisible);
}

void AccessibilityTest::boxesAreNamedByTheirLabels_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    const struct {
        const char* box;
        const char* name;
        const char* label;
    } rows[] = {
        {"txtRadius2", "Radius (mm)", "lblRadius2"},        {"txtTurns2", "No.of Turns", "lblTurns2"},
        {"txtWire2", "Wire Radius (mm)", "lblWire2"},       {"txtInductance2", "Inductance", "lblResult2"},
        {"txtWidth4", "Width (mm)", "lblWidth4"},           {"txtHeight4", "Height (mm)", "lblheight4"},
        {"txtTurns4", "No. of Turns", "lblTurns4"},         {"txtWireRad4", "Wire Radius (mm)", "lblWire4"},
        {"txtInductance4", "Inductance", "lblInductance4"}, {"txtOuterRadius3", "Outer Radius (mm)", "Label1"},
        {"txtInnerRadius3", "Inner Radius (mm)", "Label2"}, {"txtTurns3", "No. of Turns", "Label3"},
        {"txtInductance3", "Inductance", "lblInductance3"}, {"txtWidth1", "Width (mm)", "lblWidth1"},
        {"txtHeight1", "Height (mm)", "lblHeight1"},        {"txtTurns1", "No. of Turns", "lblTurns1"},
        {"txtTrace1", "Trace Size (mm)", "lblTrace1"},      {"txtInductance1", "Inductance", "lblInduct1"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.box) << row.box << row.name << row.label;
    }
}

void AccessibilityTest::boxesAreNamedByTheirLabels()
{
    QFETCH(QString, box);
    QFETCH(QString, name);
    QFETCH(QString, label);
    auto* edit = m_ui.box(box);
    auto* caption = m_ui.child<QLabel>(label);
    QVERIFY(edit != nullptr && caption != nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QCOMPARE(iface->state().readOnly, edit->isReadOnly());
    // The box is labelled by its label, which still shows its own caption.
    bool labelled = false;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label)) {
        labelled = labelled || other->object() == caption;
    }
    QVERIFY(labelled);
    QVERIFY(caption->text().startsWith(name));
    // Its tooltip stays the description; nothing visible changed.
    QCOMPARE(iface->text(QAccessible::Description), edit->toolTip());
}

void AccessibilityTest::picturesSayWhatTheyShow_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("imgCircWireCoil") << "imgCircWireCoil" << QStringList{"circular coil", "wire", "radius marked R"};
    QTest::newRow("imgRectWireCoil") << "imgRectWireCoil"
                                     << QStringList{"rectangular coil", "wire", "width marked W", "height H"};
    QTest::newRow("imgSpiralCoil") << "imgSpiralCoil"
                                   << QStringList{"flat spiral coil", "inner radius marked Ri", "outer radius Ro"};
    QTest::newRow("imgFlatRectCoil") << "imgFlatRectCoil"
                                     << QStringList{"flat rectangular spiral coil", "width marked W", "height H"};
    QTest::newRow("imgHeader") << "imgHeader" << QStringList{"Logo", "Loop Inductance"};
}

void AccessibilityTest::picturesSayWhatTheyShow()
{
    QFETCH(QString, picture);
    QFETCH(QStringList, words);
    auto* widget = m_ui.child(picture);
    QVERIFY(widget != nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(iface->role(), QAccessible::Graphic);
    const QString name = iface->text(QAccessible::Name);
    for (const QString& word : words) {
        QVERIFY2(name.contains(word, Qt::CaseInsensitive), qPrintable(name));
    }
    // Said, not shown: no tooltip appears over the picture.
    QVERIFY(widget->toolTip().isEmpty());
}

void AccessibilityTest::secondaryPicturesSayWhatTheyShow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("words");
    using loopcalc::shell::FormulaKind;
    QTest::newRow("circular formula") << int(FormulaKind::CircularWire)
                                      << QStringList{"Formula", "power 1.9", "logarithm of 8 R over a", "wire radius"};
    QTest::newRow("rectangular formula") << int(FormulaKind::Rectangular)
                                         << QStringList{"Formula", "N squared",
                                                        "square root of h squared plus w squared", "flat rectangular"};
    QTest::newRow("spiral formula") << int(FormulaKind::FlatSpiral)
                                    << QStringList{"Formula", "0.397", "8 a plus 11 b", "mean radius"};
    QTest::newRow("about box") << -1 << QStringList{"coil", "field lines"};
}

void AccessibilityTest::secondaryPicturesSayWhatTheyShow()
{
    QFETCH(int, kind);
    QFETCH(QStringList, words);
    std::unique_ptr<QWidget> window;
    if (kind < 0) {
        window = std::make_unique<loopcalc::shell::AboutBox>();
    } else {
        window = std::make_unique<loopcalc::shell::FormulaWindow>(static_cast<loopcalc::shell::FormulaKind>(kind));
    }
    const QList<QWidget*> pictures = window->findChildren<QWidget*>(QStringLiteral("Image1")) +
                                     window->findChildren<QWidget*>(QStringLiteral("Image3"));
    QCOMPARE(pictures.size(), 1);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(pictures.first());
    QCOMPARE(iface->role(), QAccessible::Graphic);
    const QString name = iface->text(QAccessible::Name);
    for (const QString& word : words) {
        QVERIFY2(name.contains(word, Qt::CaseInsensitive), qPrintable(name));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

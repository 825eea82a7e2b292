// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "mainwindowdesign.h"
#include "picturebox.h"
#include "qttext.h"
#include "tabrows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

#include <array>
#include <mutex>
#include <string_view>

namespace loopcalc::shell {

namespace {

struct PictureName {
    std::string_view window;
    std::string_view picture;
    std::string_view name;
};

// What each picture shows, said in words; pictures are found by their
// window's and their own objectName.
constexpr std::array kPictureNames{
    PictureName{"frmMain", "imgCircWireCoil",
                "Drawing of a circular coil of several turns of wire in perspective, its radius marked R"},
    PictureName{"frmMain", "imgRectWireCoil",
                "Drawing of a rectangular coil of several turns of wire in perspective, its width marked W and its "
                "height H"},
    PictureName{"frmMain", "imgSpiralCoil",
                "Drawing of a flat spiral coil, its inner radius marked Ri and its outer radius Ro"},
    PictureName{"frmMain", "imgFlatRectCoil",
                "Drawing of a flat rectangular spiral coil, its width marked W and its height H, measured from "
                "centre trace to centre trace"},
    PictureName{"frmMain", "imgHeader",
                "Logo: a loop with the field lines through it, Loop Inductance, calculator for small coils"},
    PictureName{"frmUla1", "Image1",
                "Formula: L = N to the power 1.9, times R, times mu 0, times mu r, times the natural logarithm of "
                "8 R over a, minus 2. N is the number of turns, a the wire radius, R the radius of the coil in cm, "
                "mu 0 the permeability of space (1.256 times 10 to the minus 6 H/m), mu r the relative "
                "permeability of the medium (usually about 1). A drawing of the coil, its radius marked R."},
    PictureName{"frmUla", "Image3",
                "Formula: L = N squared, times mu 0 mu r over pi, times the sum of: minus 2 times (w + h), plus 2 "
                "times the square root of h squared plus w squared, minus h times the natural logarithm of h plus "
                "that root over w, minus w times the natural logarithm of w plus that root over h, plus h times "
                "the natural logarithm of 2 h over a, plus w times the natural logarithm of 2 w over a. N is the "
                "number of turns, w the width and h the height of the rectangle in cm, a the wire radius, mu 0 the "
                "permeability of space (1.256 times 10 to the minus 6 H/m), mu r the relative permeability of the "
                "medium (usually about 1). Drawings of a rectangular wire-wound coil and of a flat rectangular "
                "air coil, their width marked w and height h."},
    PictureName{"frmUla2", "Image1",
                "Formula: L = 0.397 times a squared times N squared, over 8 a plus 11 b; L in microhenries, a and b "
                "in cm. N is the number of turns, a the mean radius, (Ro + Ri) / 2, b the depth of the coil, "
                "Ro minus Ri, Ro the outer and Ri the inner radius of the spiral in cm. A drawing of the spiral, "
                "its radii marked Ri and Ro."},
    PictureName{"frmAbout", "Image1", "Picture of a coil of wire with the magnetic field lines through it"},
};

/// One row of the tab rows: a page tab, selected while its page is shown.
/// A reader's press selects its page as a click on the row does.
class PageTabInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabInterface(TabRows* tabs, int index)
        : m_tabs(tabs)
        , m_index(index)
    {
    }

    [[nodiscard]] bool isValid() const override { return !m_tabs.isNull() && m_index < m_tabs->count(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return isValid() ? m_tabs->window()->windowHandle() : nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return isValid() ? QAccessible::queryAccessibleInterface(m_tabs.data()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_tabs->caption(m_index) : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::PageTab; }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = m_tabs->currentIndex() == m_index;
        state.selectable = true;
        state.selected = current;
        state.focusable = true;
        state.focused = current && m_tabs->hasFocus();
        state.invisible = !m_tabs->isVisible();
        return state;
    }

    [[nodiscard]] QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect row = m_tabs->rowRect(m_index);
        return {m_tabs->mapToGlobal(row.topLeft()), row.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid()) {
            m_tabs->setCurrentIndex(m_index);
        }
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    QPointer<TabRows> m_tabs;
    int m_index;
};

/// The tab rows: a page tab list whose first children are its page tabs,
/// followed by the pages with their controls.
class TabRowsInterface final : public QAccessibleWidget {
public:
    explicit TabRowsInterface(TabRows* tabs)
        : QAccessibleWidget(tabs, QAccessible::PageTabList)
    {
    }

    ~TabRowsInterface() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabIds)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    TabRowsInterface(const TabRowsInterface&) = delete;
    TabRowsInterface& operator=(const TabRowsInterface&) = delete;

    [[nodiscard]] int childCount() const override { return tabCount() + QAccessibleWidget::childCount(); }

    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        if (index < 0) {
            return nullptr;
        }
        if (index < tabCount()) {
            return pageTab(index);
        }
        return QAccessibleWidget::child(index - tabCount());
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr) {
            return -1;
        }
        for (auto it = m_tabIds.cbegin(); it != m_tabIds.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child) {
                return it.key();
            }
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + tabCount();
    }

    [[nodiscard]] QAccessibleInterface* focusChild() const override
    {
        const TabRows* rows = tabs();
        if (rows->hasFocus() && rows->currentIndex() >= 0) {
            return pageTab(rows->currentIndex());
        }
        return QAccessibleWidget::focusChild();
    }

    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        const TabRows* rows = tabs();
        const QPoint local = rows->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < tabCount(); ++i) {
            if (rows->rowRect(i).contains(local)) {
                return pageTab(i);
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    [[nodiscard]] TabRows* tabs() const { return static_cast<TabRows*>(widget()); }
    [[nodiscard]] int tabCount() const { return tabs()->count(); }

    [[nodiscard]] QAccessibleInterface* pageTab(int index) const
    {
        if (const auto it = m_tabIds.constFind(index); it != m_tabIds.cend()) {
            return QAccessible::accessibleInterface(it.value());
        }
        auto* tab = new PageTabInterface(tabs(), index);
        m_tabIds.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    mutable QHash<int, QAccessible::Id> m_tabIds;
};

QAccessibleInterface* ProgramInterfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String(TabRows::staticMetaObject.className())) {
        if (auto* tabs = qobject_cast<TabRows*>(object)) {
            return new TabRowsInterface(tabs);
        }
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        if (auto* picture = qobject_cast<PictureBox*>(object)) {
            return new QAccessibleWidget(picture, QAccessible::Graphic);
        }
    }
    return nullptr;
}

/// A label's caption as a name: "Radius (mm):" names its box "Radius (mm)".
QString NameFromCaption(const QString& caption)
{
    QString name = caption.trimmed();
    while (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

/// Ties each label of the pages to the box that follows it in its frame.
void NameBoxesByTheirLabels(QWidget* window)
{
    for (const PageDesign& page : MainPages()) {
        const ControlDesign* label = nullptr;
        for (const ControlDesign& control : page.controls) {
            const bool box = control.kind == ControlKind::Input || control.kind == ControlKind::Result;
            if (box && label != nullptr && label->parent == control.parent) {
                auto* caption = window->findChild<QLabel*>(QtText(label->name));
                auto* edit = window->findChild<QLineEdit*>(QtText(control.name));
                if (caption != nullptr && edit != nullptr) {
                    caption->setBuddy(edit);
                    edit->setAccessibleName(NameFromCaption(caption->text()));
                }
            }
            label = control.kind == ControlKind::Label ? &control : nullptr;
        }
    }
}

}  // namespace

void ExposeToAssistiveTechnology(QWidget* window)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&ProgramInterfaces); });
    if (window == nullptr) {
        return;
    }
    NameBoxesByTheirLabels(window);
    for (const PictureName& entry : kPictureNames) {
        if (window->objectName() != QtText(entry.window)) {
            continue;
        }
        if (auto* picture = window->findChild<PictureBox*>(QtText(entry.picture))) {
            picture->setAccessibleName(QtText(entry.name));
        }
    }
}

}  // namespace loopcalc::shell

// SPDX-License-Identifier: MIT
// A tab control whose tabs stand one per row, full width, above the pages.
#pragma once

#include <QList>
#include <QWidget>

namespace loopcalc::shell {

/// Tabs as full-width rows stacked at the top, the current page below them.
/// A click on a row, the keyboard and currentIndex all select a page the
/// same way: the new page is shown, the old one hidden, then
/// currentIndexChanged is emitted. Only a change of page is announced.
///
/// Keys while the control has the focus: Up/Left and Down/Right move one row
/// (stopping at the ends), Home/End go to the first/last row. Ctrl+Tab and
/// Ctrl+PgDown select the next page, Ctrl+Shift+Tab and Ctrl+PgUp the
/// previous one (both wrap round); these also work from inside a page.
class TabRows : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
public:
    /// rowHeight: the height of one row in pixels.
    explicit TabRows(int rowHeight, QWidget* parent = nullptr);

    /// Adds a page with its row caption and returns the page, a plain widget
    /// whose origin is the top-left corner of the page area. The first page
    /// added becomes current.
    QWidget* addPage(const QString& caption);

    [[nodiscard]] int count() const { return static_cast<int>(m_pages.size()); }
    [[nodiscard]] QWidget* page(int index) const;
    [[nodiscard]] QString caption(int index) const;
    [[nodiscard]] int currentIndex() const { return m_current; }
    /// Out-of-range indexes are ignored.
    void setCurrentIndex(int index);

    /// The row of a tab, in this widget's coordinates.
    [[nodiscard]] QRect rowRect(int index) const;
    /// The top of the page area: every row lies above it.
    [[nodiscard]] int pageTop() const { return m_rowHeight * count(); }

signals:
    /// A page is about to be shown; its contents can still be made.
    void pageAboutToShow(int index);
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPages();
    void step(int delta, bool wrap);

    int m_rowHeight;
    int m_current = -1;
    QList<QWidget*> m_pages;
    QList<QString> m_captions;
};

}  // namespace loopcalc::shell

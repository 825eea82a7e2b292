// SPDX-License-Identifier: MIT
// The floor under the main window's start: the bare window with the main
// window's menu bar, painting only the text of the start page in the
// page's fonts, at about the places the page draws it, with no widget,
// frame or picture. What it costs above the bare window is what the text
// alone costs (font engines, glyphs, shaping), however the widgets are
// built. Keep the strings and fonts in step with the flat rectangular page.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

QFont Arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class PageText : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        struct Item {
            QFont font;
            QPointF baseline;
            const char* text;
        };
        const QFont tab = Arial(12.0);
        const QFont caption = Arial(7.8);
        const QFont text = Arial(10.8);
        const QFont bold = Arial(12.0, true);
        const QFont note = Arial(8.0);
        const Item items[] = {
            {tab, {225, 45}, "Circular Wire Coil"},
            {tab, {209, 68}, "Rectangular Wire Coil"},
            {tab, {223, 91}, "Flat Spiral Air Coil"},
            {tab, {199, 114}, "Flat Rectangular Air Coil"},
            {caption, {34.5, 133}, "Style"},
            {caption, {315.5, 133}, "Input Data"},
            {caption, {315.5, 277}, "Result"},
            {text, {321, 160}, "Width (mm):"},
            {text, {321, 189}, "Height (mm):"},
            {text, {321, 216}, "No. of Turns:"},
            {text, {321, 244}, "Trace Size (mm):"},
            {text, {459, 159}, "21"},
            {text, {459, 188}, "10"},
            {text, {462, 216}, "11"},
            {text, {450, 244}, "0.127"},
            {text, {319, 297}, "Inductance:"},
            {text, {421, 300}, "5.858 \u00b5H"},
            {bold, {378, 358}, "Calculate"},
            {bold, {32, 440}, "RFID"},
            {note, {78.3, 357}, "(Note: Dimensions are taken"},
            {note, {78.3, 370}, "centre trace to centre trace)"},
        };
        QPainter painter(this);
        for (const Item& item : items) {
            painter.setFont(item.font);
            painter.drawText(item.baseline, QString::fromUtf8(item.text));
        }
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "F&ormulae", "&Design", "&About"}) {
        window.menuBar()->addMenu(QString::fromUtf8(menu));
    }
    window.setCentralWidget(new PageText(&window));
    window.resize(576, 477);
    return loopcalc::bench::RunUntilFirstPaint(window);
}

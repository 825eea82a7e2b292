// SPDX-License-Identifier: MIT
#include "pagebuilder.h"

#include "picturebox.h"
#include "qttext.h"
#include "shapes.h"
#include "tabrows.h"
#include "twips.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace loopcalc::shell {

namespace {

constexpr double kDialogPoints = 8.0;
constexpr double kCaptionPoints = 7.8;
constexpr double kTextPoints = 10.8;
constexpr double kLargePoints = 12.0;
const QColor kButtonFace(128, 128, 255);

QFont Arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

/// Narrows a label's letters, never its height, until its caption fits its
/// width: cut at its end, a caption would lose its colon or its unit. Fonts
/// laid out at fractional pixel sizes run a few pixels wider than the design
/// allowed for the longest captions.
void CondenseToFit(QLabel* label)
{
    constexpr int kNarrowest = 85;
    QFont font = label->font();
    const int room = label->contentsRect().width();
    for (int stretch = 99; stretch >= kNarrowest && QFontMetrics(font, label).horizontalAdvance(label->text()) > room;
         --stretch) {
        font.setStretch(stretch);
    }
    label->setFont(font);
}

// Each control gets its font before its text, so that the text is laid out
// once, in its own font.

/// The text a control starts with: an input box's comes from the shape
/// table, every other control's from the design.
QString StartText(const ControlDesign& control)
{
    if (control.kind == ControlKind::Input) {
        if (const ShapeField* field = FindField(control.name)) {
            return QtText(field->initialText);
        }
    }
    return QtText(control.text);
}

QWidget* MakeEdit(const QString& text, bool readOnly, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setFont(Arial(kTextPoints));
    edit->setAlignment(Qt::AlignCenter);
    edit->setReadOnly(readOnly);
    edit->setText(text);
    // The whole text shows from its first character, as the design has it.
    edit->setCursorPosition(0);
    return edit;
}

QWidget* MakeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFont(Arial(kLargePoints, true));
    button->setText(text);
    // No button of the window is a default button: Enter presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    SetColour(button, QPalette::Button, kButtonFace);
    return button;
}

QWidget* MakeLabel(const QString& text, ControlKind kind, QWidget* parent)
{
    auto* label = new QLabel(parent);
    switch (kind) {
    case ControlKind::Note:
        // The window's small dialog font, not the tab control's; at this
        // size the blanks after "taken" make the wrap fall there.
        label->setFont(Arial(kDialogPoints));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case ControlKind::Banner:
        label->setFont(Arial(kLargePoints, true));
        SetColour(label, QPalette::WindowText, Qt::red);
        break;
    default: label->setFont(Arial(kTextPoints)); break;
    }
    label->setText(text);
    return label;
}

/// Makes the widget of one control, by its kind, with its text and fonts.
QWidget* MakeWidget(const ControlDesign& control, QWidget* parent)
{
    const QString text = StartText(control);
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(parent);
        frame->setFont(Arial(kCaptionPoints));
        SetColour(frame, QPalette::WindowText, Qt::blue);
        frame->setTitle(text);
        return frame;
    }
    case ControlKind::PlainFrame: return new QGroupBox(parent);
    case ControlKind::Label:
    case ControlKind::Note:
    case ControlKind::Banner: return MakeLabel(text, control.kind, parent);
    case ControlKind::Input:
    case ControlKind::Result: return MakeEdit(text, control.kind == ControlKind::Result, parent);
    case ControlKind::Button: return MakeButton(text, parent);
    case ControlKind::Drawing:
    case ControlKind::Logo: {
        auto* picture = new PictureBox(text, PictureBox::Fit::Stretch, parent);
        picture->setFramed(control.kind == ControlKind::Drawing);
        return picture;
    }
    }
    return new QWidget(parent);
}

/// Makes one control inside parent, named and placed; offsetY (pixels)
/// moves it up by the part of its parent's coordinates that lies outside the
/// parent widget.
QWidget* MakeControl(const ControlDesign& control, QWidget* parent, int offsetY, const BuildContext& context)
{
    QWidget* widget = MakeWidget(control, parent);
    // Controls inside a blue-captioned frame keep the ordinary text colour.
    if (qobject_cast<QGroupBox*>(parent) != nullptr && control.kind != ControlKind::Banner) {
        widget->setPalette(context.plain);
    }
    widget->setObjectName(QtText(control.name));
    if (!control.toolTip.empty()) {
        widget->setToolTip(QtText(control.toolTip));
    }
    widget->setGeometry(
        TwipsRect(control.left, control.top, control.width, control.height, context.dpi).translated(0, -offsetY));
    if (control.kind == ControlKind::Label) {
        CondenseToFit(static_cast<QLabel*>(widget));
    }
    return widget;
}

}  // namespace

BuildContext ContextFor(const QWidget& client, double dpi)
{
    // Only the text colour is set: a palette with nothing set would take the
    // frame's blue.
    QPalette plain;
    plain.setColor(QPalette::WindowText, client.palette().color(QPalette::WindowText));
    return {dpi, plain};
}

TabRows* BuildTabControl(QWidget* client, double dpi)
{
    const TabControlDesign& design = MainTabControl();
    auto* tabs = new TabRows(TwipsToPixels(design.rowHeight, dpi), client);
    tabs->setObjectName(QtText(design.name));
    tabs->setFont(Arial(kLargePoints));
    tabs->setToolTip(QtText(design.toolTip));
    tabs->setGeometry(TwipsRect(design.left, design.top, design.width, design.height, dpi));
    for (const Shape& shape : Shapes()) {
        tabs->addPage(QtText(shape.caption));
    }
    return tabs;
}

void BuildPage(TabRows& tabs, int index, const BuildContext& context)
{
    const std::span<const PageDesign> pages = MainPages();
    if (index >= 0 && static_cast<std::size_t>(index) < pages.size()) {
        BuildControls(pages[static_cast<std::size_t>(index)].controls, tabs.page(index), tabs.pageTop(), context);
    }
}

void BuildControls(std::span<const ControlDesign> controls, QWidget* root, int rootOffsetY, const BuildContext& context)
{
    QHash<QString, QWidget*> frames;
    for (const ControlDesign& control : controls) {
        QWidget* parent = root;
        int offsetY = rootOffsetY;
        if (!control.parent.empty()) {
            parent = frames.value(QtText(control.parent), root);
            offsetY = 0;
        }
        QWidget* widget = MakeControl(control, parent, offsetY, context);
        if (control.kind == ControlKind::Frame || control.kind == ControlKind::PlainFrame) {
            frames.insert(widget->objectName(), widget);
        }
    }
}

}  // namespace loopcalc::shell

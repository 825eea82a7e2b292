// SPDX-License-Identifier: MIT
#include "aboutbox.h"

#include "accessibility.h"
#include "picturebox.h"
#include "twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace loopcalc::shell {

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

// Today's dialog fonts run wider than the box was drawn for; rather than cut
// off the last line, a wrapped label steps its font down until it fits.
void ShrinkToFit(QLabel* label)
{
    QFont font = label->font();
    const int flags = Qt::TextWordWrap | int(label->alignment());
    while (font.pointSizeF() > 6.0) {
        const QFontMetrics metrics(font);
        if (metrics.boundingRect(QRect(QPoint(), label->size()), flags, label->text()).height() <= label->height()) {
            break;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font != label->font()) {
        label->setFont(font);
    }
}

}  // namespace

AboutBox::AboutBox()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" Inductance Calculation"));
    setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(5724, 3228));
    setModal(false);

    // The OK button is made first so that it leads the tab order.
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(TwipsRect(4245, 2625, 1260, 345));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &AboutBox::frmAbout_cmdOK_Click);

    QLabel* title = AddLabel(this, "lblTitle", QStringLiteral("Inductance Calculation"), {348, 192, 5136, 480});
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSizeF(22.2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    title->setPalette(titlePalette);

    auto* logo = new PictureBox(QStringLiteral(":/about-logo.svg"), PictureBox::Fit::Stretch, this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(TwipsRect(204, 744, 1452, 1656));
    ExposeToAssistiveTechnology(this);

    buildTexts();
    centreOnScreen();
    m_ok->setFocus();
}

/// The version, the description, the line and the disclaimer.
void AboutBox::buildTexts()
{
    QLabel* version = AddLabel(this, "lblVersion", QStringLiteral("Ver 1.0.0"), {1896, 744, 1128, 348});
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* description =
        AddLabel(this, "lblDescription",
                 QStringLiteral("From user inputs, this program calculates the inductances of small "
                                "coil shapes: Round wirewound, Square Wirewound, Flat spiral air coil "
                                "and Flat rectangular air coil. "),
                 {1920, 1200, 3528, 948});
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(QRect(QPoint(TwipsToPixels(105), TwipsToPixels(2462)), QSize(TwipsToPixels(5648 - 105), 2)));
    QPalette linePalette = line->palette();
    linePalette.setColor(QPalette::Window, Qt::white);
    line->setPalette(linePalette);
    line->setAutoFillBackground(true);

    QLabel* disclaimer = AddLabel(this, "lblDisclaimer",
                                  QStringLiteral("Results are estimates; verify critical designs by measurement."),
                                  {255, 2625, 3870, 465});
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignCenter);

    ShrinkToFit(description);
    ShrinkToFit(disclaimer);

    // Black text for the labels the design colours, whatever the theme.
    for (QLabel* label : {description, disclaimer}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
}

void AboutBox::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Before the first show the frame is unknown and the box centres its
    // client area; once shown it centres the whole window.
    QRect outer = frameGeometry();
    outer.moveCenter(screen->geometry().center());
    move(outer.topLeft());
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen();
    }
}

void AboutBox::frmAbout_cmdOK_Click()
{
    close();
}

}  // namespace loopcalc::shell

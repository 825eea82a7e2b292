// SPDX-License-Identifier: MIT
// Build step: makes the main window's framed drawings ahead of time, each at
// the size of its box at 96 dpi, at scales 1 and 2, in the same way as its
// picture box draws it from its source (DrawStretchedPicture), and the logo
// as the window's first paint shows it (in a window laid out like the main
// window, on the frame beneath it), and writes them to one file that the
// program compiles in (bakedpictures.h); and
// writes Qt's picture of the frames' border as read here to another
// (startstyle.h). Runs without a display.
//
//   bakepictures OUTPUT_FILE RESOURCES_FOLDER FRAME_OUTPUT_FILE
#include "bakedpictures.h"
#include "mainwindowdesign.h"
#include "picturedrawing.h"
#include "startstyle.h"
#include "twips.h"
#include "vectorpicture.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

namespace {

using loopcalc::shell::BakedPictureKey;
using loopcalc::shell::ControlDesign;
using loopcalc::shell::ControlKind;

/// Every framed drawing of the main window's pages.
std::vector<BakedPictureKey> PageDrawings()
{
    std::vector<BakedPictureKey> drawings;
    for (const loopcalc::shell::PageDesign& page : loopcalc::shell::MainPages()) {
        for (const ControlDesign& control : page.controls) {
            if (control.kind == ControlKind::Drawing) {
                drawings.push_back({QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size())),
                                    loopcalc::shell::TwipsSize(control.width, control.height),
                                    1,
                                    {},
                                    {}});
            }
        }
    }
    return drawings;
}

/// What the box shows beneath its border, at scale.
QImage Draw(loopcalc::shell::VectorPicture& picture, QSize box, int scale)
{
    QImage image(box * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    loopcalc::shell::DrawStretchedPicture(painter, picture, QRect(QPoint(0, 0), box), true);
    return image;
}

/// Draws as an unframed picture box does (picturebox.cpp).
class LogoBox : public QWidget {
public:
    LogoBox(loopcalc::shell::VectorPicture& picture, QWidget* parent)
        : QWidget(parent)
        , m_picture(picture)
    {
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        loopcalc::shell::DrawStretchedPicture(painter, m_picture, rect(), false);
    }

private:
    loopcalc::shell::VectorPicture& m_picture;
};

/// The main window's logos (controls of kind Logo on a frame of their own,
/// outside the pages) at scales 1 and 2, each in a window laid out as the
/// main window is, with the style the program sets: the client area below a
/// menu bar (whose height is its font's; its titles do not matter), the
/// frame and the logo in it, drawn into a picture of the whole window and
/// cut out. The first drawing of a text in a process is the one the window's
/// first paint shows (picturebox.cpp). False when one cannot be read.
bool AddLogos(const QDir& sources, std::vector<std::pair<BakedPictureKey, QImage>>& pictures)
{
    const std::span<const ControlDesign> controls = loopcalc::shell::MainWindowControls();
    for (const ControlDesign& logo : controls) {
        if (logo.kind != ControlKind::Logo) {
            continue;
        }
        const auto frame = std::find_if(controls.begin(), controls.end(),
                                        [&logo](const ControlDesign& control) { return control.name == logo.parent; });
        const QString resource = QString::fromUtf8(logo.text.data(), static_cast<qsizetype>(logo.text.size()));
        const auto picture = loopcalc::shell::ReadSvgPicture(sources.filePath(resource.mid(2)));
        if (frame == controls.end() || !picture->isValid()) {
            std::fprintf(stderr, "bakepictures: cannot place %s\n", qPrintable(resource));
            return false;
        }
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&File"));
        auto* client = new QWidget(&window);
        window.setCentralWidget(client);
        auto* box = new QGroupBox(client);
        box->setGeometry(loopcalc::shell::TwipsRect(frame->left, frame->top, frame->width, frame->height));
        auto* shown = new LogoBox(*picture, box);
        shown->setGeometry(loopcalc::shell::TwipsRect(logo.left, logo.top, logo.width, logo.height));
        window.resize(loopcalc::shell::TwipsToPixels(loopcalc::shell::kClientWidth),
                      loopcalc::shell::TwipsToPixels(loopcalc::shell::kClientHeight) +
                          window.menuBar()->sizeHint().height());
        // Laid out as when shown, without a window on the screen.
        window.layout()->activate();
        const QPoint place = shown->mapTo(&window, QPoint(0, 0));
        for (const int scale : {1, 2}) {
            QImage shot(window.size() * scale, QImage::Format_RGB32);
            shot.setDevicePixelRatio(scale);
            shot.fill(Qt::black);
            window.render(&shot);
            QImage cut = shot.copy(QRect(place * scale, shown->size() * scale));
            cut.setDevicePixelRatio(scale);
            pictures.emplace_back(
                BakedPictureKey{resource, shown->size(), scale, place, loopcalc::shell::Backdrop(*shown)}, cut);
        }
    }
    return true;
}

bool Save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        std::fprintf(stderr, "bakepictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bakepictures OUTPUT_FILE RESOURCES_FOLDER FRAME_OUTPUT_FILE\n");
        return 64;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The widgets' application: Qt's widget pictures come with it; the
    // program's style draws the frame beneath the logo.
    const QApplication app(argc, argv);
    QApplication::setStyle(new loopcalc::shell::StartStyle);
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QDir sources(QString::fromLocal8Bit(argv[2]));

    std::vector<std::pair<BakedPictureKey, QImage>> pictures;
    for (const BakedPictureKey& drawing : PageDrawings()) {
        const auto picture = loopcalc::shell::ReadSvgPicture(sources.filePath(drawing.resource.mid(2)));
        if (!picture->isValid()) {
            std::fprintf(stderr, "bakepictures: cannot read %s\n", qPrintable(drawing.resource));
            return 1;
        }
        for (const int scale : {1, 2}) {
            pictures.emplace_back(BakedPictureKey{drawing.resource, drawing.box, scale, {}, {}},
                                  Draw(*picture, drawing.box, scale));
        }
    }
    if (!AddLogos(sources, pictures)) {
        return 1;
    }
    const QImage frame(loopcalc::shell::FramePicture());
    if (frame.isNull()) {
        std::fprintf(stderr, "bakepictures: cannot read %s\n", qPrintable(loopcalc::shell::FramePicture()));
        return 1;
    }
    return Save(output, loopcalc::shell::BakedPicturesFile(pictures)) &&
                   Save(QString::fromLocal8Bit(argv[3]),
                        loopcalc::shell::BakedPictureFile(loopcalc::shell::FramePicture(), frame))
               ? 0
               : 1;
}

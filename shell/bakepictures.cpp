// SPDX-License-Identifier: MIT
// Build step: makes the main window's framed drawings ahead of time, each at
// the size of its box at 96 dpi, at scales 1 and 2, in the same way as its
// picture box draws it from its source (DrawStretchedPicture), and writes
// them to one file that the program compiles in (bakedpictures.h); and
// writes Qt's picture of the frames' border as read here to another
// (startstyle.h). Runs without a display.
//
//   bakepictures OUTPUT_FILE RESOURCES_FOLDER FRAME_OUTPUT_FILE
#include "bakedpictures.h"
#include "mainwindowdesign.h"
#include "picturedrawing.h"
#include "startstyle.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
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
                                    loopcalc::shell::TwipsSize(control.width, control.height)});
            }
        }
    }
    return drawings;
}

/// What the box shows beneath its border, at scale.
QImage Draw(QSvgRenderer& renderer, QSize box, int scale)
{
    QImage image(box * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    loopcalc::shell::DrawStretchedPicture(painter, renderer, QRect(QPoint(0, 0), box), true);
    return image;
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
    // The widgets' application: Qt's widget pictures come with it.
    const QApplication app(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QDir sources(QString::fromLocal8Bit(argv[2]));

    std::vector<std::pair<BakedPictureKey, QImage>> pictures;
    for (const BakedPictureKey& drawing : PageDrawings()) {
        QSvgRenderer renderer(sources.filePath(drawing.resource.mid(2)));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "bakepictures: cannot read %s\n", qPrintable(drawing.resource));
            return 1;
        }
        for (const int scale : {1, 2}) {
            pictures.emplace_back(BakedPictureKey{drawing.resource, drawing.box, scale},
                                  Draw(renderer, drawing.box, scale));
        }
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

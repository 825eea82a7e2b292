// SPDX-License-Identifier: MIT
// Build step: makes the main window's framed drawings ahead of time, each at
// the size of its box at 96 dpi, at scales 1 and 2, in the same way as its
// picture box draws it from its source (DrawStretchedPicture), and writes
// them to one file that the program compiles in (bakedpictures.h). Runs
// without a display.
//
//   bakepictures OUTPUT_FILE RESOURCES_FOLDER
#include "bakedpictures.h"
#include "mainwindowdesign.h"
#include "picturedrawing.h"
#include "twips.h"

#include <QDir>
#include <QGuiApplication>
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

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bakepictures OUTPUT_FILE RESOURCES_FOLDER\n");
        return 64;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
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
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(loopcalc::shell::BakedPicturesFile(pictures)) < 0 ||
        !file.commit()) {
        std::fprintf(stderr, "bakepictures: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

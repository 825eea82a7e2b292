// SPDX-License-Identifier: MIT
// Waits until a window appears on the X screen, then saves the smallest
// rectangle holding everything that is not background as a PNG.
//
//   loopcalc-screenshot OUTPUT.png [TIMEOUT_MS] [DPI]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace {

/// Everything that differs from the top-left pixel of an empty screen.
QRect ContentBounds(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: loopcalc-screenshot OUTPUT.png [TIMEOUT_MS] [DPI]\n");
        return 2;
    }
    const int timeoutMs = args.size() > 2 ? args.at(2).toInt() : 15000;
    const double dpi = args.size() > 3 ? args.at(3).toDouble() : 96.0;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "loopcalc-screenshot: no screen\n");
        return 1;
    }

    // Wait for a picture that stays the same over two looks, so that the
    // window has been painted completely.
    constexpr int kStepMs = 250;
    QImage previous;
    for (int waited = 0; waited <= timeoutMs; waited += kStepMs) {
        QThread::msleep(kStepMs);
        const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QRect bounds = ContentBounds(image);
        if (!bounds.isEmpty() && image == previous) {
            QImage shot = image.copy(bounds);
            const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
            shot.setDotsPerMeterX(dotsPerMetre);
            shot.setDotsPerMeterY(dotsPerMetre);
            if (!shot.save(args.at(1), "PNG")) {
                std::fprintf(stderr, "loopcalc-screenshot: cannot write %s\n", qPrintable(args.at(1)));
                return 1;
            }
            return 0;
        }
        previous = image;
    }
    std::fprintf(stderr, "loopcalc-screenshot: no window appeared\n");
    return 1;
}

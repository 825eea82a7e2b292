// SPDX-License-Identifier: MIT
// The style of the program's windows: the system's own, with the two
// pictures it needs before the first paint loaded without waking every image
// reader of the system, and its tall frames drawn without helper threads.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>

namespace loopcalc::shell {

/// The style Qt would choose (a style named on the command line or in the
/// environment included), drawing exactly what it draws. Two of its pictures
/// are loaded differently: reading a picture by its file name asks every
/// image-format plugin of the system whether it reads that format, which
/// loads them all (about 3 million instructions and five libraries before
/// the first paint).
/// - The menu bar's overflow button, hidden unless the menus do not fit,
///   gets an icon that asks the style for its arrow when it is first drawn
///   or measured, not when the menu bar is made.
/// - The framed boxes' border picture, when the style draws one, is put in
///   the pixmap cache first: the copy made when the program was built
///   (CacheBakedPicture), or, when Qt's picture has changed since, read by
///   the PNG reader alone.
///
/// The tab control's frame and the framed boxes are drawn in bands of rows:
/// Qt's raster engine hands a blended fill of 96 rows or more to the global
/// thread pool and waits for it, which made the first paint start two
/// threads and hand them 47 small fills. The pixels are the same; the first
/// paint took 2 to 2.5 ms less on a 2-core machine.
class StartStyle : public QProxyStyle {
public:
    StartStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

/// Qt's own picture the fusion style draws each framed box's border from.
QString FramePicture();

/// The key under which QPixmap(path) looks in the pixmap cache before it
/// reads the file: its full path, time of change, size and pixmap kind.
[[nodiscard]] QString PixmapCacheKey(const QString& path);

/// The compiled-in file (the build step writes it) holding picture, read
/// from path, under the cache key path has when it is written.
[[nodiscard]] QByteArray BakedPictureFile(const QString& path, const QImage& picture);

/// Puts the compiled-in picture in the pixmap cache where QPixmap(path)
/// finds it, provided path is the one it was read from, unchanged since;
/// false when it did not.
bool CacheBakedPicture(const QString& path);

/// Puts the PNG picture at path (a file or a resource) in the pixmap cache,
/// where QPixmap(path) looks before it reads, read by the PNG reader alone;
/// returns it, or a null pixmap when it cannot be read.
QPixmap CachePngPicture(const QString& path);

}  // namespace loopcalc::shell

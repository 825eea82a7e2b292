// SPDX-License-Identifier: MIT
#include "startstyle.h"

#include <QApplication>
#include <QDataStream>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace loopcalc::shell {

namespace {

/// Qt's frame picture as read when the program was built (BakedPictureFile).
const auto kBakedFile = QStringLiteral(":/frame-picture.baked");
constexpr quint32 kMagic = 0x4C434650;  // "LCFP"
constexpr auto kStreamVersion = QDataStream::Qt_6_0;

/// The bytes of value, each as two lowercase hexadecimal digits, low digit
/// first, in memory order: how the pixmap loader writes numbers in its keys.
template <typename T>
QString LoaderHex(T value)
{
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    QString text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QChar(kDigits[bytes[i] & 0xfU]);
        text += QChar(kDigits[bytes[i] >> 4U]);
    }
    return text;
}

/// An icon that asks the application's style for one of its standard icons
/// when it is first drawn or measured, and is that icon from then on.
class StandardIconOnFirstUse : public QIconEngine {
public:
    explicit StandardIconOnFirstUse(QStyle::StandardPixmap which)
        : m_which(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        // size is in device pixels: the icon's own engine is asked for it.
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("StandardIconOnFirstUse"); }
    QIconEngine* clone() const override { return new StandardIconOnFirstUse(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon) {
            // With an option the start style hands the request on.
            QStyleOption option;
            option.direction = QGuiApplication::layoutDirection();
            m_icon = QApplication::style()->standardIcon(m_which, &option);
        }
        return *m_icon;
    }

    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

/// The height, in the painter's units, of the bands the frames are drawn in
/// at a device pixel ratio: at most 95 device rows, too few for the raster
/// engine to split the fill between threads (it splits a fill of n rows
/// into (n + 32) / 64 parts).
int FrameBandRows(qreal devicePixelRatio)
{
    constexpr qreal kSerialRows = 95;
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    return std::max(1, static_cast<int>(std::floor(kSerialRows / ratio)));
}

}  // namespace

StartStyle::StartStyle()
{
    // The border picture is the fusion style's; another style draws without it.
    if (baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0 &&
        !CacheBakedPicture(FramePicture())) {
        CachePngPicture(FramePicture());
    }
}

QIcon StartStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    // The menu bar asks for its overflow arrow without an option.
    if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
        return QIcon(new StandardIconOnFirstUse(which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void StartStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool frame = (element == PE_FrameTabWidget || element == PE_FrameGroupBox) && option != nullptr &&
                       painter != nullptr && painter->device() != nullptr;
    const int band = frame ? FrameBandRows(painter->device()->devicePixelRatio()) : 0;
    if (!frame || option->rect.height() <= band) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A style may draw a pixel or two outside the frame's rectangle; the
    // bands cover that margin too.
    constexpr int kMargin = 4;
    const QRect area = option->rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    for (int top = area.top(); top <= area.bottom(); top += band) {
        painter->save();
        painter->setClipRect(QRect(area.left(), top, area.width(), band), Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}

QString FramePicture()
{
    return QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
}

// The key is the pixmap loader's own, not a published one: a test checks that
// QPixmap(path) finds the picture put under it; were it to change, the
// picture would only be read again.
QString PixmapCacheKey(const QString& path)
{
    constexpr unsigned int kPixmapKind = 0;
    const QFileInfo file(path);
    return QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
           LoaderHex(static_cast<unsigned int>(file.lastModified().toSecsSinceEpoch())) +
           LoaderHex(static_cast<quint64>(file.size())) + LoaderHex(kPixmapKind);
}

// The file: magic number, cache key, width and height, then the pixels
// (32-bit, with their alpha, not premultiplied) row after row.
QByteArray BakedPictureFile(const QString& path, const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray file;
    QDataStream stream(&file, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << kMagic << PixmapCacheKey(path) << static_cast<quint32>(pixels.width())
           << static_cast<quint32>(pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        file.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * qsizetype(4));
    }
    return file;
}

bool CacheBakedPicture(const QString& path)
{
    const QResource resource(kBakedFile);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return false;
    }
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    QDataStream stream(file);
    stream.setVersion(kStreamVersion);
    quint32 magic = 0;
    QString key;
    quint32 width = 0;
    quint32 height = 0;
    stream >> magic >> key >> width >> height;
    const qint64 at = stream.device()->pos();
    const QString wanted = PixmapCacheKey(path);
    if (stream.status() != QDataStream::Ok || magic != kMagic || key != wanted || width == 0 || width > 4096 ||
        height > 4096 || file.size() - at != qint64(width) * height * 4) {
        return false;
    }
    QImage pixels(int(width), int(height), QImage::Format_ARGB32);
    if (pixels.isNull()) {
        return false;
    }
    for (int y = 0; y < pixels.height(); ++y) {
        std::memcpy(pixels.scanLine(y), file.constData() + at + qint64(y) * width * 4, std::size_t(width) * 4);
    }
    QPixmapCache::insert(wanted, QPixmap::fromImage(pixels));
    return true;
}

QPixmap CachePngPicture(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        return {};
    }
    QImageReader reader(path, "png");
    // The PNG reader alone: no plugin is asked.
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    QPixmap picture = QPixmap::fromImage(image);
    QPixmapCache::insert(PixmapCacheKey(path), picture);
    return picture;
}

}  // namespace loopcalc::shell

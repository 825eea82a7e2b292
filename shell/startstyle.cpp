// SPDX-License-Identifier: MIT
#include "startstyle.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmapCache>
#include <QStyleOption>

#include <optional>

namespace loopcalc::shell {

namespace {

/// The picture the style draws each framed box's border from.
const auto kFramePicture = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

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

/// The key under which QPixmap(path) looks in the pixmap cache before it
/// reads the file: its full path, time of change, size and pixmap kind. It is
/// the loader's own, not a published one: a test checks that QPixmap(path)
/// finds the picture put there; were the key to change, the picture would
/// only be read again.
QString LoaderKey(const QFileInfo& file)
{
    constexpr unsigned int kPixmapKind = 0;
    return QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
           LoaderHex(static_cast<unsigned int>(file.lastModified().toSecsSinceEpoch())) +
           LoaderHex(static_cast<quint64>(file.size())) + LoaderHex(kPixmapKind);
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

}  // namespace

StartStyle::StartStyle()
{
    // The border picture is the fusion style's; another style draws without it.
    if (baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0) {
        CachePngPicture(kFramePicture);
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
    QPixmapCache::insert(LoaderKey(file), picture);
    return picture;
}

}  // namespace loopcalc::shell

// SPDX-License-Identifier: MIT
#include "bakedpictures.h"

#include <QDataStream>
#include <QResource>

#include <cstring>
#include <vector>

namespace loopcalc::shell {

namespace {

constexpr quint32 kMagic = 0x4C435042;  // "LCPB"
constexpr quint32 kVersion = 1;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;
const auto kPicturesFile = QStringLiteral(":/pictures.baked");

struct Entry {
    BakedPictureKey key;
    QByteArray pixels;  // rows of 32-bit pixels, compressed
};

/// Every picture in the compiled-in file; none when it is missing or torn.
std::vector<Entry> ReadEntries()
{
    const QResource resource(kPicturesFile);
    if (!resource.isValid()) {
        return {};
    }
    QByteArray bytes = resource.compressionAlgorithm() == QResource::NoCompression
                           ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
                           : resource.uncompressedData();
    QDataStream stream(bytes);
    stream.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint32 version = 0;
    quint32 count = 0;
    stream >> magic >> version >> count;
    if (magic != kMagic || version != kVersion) {
        return {};
    }
    std::vector<Entry> entries;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Entry entry;
        quint32 scale = 0;
        stream >> entry.key.resource >> entry.key.box >> scale >> entry.pixels;
        entry.key.scale = static_cast<int>(scale);
        entries.push_back(std::move(entry));
    }
    if (stream.status() != QDataStream::Ok) {
        return {};
    }
    return entries;
}

}  // namespace

QImage BakedPicture(const BakedPictureKey& key)
{
    static const std::vector<Entry> entries = ReadEntries();
    for (const Entry& entry : entries) {
        if (!(entry.key == key)) {
            continue;
        }
        const QSize size = key.box * key.scale;
        const QByteArray pixels = qUncompress(entry.pixels);
        QImage image(size, QImage::Format_RGB32);
        const auto rowBytes = static_cast<qsizetype>(size.width()) * 4;
        if (image.isNull() || pixels.size() != rowBytes * size.height()) {
            return {};
        }
        for (int y = 0; y < size.height(); ++y) {
            std::memcpy(image.scanLine(y), pixels.constData() + rowBytes * y, static_cast<std::size_t>(rowBytes));
        }
        image.setDevicePixelRatio(key.scale);
        return image;
    }
    return {};
}

void WriteBakedHeader(QDataStream& stream, int count)
{
    stream.setVersion(kStreamVersion);
    stream << kMagic << kVersion << static_cast<quint32>(count);
}

void WriteBakedPicture(QDataStream& stream, const BakedPictureKey& key, const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QByteArray rows;
    const auto rowBytes = static_cast<qsizetype>(pixels.width()) * 4;
    rows.reserve(rowBytes * pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        rows.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    }
    stream << key.resource << key.box << static_cast<quint32>(key.scale) << qCompress(rows, 9);
}

}  // namespace loopcalc::shell

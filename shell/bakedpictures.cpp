// SPDX-License-Identifier: MIT
#include "bakedpictures.h"

#include <QDataStream>
#include <QIODevice>
#include <QPalette>
#include <QProxyStyle>
#include <QResource>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace loopcalc::shell {

namespace {

constexpr quint32 kMagic = 0x4C435042;  // "LCPB"
constexpr quint32 kVersion = 2;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;
const auto kPicturesFile = QStringLiteral(":/pictures.baked");

struct Entry {
    BakedPictureKey key;
    // Runs of equal pixels, a count and a 32-bit pixel each, in the
    // compiled-in file itself.
    QByteArrayView runs;
};

/// The image's pixels, row after row, as runs of equal pixels.
QByteArray Runs(const QImage& image)
{
    QByteArray runs;
    quint32 count = 0;
    QRgb last = 0;
    const auto add = [&runs](quint32 length, QRgb pixel) {
        const quint32 run[2] = {length, pixel};
        runs.append(reinterpret_cast<const char*>(run), sizeof run);
    };
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (count > 0 && row[x] == last) {
                ++count;
                continue;
            }
            if (count > 0) {
                add(count, last);
            }
            last = row[x];
            count = 1;
        }
    }
    if (count > 0) {
        add(count, last);
    }
    return runs;
}

/// Fills image, row after row, from runs; false if they do not fill it
/// exactly.
bool FillFromRuns(QImage& image, QByteArrayView runs)
{
    const qsizetype width = image.width();
    qsizetype x = 0;
    int y = 0;
    QRgb* row = image.height() > 0 ? reinterpret_cast<QRgb*>(image.scanLine(0)) : nullptr;
    constexpr qsizetype kRunBytes = 2 * sizeof(quint32);
    if (runs.size() % kRunBytes != 0) {
        return false;
    }
    for (qsizetype at = 0; at < runs.size(); at += kRunBytes) {
        quint32 run[2];
        std::memcpy(run, runs.constData() + at, sizeof run);
        for (quint32 left = run[0]; left > 0;) {
            if (row == nullptr) {
                return false;
            }
            const qsizetype n = std::min<qsizetype>(left, width - x);
            std::fill_n(row + x, n, run[1]);
            x += n;
            left -= static_cast<quint32>(n);
            if (x == width) {
                x = 0;
                ++y;
                row = y < image.height() ? reinterpret_cast<QRgb*>(image.scanLine(y)) : nullptr;
            }
        }
    }
    return row == nullptr && x == 0;
}

/// Every picture in the compiled-in file: an index of keys and lengths,
/// then the pictures' runs one after the other. None when it is missing or
/// torn.
std::vector<Entry> ReadEntries()
{
    const QResource resource(kPicturesFile);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    const QByteArrayView file(resource.data(), resource.size());
    const QByteArray bytes = QByteArray::fromRawData(file.data(), file.size());
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
    std::vector<quint32> lengths;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Entry entry;
        quint32 scale = 0;
        quint32 length = 0;
        stream >> entry.key.resource >> entry.key.box >> scale >> entry.key.place >> entry.key.backdrop >> length;
        entry.key.scale = static_cast<int>(scale);
        entries.push_back(std::move(entry));
        lengths.push_back(length);
    }
    qsizetype at = stream.device()->pos();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (stream.status() != QDataStream::Ok || lengths[i] > file.size() - at) {
            return {};
        }
        entries[i].runs = file.sliced(at, lengths[i]);
        at += lengths[i];
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
        QImage image(key.box * key.scale, QImage::Format_RGB32);
        if (image.isNull() || !FillFromRuns(image, entry.runs)) {
            return {};
        }
        image.setDevicePixelRatio(key.scale);
        return image;
    }
    return {};
}

QString Backdrop(const QWidget& widget)
{
    const QStyle* style = widget.style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle();
    }
    return style->name() + QLatin1Char(' ') + widget.palette().color(QPalette::Window).name(QColor::HexArgb);
}

QByteArray BakedPicturesFile(const std::vector<std::pair<BakedPictureKey, QImage>>& pictures)
{
    QByteArray file;
    QDataStream stream(&file, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << kMagic << kVersion << static_cast<quint32>(pictures.size());
    std::vector<QByteArray> runs;
    for (const auto& [key, image] : pictures) {
        runs.push_back(Runs(image.convertToFormat(QImage::Format_RGB32)));
        stream << key.resource << key.box << static_cast<quint32>(key.scale) << key.place << key.backdrop
               << static_cast<quint32>(runs.back().size());
    }
    for (const QByteArray& run : runs) {
        file.append(run);
    }
    return file;
}

}  // namespace loopcalc::shell

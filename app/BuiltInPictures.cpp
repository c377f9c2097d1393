#include "BuiltInPictures.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>

#include <cstring>
#include <optional>

namespace {

struct Header {
    quint32 magic;
    // Written as the build machine holds it: a copy made on a machine of the
    // other byte order reads back wrong and is refused.
    quint32 byteOrder;
    qint32 width;
    qint32 height;
    qint32 bytesPerLine;
    qint32 format;
    quint64 sourceSize;
    char sourceDigest[16];
};

constexpr quint32 Magic = 0x4c534250; // "LSBP"
constexpr quint32 ByteOrder = 0x01020304;

QByteArray digestOf(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

} // namespace

QImage decodePicture(const QString &path, QSize pixels)
{
    QImageReader reader(path);
    if (!pixels.isValid())
        return reader.read();
    // JPEG decodes straight to a smaller size; other formats are smoothed down after.
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (!image.isNull() && image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QByteArray encodeBuiltInPicture(const QImage &image, QByteArrayView sourceFile)
{
    Header header{Magic,
                  ByteOrder,
                  image.width(),
                  image.height(),
                  int(image.bytesPerLine()),
                  int(image.format()),
                  quint64(sourceFile.size()),
                  {}};
    const QByteArray digest = digestOf(sourceFile);
    std::memcpy(header.sourceDigest, digest.constData(), sizeof header.sourceDigest);
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return bytes;
}

namespace {

// The header of the copy of the file at `path` at `pixels`, when the program
// holds one that can be drawn from where it lies.
std::optional<Header> builtInHeader(const QResource &resource, QSize pixels)
{
    // Stored uncompressed, so the image can use the program's memory as it is.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < qint64(sizeof(Header)))
        return std::nullopt;
    Header header;
    std::memcpy(&header, resource.data(), sizeof header);
    if (header.magic != Magic || header.byteOrder != ByteOrder || QSize(header.width, header.height) != pixels
        || resource.size() != qint64(sizeof header) + qint64(header.bytesPerLine) * header.height)
        return std::nullopt;
    // QImage's lines must be 32-bit aligned.
    if (reinterpret_cast<quintptr>(resource.data() + sizeof header) % alignof(quint32) != 0)
        return std::nullopt;
    return header;
}

QResource builtInResource(const QString &path)
{
    return QResource(QStringLiteral(":/built-in-pictures/") + QFileInfo(path).fileName());
}

} // namespace

bool hasBuiltInPicture(const QString &path, QSize pixels)
{
    return builtInHeader(builtInResource(path), pixels).has_value();
}

QImage builtInPicture(const QString &path, QSize pixels)
{
    const QResource resource = builtInResource(path);
    const std::optional<Header> header = builtInHeader(resource, pixels);
    if (!header)
        return {};
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly) || quint64(source.size()) != header->sourceSize)
        return {};
    if (digestOf(source.readAll()) != QByteArrayView(header->sourceDigest, sizeof header->sourceDigest))
        return {};
    return QImage(resource.data() + sizeof(Header), header->width, header->height, header->bytesPerLine,
                  QImage::Format(header->format));
}

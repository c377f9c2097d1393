#include "Picture.h"

#include "BuiltInPictures.h"
#include "core/SharedState.h"

#include <QFileInfo>
#include <QPixmapCache>

#include <utility>

namespace {

QSize devicePixels(QSize logicalSize, qreal devicePixelRatio)
{
    return (QSizeF(logicalSize) * devicePixelRatio).toSize();
}

// Empty when there is nothing to decode. The file's time and size are in the
// key, so a replaced picture is read again. An invalid size: as drawn.
QString cacheKey(const QString &path, QSize pixels)
{
    const QFileInfo info(path);
    if (!info.isFile() || (pixels.isValid() && pixels.isEmpty()))
        return {};
    return QStringLiteral("lingo:%1:%2x%3:%4:%5")
        .arg(info.absoluteFilePath())
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.size());
}

QImage builtInOrDecoded(const QString &path, QSize pixels)
{
    QImage image = builtInPicture(path, pixels);
    return image.isNull() ? decodePicture(path, pixels) : image;
}

QPixmap keep(const QString &key, QImage image, qreal devicePixelRatio)
{
    if (image.isNull())
        return {};
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, picture);
    return picture;
}

QPixmap load(const QString &fileName, QSize pixels, qreal devicePixelRatio)
{
    const QString path = programFile(fileName);
    const QString key = cacheKey(path, pixels);
    if (key.isEmpty())
        return {};
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    return keep(key, builtInOrDecoded(path, pixels), devicePixelRatio);
}

} // namespace

QPixmap appPicture(const QString &fileName)
{
    return load(fileName, QSize(), 1.0);
}

QPixmap appPictureAt(const QString &fileName, QSize logicalSize, qreal devicePixelRatio)
{
    return load(fileName, devicePixels(logicalSize, devicePixelRatio), devicePixelRatio);
}

PictureLoad::PictureLoad(const QString &fileName, QSize logicalSize, qreal devicePixelRatio)
    : m_fileName(fileName), m_pixels(devicePixels(logicalSize, devicePixelRatio))
{
    const QString path = programFile(fileName);
    m_key = cacheKey(path, m_pixels);
    QPixmap cached;
    if (m_key.isEmpty() || QPixmapCache::find(m_key, &cached))
        return;
    // A built-in copy is checked against its file when it is taken, after
    // the window is on screen.
    m_builtIn = hasBuiltInPicture(path, m_pixels);
    if (!m_builtIn)
        m_decode = std::async(std::launch::async, decodePicture, path, m_pixels);
}

QPixmap PictureLoad::take(QSize logicalSize, qreal devicePixelRatio)
{
    QImage image;
    if (m_decode.valid())
        image = m_decode.get();
    else if (std::exchange(m_builtIn, false))
        image = builtInPicture(programFile(m_fileName), m_pixels);
    if (!image.isNull() && devicePixels(logicalSize, devicePixelRatio) == m_pixels)
        return keep(m_key, std::move(image), devicePixelRatio);
    return appPictureAt(m_fileName, logicalSize, devicePixelRatio);
}

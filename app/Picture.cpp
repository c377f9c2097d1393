#include "Picture.h"

#include "core/SharedState.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

QPixmap appPictureAt(const QString &fileName, QSize logicalSize, qreal devicePixelRatio)
{
    const QString path = appFile(fileName);
    const QFileInfo info(path);
    const QSize pixels = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    if (!info.isFile() || pixels.isEmpty())
        return {};
    // The file's time and size are in the key, so a replaced picture is read again.
    const QString key = QStringLiteral("lingo:%1:%2x%3:%4:%5")
                            .arg(info.absoluteFilePath())
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(info.size());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImageReader reader(path);
    // JPEG decodes straight to a smaller size; other formats are smoothed down after.
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, picture);
    return picture;
}

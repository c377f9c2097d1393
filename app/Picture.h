#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

// Every picture of the program is loaded here, from the program's own files
// (never the data folder).

// A picture at the size it was drawn; a null pixmap when it is missing.
QPixmap appPicture(const QString &fileName);

// A picture decoded to the size it is shown at, in
// device pixels, and kept for the next screen that shows it at that size.
// The shipped pictures are several times larger than their places on screen:
// decoding them whole and scaling them on every paint costs more start-up
// time than the rest of a screen, and several times the memory.
// A null pixmap when the file is missing or cannot be decoded.
QPixmap appPictureAt(const QString &fileName, QSize logicalSize, qreal devicePixelRatio);

// The same picture, decoded on a worker thread from the moment a screen
// loads, while the window is being laid out and its fonts are loaded; the
// first paint takes it, waiting only for what is left of the decode. A
// picture built into the program at that size needs no decode and no thread,
// and its file is only checked when the picture is taken.
class PictureLoad {
public:
    PictureLoad() = default;
    PictureLoad(const QString &fileName, QSize logicalSize, qreal devicePixelRatio);

    // The picture at this size: the one decoded ahead when the size is the
    // one asked for then, otherwise decoded now.
    QPixmap take(QSize logicalSize, qreal devicePixelRatio);

private:
    QString m_fileName;
    QString m_key;
    QSize m_pixels;
    bool m_builtIn = false;
    std::future<QImage> m_decode;
};

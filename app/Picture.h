#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture of the program folder decoded to the size it is shown at, in
// device pixels, and kept for the next screen that shows it at that size.
// The shipped pictures are several times larger than their places on screen:
// decoding them whole and scaling them on every paint costs more start-up
// time than the rest of a screen, and several times the memory.
// A null pixmap when the file is missing or cannot be decoded.
QPixmap appPictureAt(const QString &fileName, QSize logicalSize, qreal devicePixelRatio);

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>

// The main menu's pictures, built into the program already decoded at the
// size they are drawn at 96 dpi. Decoding them at start costs more than all
// the rest of the first frame, and the JPEG alone loads an image plugin and
// its library. The build decodes them with decodePicture itself
// (tools/built_in_pictures.cpp), so a built-in copy is the very image the
// program would otherwise decode, pixel for pixel.

struct BuiltInPicture {
    const char *fileName;
    // The box it is drawn in, in twips.
    int widthTwips;
    int heightTwips;
};

// The start screen's background, stretched over its client area, and the
// spark of its title animation.
inline constexpr BuiltInPicture FirstBackground{"first.jpg", 7080, 4800};
inline constexpr BuiltInPicture FirstSpark{"light.png", 1215, 1695};
inline constexpr std::array<BuiltInPicture, 2> BuiltInPictures{FirstBackground, FirstSpark};

// Decodes a picture file to exactly `pixels` (an invalid size: as drawn). A
// null image when the file is missing or cannot be decoded. Safe on any thread.
QImage decodePicture(const QString &path, QSize pixels);

// A built-in copy: the decoded image and a digest of the file it came from.
QByteArray encodeBuiltInPicture(const QImage &image, QByteArrayView sourceFile);

// Whether the program holds a copy of the picture file at `path` at `pixels`;
// the file itself is not read.
bool hasBuiltInPicture(const QString &path, QSize pixels);

// The built-in copy of the picture file at `path` at `pixels`, or a null image
// when there is none at that size or the file is no longer the one it was
// made from (a replaced picture is decoded from its file). The image shares
// the program's own read-only memory.
QImage builtInPicture(const QString &path, QSize pixels);

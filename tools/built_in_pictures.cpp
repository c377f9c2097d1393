// Writes the built-in copies of the main menu's pictures: each decoded from
// data/ at the size it is drawn, by the program's own decode, for the build
// to compile into the program (app/BuiltInPictures.h).
// Usage: built_in_pictures DATA_DIR OUTPUT_DIR
#include "app/BuiltInPictures.h"
#include "app/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // the image plugins are found through it
    if (argc != 3) {
        std::fprintf(stderr, "usage: built_in_pictures DATA_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (const BuiltInPicture &picture : BuiltInPictures) {
        const QString name = QString::fromLatin1(picture.fileName);
        QFile source(data.filePath(name));
        const QImage image = decodePicture(source.fileName(), QSize(tw(picture.widthTwips), tw(picture.heightTwips)));
        if (image.isNull() || !source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "built_in_pictures: cannot decode %s\n", qPrintable(source.fileName()));
            return 1;
        }
        const QByteArray bytes = encodeBuiltInPicture(image, source.readAll());
        QSaveFile out(output.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            std::fprintf(stderr, "built_in_pictures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}

// links: lingo_core Qt6::Gui
// The pictures, sounds, word lists and settings shipped in data/: each file
// the screens open is there and in the shape they expect. The word lists are
// read through the store from a temporary copy of the shipped files.

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString dataFile(const QString &name)
{
    return QStringLiteral(LINGO_DATA_DIR "/") + name;
}

QByteArray readData(const QString &name)
{
    QFile f(dataFile(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Splits CR LF text into lines; says what is wrong on a lone CR or LF, a
// missing final CR LF or an empty line.
QString splitCrLf(const QByteArray &bytes, QList<QByteArray> &lines)
{
    lines = bytes.split('\n');
    if (!lines.takeLast().isEmpty())
        return QStringLiteral("last line has no CR LF");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray &line = lines[i];
        if (line.size() < 2 || line.indexOf('\r') != line.size() - 1)
            return QStringLiteral("empty line, lone CR or LF at line %1").arg(i + 1);
        line.chop(1);
    }
    return {};
}

} // namespace

class DataAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void soundsAreShortQuietMonoPcm();
    void picturesAreLargeDetailedImages();
    void wordListsAreWellFormedCp1252();
    void settingsFileOpensWithSoundOn();
};

void DataAssetsTest::soundsAreShortQuietMonoPcm()
{
    const QStringList names = QStringLiteral(
        "thunder2.wav pageturn.wav clap.wav glasbk.wav whew.wav oh-no.wav choke.wav goodjob.wav ricochet.wav").split(u' ');
    for (const QString &name : names) {
        SF_INFO info{};
        SNDFILE *f = sf_open(QFile::encodeName(dataFile(name)).constData(), SFM_READ, &info);
        QVERIFY2(f, qPrintable(name + ": " + QString::fromLocal8Bit(sf_strerror(nullptr))));
        std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
        const sf_count_t got = sf_read_short(f, samples.data(), static_cast<sf_count_t>(samples.size()));
        sf_close(f);

        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.samplerate, 22050);
        QCOMPARE(got, info.frames);
        const double seconds = double(info.frames) / info.samplerate;
        const double limit = name == QLatin1String("thunder2.wav") ? 3.0 : 2.5;
        QVERIFY2(seconds > 0.1 && seconds <= limit, qPrintable(name + QStringLiteral(" lasts %1 s").arg(seconds)));

        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const double level = std::max(-int(*low), int(*high)) / 32768.0;
        // Below -1 dBFS, and loud enough to be heard.
        QVERIFY2(level < 0.89 && level > 0.3, qPrintable(name + QStringLiteral(" peaks at %1").arg(level)));
        // Faded at both ends: no click when playback starts or stops.
        QVERIFY2(std::abs(samples.front()) < 330 && std::abs(samples.back()) < 330, qPrintable(name));
    }
}

void DataAssetsTest::picturesAreLargeDetailedImages()
{
    const QStringList names = QStringLiteral(
        "lspark.jpg first.jpg light.png card.jpg sphinx.jpg deco1.png deco2.png arrow_next.png arrow_back.png happy.png "
        "sad.png summary.jpg slide1.png slide2.png slide3.png slide4.png face.png game_hangman.png game_scramble.png "
        "game_concentration.png game_zap.png cardback.png zap.jpg target.png ready.jpg trophy.png").split(u' ');
    for (const QString &name : names) {
        QImage img(dataFile(name));
        QVERIFY2(!img.isNull(), qPrintable(name + " does not load"));
        QVERIFY2(img.width() >= 640 && img.height() >= 480, qPrintable(name));
        QVERIFY2(QFileInfo(dataFile(name)).size() <= 256 * 1024, qPrintable(name + " is too big"));

        // A picture, not a flat fill: many different colours on a coarse grid.
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); y += 16)
            for (int x = 0; x < img.width(); x += 16)
                colours.insert(img.pixel(x, y));
        QVERIFY2(colours.size() >= 40, qPrintable(name + QStringLiteral(": %1 colours").arg(colours.size())));

        // Figures and icons sit on transparency, so their corners show through.
        if (name.endsWith(QLatin1String(".png"))) {
            QVERIFY2(img.hasAlphaChannel(), qPrintable(name));
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
        }
    }
    // The start screen shows the bulb in an 81 x 113 box.
    const QImage light(dataFile("light.png"));
    QVERIFY(std::abs(double(light.width()) / light.height() - 81.0 / 113.0) < 0.01);
    // The main background carries text, so it must stay light.
    const QImage back = QImage(dataFile("lspark.jpg")).scaled(8, 6);
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            QVERIFY(QColor(back.pixel(x, y)).lightness() > 200);
}

void DataAssetsTest::wordListsAreWellFormedCp1252()
{
    const QByteArray bytes = readData("thelists.dat");
    QList<QByteArray> lines;
    const QString why = splitCrLf(bytes, lines);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    for (const QByteArray &line : lines) {
        // Undefined code points and control bytes decode to control characters.
        const QString text = cp1252::decode(line);
        for (QChar c : text)
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(text));
        QVERIFY2(text.size() <= 60, qPrintable(text));
    }
    QVERIFY(bytes.contains("\x9C"));  // the store really is cp1252, not UTF-8
    QVERIFY(!bytes.contains("\xC3"));

    // Read the lists back through the store, from a copy in a folder of our own.
    QTemporaryDir dir;
    QVERIFY(QFile::copy(dataFile("thelists.dat"), dir.filePath("thelists.dat")));
    const QString oldPath = Shared.AppPath;
    Shared.AppPath = dir.path();
    const auto restore = qScopeGuard([&] { Shared.AppPath = oldPath; });

    const QStringList names = ReadListNames();
    QVERIFY(names.size() >= 6);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    qsizetype pairLines = 0;
    int large = 0, small = 0, withLongWords = 0;
    for (const QString &name : names) {
        Shared.CurrentList = name;
        QVERIFY2(LoadList(), qPrintable(name));
        const int count = Shared.WordCount;
        pairLines += 2 * count;
        int hangmanWords = 0, longWords = 0;
        for (int i = 1; i <= count; ++i) {
            QVERIFY2(!Shared.Words[i].trimmed().isEmpty() && !Shared.Meanings[i].trimmed().isEmpty(),
                     qPrintable(name + QStringLiteral(" pair %1").arg(i)));
            const qsizetype len = Shared.Words[i].size();
            QVERIFY2(len <= 20, qPrintable(Shared.Words[i]));
            hangmanWords += len <= 14;
            longWords += len > 14;
        }
        QVERIFY2(count >= 5 && count <= 60, qPrintable(name));
        QVERIFY2(hangmanWords >= 5, qPrintable(name));
        large += count >= 8;
        small += count < 8;
        withLongWords += longWords > 0;
    }
    // Every line is a name, a separator or part of a pair: nothing dangles.
    QCOMPARE(qsizetype(names.size()) * 2 - 1 + pairLines, lines.size());
    QVERIFY2(large >= 4 && small >= 1 && withLongWords >= 1,
             qPrintable(QStringLiteral("%1 large, %2 small, %3 with long words").arg(large).arg(small).arg(withLongWords)));
}

void DataAssetsTest::settingsFileOpensWithSoundOn()
{
    QList<QByteArray> lines;
    const QString why = splitCrLf(readData("lsdata.dat"), lines);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(lines, (QList<QByteArray>{"OPENDOOR", lines.value(1), "Sound On"}));
}

QTEST_GUILESS_MAIN(DataAssetsTest)
#include "test_data_assets.moc"

// links: lingo_app
#include "app/CommandLine.h"
#include "app/Picture.h"
#include "app/Sound.h"
#include "app/core/DataFolder.h"
#include "app/core/SharedState.h"
#include "app/core/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    return textfile::readBytes(path).value_or(QByteArray());
}

// Every path under `root`, to prove a check wrote nothing.
QStringList tree(const QString &root)
{
    QStringList paths;
    if (QFileInfo::exists(root))
        paths.append(root);
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

class PathPlayer : public SoundPlayer {
public:
    int play(const QString &path) override
    {
        played.append(path);
        return 1;
    }
    void beep() override {}
    QStringList played;
};

} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void eachSourceWinsOverTheLaterOnes_data();
    void eachSourceWinsOverTheLaterOnes();
    void aNamedFolderIsOnlyChecked_data();
    void aNamedFolderIsOnlyChecked();
    void theDefaultFolderGetsOnlyMissingFiles();
    void programFilesComeFromTheProgramFolder();
    void windowsNeedADisplay_data();
    void windowsNeedADisplay();
};

void DataFolderTest::eachSourceWinsOverTheLaterOnes_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("userConfig");   // the file's text, empty: no file
    QTest::addColumn<QString>("systemConfig");
    QTest::addColumn<QString>("expected");     // relative to the temporary root
    QTest::addColumn<bool>("isDefault");

    const QString both = QStringLiteral("DataFolder=%1/user\n");
    QTest::addRow("option over all") << "opt" << "env" << both << "DataFolder=/srv/system\n" << "opt" << false;
    QTest::addRow("variable over the settings") << "" << "env" << both << "DataFolder=/srv/system\n" << "env" << false;
    QTest::addRow("user's setting over the system's") << "" << "" << both << "DataFolder=/srv/system\n" << "user" << false;
    QTest::addRow("user's file without the key") << "" << "" << "# nothing here\nOther=1\n"
                                                 << "DataFolder = %1/system \r\n" << "system" << false;
    QTest::addRow("empty values name nothing") << "" << "" << "DataFolder=\n" << "" << "default" << true;
    QTest::addRow("relative setting: from its file") << "" << "" << "DataFolder=../shared\n" << "" << "config/shared" << false;
    QTest::addRow("nothing set") << "" << "" << "" << "" << "default" << true;
}

void DataFolderTest::eachSourceWinsOverTheLaterOnes()
{
    QFETCH(QString, option);
    QFETCH(QString, environment);
    QFETCH(QString, userConfig);
    QFETCH(QString, systemConfig);
    QFETCH(QString, expected);
    QFETCH(bool, isDefault);

    QTemporaryDir root;
    QDir::setCurrent(root.path());
    DataFolderSources sources;
    sources.option = option;
    sources.environment = environment.isEmpty() ? QString() : root.filePath(environment);
    for (const auto &[text, place] : {std::pair{userConfig, "user"}, std::pair{systemConfig, "system"}}) {
        if (text.isEmpty())
            continue;
        sources.configFiles.append(root.filePath(QStringLiteral("config/%1/lingo-spark.conf").arg(place)));
        writeFile(sources.configFiles.last(), QString(text).replace(QStringLiteral("%1"), root.path()).toUtf8());
    }
    sources.defaultFolder = root.filePath(QStringLiteral("default"));

    const DataFolderChoice choice = chooseDataFolder(sources);
    QCOMPARE(choice.folder, root.filePath(expected));
    QCOMPARE(choice.isDefault, isDefault);
    QVERIFY(!QFileInfo::exists(choice.folder)); // choosing writes nothing
}

void DataFolderTest::aNamedFolderIsOnlyChecked_data()
{
    QTest::addColumn<QStringList>("present"); // data files put there; "-": no folder at all
    QTest::addColumn<QString>("named");       // what the message must name besides the folder

    QTest::addRow("missing") << QStringList{"-"} << "does not exist";
    QTest::addRow("empty (an unmounted share)") << QStringList{} << "thelists.dat";
    QTest::addRow("no settings") << QStringList{"thelists.dat"} << "lsdata.dat";
    QTest::addRow("no store") << QStringList{"lsdata.dat"} << "thelists.dat";
    QTest::addRow("store is a folder") << QStringList{"lsdata.dat", "thelists.dat/"} << "thelists.dat";
    QTest::addRow("both there") << QStringList{"lsdata.dat", "thelists.dat"} << "";
}

void DataFolderTest::aNamedFolderIsOnlyChecked()
{
    QFETCH(QStringList, present);
    QFETCH(QString, named);

    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("school"));
    if (present != QStringList{"-"}) {
        QVERIFY(QDir().mkpath(folder));
        for (const QString &name : present) {
            if (name.endsWith(u'/'))
                QVERIFY(QDir(folder).mkdir(name));
            else
                writeFile(QDir(folder).filePath(name), "x\r\n");
        }
    }
    const QStringList before = tree(root.path());
    const QString problem = prepareDataFolder({folder, "LINGO_SPARK_DATA", false}, QStringLiteral(LINGO_DATA_DIR));
    if (named.isEmpty())
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    else
        QVERIFY2(problem.contains(folder) && problem.contains(named) && problem.contains("LINGO_SPARK_DATA"),
                 qPrintable(problem));
    QCOMPARE(tree(root.path()), before);
}

void DataFolderTest::theDefaultFolderGetsOnlyMissingFiles()
{
    const QDir shipped(QStringLiteral(LINGO_DATA_DIR));
    QTemporaryDir root;
    const QDir fresh(root.filePath("share/lingo-spark"));
    QVERIFY(prepareDataFolder({fresh.path(), {}, true}, shipped.path()).isEmpty());
    QCOMPARE(fresh.entryList(QDir::Files, QDir::Name), (QStringList{"lsdata.dat", "thelists.dat"}));
    for (const QString &name : dataFileNames())
        QCOMPARE(readFile(fresh.filePath(name)), readFile(shipped.filePath(name)));

    // A teacher's own lists stay; only the missing settings come in.
    QVERIFY(QFile::remove(fresh.filePath("lsdata.dat")));
    writeFile(fresh.filePath("thelists.dat"), "Mine\r\nun\r\none\r\n");
    QVERIFY(prepareDataFolder({fresh.path(), {}, true}, shipped.path()).isEmpty());
    QCOMPARE(readFile(fresh.filePath("thelists.dat")), QByteArray("Mine\r\nun\r\none\r\n"));
    QCOMPARE(readFile(fresh.filePath("lsdata.dat")), readFile(shipped.filePath("lsdata.dat")));

    // Nothing to seed from: said, and naming the file.
    const QString other = root.filePath("other");
    const QString problem = prepareDataFolder({other, {}, true}, root.filePath("nowhere"));
    QVERIFY2(problem.contains("thelists.dat") && problem.contains(other), qPrintable(problem));
}

void DataFolderTest::programFilesComeFromTheProgramFolder()
{
    // Run from the build folder the source tree's data/ is found; an
    // installed program's share/lingo-spark is preferred when it is there.
    QCOMPARE(QDir(programFolder()).canonicalPath(), QDir(QStringLiteral(LINGO_DATA_DIR)).canonicalPath());
    QTemporaryDir install;
    const QString bin = install.filePath("usr/bin");
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(findProgramFolder(bin, "/fallback"), QString("/fallback"));
    QVERIFY(QDir().mkpath(install.filePath("usr/share/lingo-spark")));
    QCOMPARE(findProgramFolder(bin, "/fallback"), install.filePath("usr/share/lingo-spark"));

    // A data folder with pictures and sounds of its own changes nothing.
    QTemporaryDir data;
    writeFile(data.filePath(QStringLiteral("clap.wav")), "not a sound");
    writeFile(data.filePath(QStringLiteral("face.png")), "not a picture");
    Shared.AppPath = data.path();
    QDir::setCurrent(data.path());
    auto player = std::make_unique<PathPlayer>();
    PathPlayer *played = player.get();
    setSoundPlayer(std::move(player));
    PlaySound(QStringLiteral("clap.wav"));
    PlaySound(QStringLiteral("thunder2.wav"));
    QCOMPARE(played->played, (QStringList{programFile("clap.wav"), programFile("thunder2.wav")}));
    QVERIFY(QFileInfo(played->played.first()).isFile());
    QVERIFY(!appPicture(QStringLiteral("face.png")).isNull());
    QVERIFY(!appPictureAt(QStringLiteral("face.png"), QSize(20, 20), 1.0).isNull());
}

void DataFolderTest::windowsNeedADisplay_data()
{
    QTest::addColumn<QStringList>("platformX11Wayland");
    QTest::addColumn<bool>("available");
    QTest::addRow("nothing") << QStringList{"", "", ""} << false;
    QTest::addRow("X") << QStringList{"", ":0", ""} << true;
    QTest::addRow("Wayland") << QStringList{"", "", "wayland-0"} << true;
    QTest::addRow("xcb asked, only Wayland") << QStringList{"xcb", "", "wayland-0"} << false;
    QTest::addRow("offscreen") << QStringList{"offscreen", "", ""} << true;
    QTest::addRow("wayland, then xcb") << QStringList{"wayland;xcb", ":1", ""} << true;
}

void DataFolderTest::windowsNeedADisplay()
{
    QFETCH(QStringList, platformX11Wayland);
    QFETCH(bool, available);
    QCOMPARE(displayAvailable(platformX11Wayland[0], platformX11Wayland[1], platformX11Wayland[2]), available);
}

QTEST_MAIN(DataFolderTest)
#include "test_data_folder.moc"

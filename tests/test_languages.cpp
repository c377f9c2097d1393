#include "app/core/TextFile.h"
#include "languages/LanguageNames.h"
#include "languages/LanguagesVerb.h"
#include "languages/ListLanguages.h"
#include "manage/LanguagesOfAList.h"
#include "manage/ManageScreens.h"
#include "manage/SpeechForPupils.h"
#include "manage/editor/ChangeListName.h"
#include "manage/editor/EditChooseList.h"
#include "manage/editor/EditList.h"
#include "manage/editor/ListEditorScreens.h"
#include "manage/exchange/ListExport.h"
#include "manage/exchange/ListImport.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>

using languages::ListLanguages;

namespace {

// The editor opened on `list`, renamed to `name` and saved with Done.
void renameInEditor(const QString &list, const QString &name)
{
    registerListEditorScreens(screens());
    auto *chooser = qobject_cast<EditChooseList *>(screens().show(ScreenId::EditChooseList));
    chooser->TheLists->setCurrentRow(rows(chooser->TheLists).indexOf(list));
    click(chooser, "OK");
    settle();
    click(screens().find(ScreenId::EditList), "Change List Name");
    auto *rename = screens().find<ChangeListName>(ScreenId::ChangeListName);
    rename->TheName->setText(name);
    QTest::keyClick(rename->TheName, Qt::Key_Return);
    settle();
    click(screens().find(ScreenId::EditList), "Done");
    settle();
}

void deleteThroughScreen(int row)
{
    registerManageScreens(screens());
    Screen *screen = screens().show(ScreenId::DeleteList);
    screen->findChild<QListWidget *>()->setCurrentRow(row);
    click(screen, "Delete");
    click(screen, "Yes");
    settle();
}

int runVerb(const QStringList &args, QString *out = nullptr, QString *err = nullptr)
{
    QString outText, errText;
    QTextStream outStream(&outText), errStream(&errText);
    const int status = languages::languagesVerb(args, outStream, errStream);
    if (out)
        *out = outText;
    if (err)
        *err = errText;
    return status;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { textfile::failReadsForTests({}); }

    void codesAndNames_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("code"); // empty: refused
        QTest::addRow("code") << "es" << "es";
        QTest::addRow("territory, underscore, any case") << "EN_gb" << "en-GB";
        QTest::addRow("unknown code") << "xx" << "";
        QTest::addRow("unknown territory") << "en-ZZ" << "";
        QTest::addRow("English name") << "Spanish" << "es";
        QTest::addRow("own name") << "español" << "es";
        QTest::addRow("own name in capitals") << QStringLiteral("ESPAÑOL") << "es";
        QTest::addRow("German's own name") << "Deutsch" << "de";
        QTest::addRow("a column title") << "State" << "";
    }
    void codesAndNames()
    {
        QFETCH(QString, given);
        QFETCH(QString, code);
        const auto found = languages::normalizedCode(given) ? languages::normalizedCode(given) : languages::codeOfName(given);
        QCOMPARE(found.value_or(QString()), code);
    }

    void fileWithJunkLoadsTheGoodLinesAndKeepsTheRest()
    {
        TestEnv env;
        const QByteArray junk = "\xEF\xBB\xBFLingo-Spark languages 1\r\n"
                                "Speech Off\r\n"
                                "Animals\tes\ten\r\n"
                                "a line a newer version wrote\r\n"
                                "Bad code\txx\ten\r\n"
                                "Tab\tin name\tfr\t-\n" // a Linux editor's line end
                                "\xff\xfe\tde\ten\r\n";
        env.write("languages.dat", junk);
        QCOMPARE(languages::ofList("Animals"), (ListLanguages{"es", "en"}));
        QCOMPARE(languages::ofList("Tab\tin name"), (ListLanguages{"fr", ""}));
        QCOMPARE(languages::ofList("Bad code"), ListLanguages());
        QCOMPARE(languages::schoolSpeechDefault(), std::optional(false));

        QVERIFY(languages::setOfList("Colours", {"de", "en-GB"}));
        const QByteArray after = env.read("languages.dat");
        QVERIFY(after.startsWith(junk.left(junk.indexOf("Tab"))));
        QVERIFY(after.contains("\xff\xfe\tde\ten\r\n") && after.endsWith("Colours\tde\ten-GB\r\n"));
        QCOMPARE(languages::ofList("Animals"), (ListLanguages{"es", "en"}));
    }

    void renameCarriesAndDeleteDrops()
    {
        TestEnv env(TestEnv::lines({"Animals", "perro", "dog", "<New List>", "Colours", "rojo", "red"}));
        renameInEditor("Colours", "Farben"); // no languages: nothing to carry, no file made
        QVERIFY(!QFile::exists(env.path("languages.dat")));

        QVERIFY(languages::setOfList("Animals", {"es", "en"}));
        renameInEditor("Animals", "Tiere");
        QCOMPARE(languages::ofList("Tiere"), (ListLanguages{"es", "en"}));
        QCOMPARE(languages::ofList("Animals"), ListLanguages());
        QVERIFY(env.messages.isEmpty());

        deleteThroughScreen(1); // Farben, Tiere: the second
        QVERIFY(!env.read("thelists.dat").contains("Tiere"));
        QCOMPARE(languages::ofList("Tiere"), ListLanguages());
    }

    void failedCarryIsToldAndTheRenameStays()
    {
        TestEnv env(TestEnv::lines({"Animals", "perro", "dog"}));
        QVERIFY(languages::setOfList("Animals", {"es", "en"}));
        textfile::failReadsForTests(languages::languagesPath());
        renameInEditor("Animals", "Tiere");
        QVERIFY(env.read("thelists.dat").startsWith("Tiere\r\n"));
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.startsWith("The list was saved, but its languages could not be carried over."));
        textfile::failReadsForTests({});
        QCOMPARE(languages::ofList("Animals"), (ListLanguages{"es", "en"}));
    }

    void twoProcessesBothKeepTheirLanguages()
    {
        TestEnv env(TestEnv::lines({"A", "a", "b", "<New List>", "B", "c", "d"}));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LINGO_SPARK_TEST_SAVE_PAUSE_MS", "200");
        for (int round = 0; round < 3; ++round) {
            QProcess setters[2];
            const QStringList codes[2] = {{"A", "es", "en"}, {"B", "fr", "de"}};
            for (int i = 0; i < 2; ++i) {
                setters[i].setProcessEnvironment(environment);
                setters[i].start(LINGO_SPARK_PROGRAM, QStringList{"languages"} + codes[i] + QStringList{"--data", env.path({})});
            }
            for (QProcess &setter : setters) {
                QVERIFY(setter.waitForFinished(30000));
                QCOMPARE(setter.exitCode(), 0);
            }
            QCOMPARE(languages::ofList("A"), (ListLanguages{"es", "en"}));
            QCOMPARE(languages::ofList("B"), (ListLanguages{"fr", "de"}));
            QVERIFY(QFile::remove(env.path("languages.dat")));
        }
    }

    void verbPrintsSetsAndRefuses()
    {
        TestEnv env;
        QString out, err;
        QCOMPARE(runVerb({"Animals", "ES", "-"}, &out), 0);
        QVERIFY(out.isEmpty());
        QCOMPARE(runVerb({"Animals"}, &out), 0);
        QCOMPARE(out, "es\t-\n");
        const QByteArray before = env.read("languages.dat");
        for (const QStringList &refused : {QStringList{"Nowhere"}, QStringList{"Nowhere", "es", "en"},
                                           QStringList{"Animals", "es", "State"}}) {
            QCOMPARE(runVerb(refused, &out, &err), 1);
            QVERIFY(out.isEmpty() && err.startsWith("lingo-spark: "));
        }
        QCOMPARE(env.read("languages.dat"), before);
    }

    void importAndExportCarryLanguages_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("header");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("meanings");
        QTest::addColumn<int>("pairs");
        const auto kvtml = [](const QByteArray &identifiers, bool two) {
            return "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>" + identifiers +
                   "</identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>perro</text>"
                   "<comment>dog</comment></translation>" +
                   QByteArray(two ? "<translation id=\"1\"><text>dog</text></translation>" : "") +
                   "</entry></entries></kvtml>";
        };
        const int detect = int(HeaderChoice::Detect);
        QTest::addRow("KVTML code and English name")
            << kvtml("<identifier id=\"0\"><locale>es</locale></identifier>"
                     "<identifier id=\"1\"><locale>English</locale></identifier>", true)
            << detect << "es" << "en" << 1;
        QTest::addRow("KVTML column title") << kvtml("<identifier id=\"0\"><locale>State</locale></identifier>"
                                                     "<identifier id=\"1\"><locale>Deutsch</locale></identifier>", true)
                                            << detect << "" << "de" << 1;
        QTest::addRow("KVTML of one language") << kvtml("<identifier id=\"0\"><locale>fr</locale></identifier>", false)
                                               << detect << "fr" << "fr" << 1;
        QTest::addRow("CSV header of English names") << QByteArray("Spanish;English\r\nperro;dog\r\n") << detect << "es"
                                                     << "en" << 1;
        QTest::addRow("CSV header in Spanish") << QByteArray("espa\xc3\xb1ol;ingl\xc3\xa9s\r\nperro;dog\r\n") << detect
                                               << "es" << "en" << 1;
        QTest::addRow("codes without a header are a pair") << QByteArray("es;en\r\nperro;dog\r\n") << detect << ""
                                                           << "" << 2;
        QTest::addRow("codes in a header") << QByteArray("es;en\r\nperro;dog\r\n") << int(HeaderChoice::Header) << "es"
                                           << "en" << 1;
    }
    void importAndExportCarryLanguages()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, header);
        QFETCH(QString, words);
        QFETCH(QString, meanings);
        QFETCH(int, pairs);
        const ImportResult read = readImport(file, "list.txt", HeaderChoice(header));
        QVERIFY(read.ok());
        QCOMPARE(read.pairs.size(), pairs);
        QCOMPARE((ListLanguages{read.wordsLanguage, read.meaningsLanguage}), (ListLanguages{words, meanings}));

        // Written out and read back, with the identifiers' names kept.
        const KvtmlBytes out = kvtmlBytes("list", read.pairs, {words, meanings});
        QVERIFY(out.bytes.contains("<name>Word</name>") && out.bytes.contains("<name>Meaning</name>"));
        const ImportResult back = readImport(out.bytes, "list.kvtml");
        QCOMPARE((ListLanguages{back.wordsLanguage, back.meaningsLanguage}), (ListLanguages{words, meanings}));
    }

    void teacherScreensSave()
    {
        TestEnv env;
        registerManageScreens(screens());
        screens().show(ScreenId::Manager);
        triggerMenu(screens().find(ScreenId::Manager), "Languages of a List...");
        settle();
        auto *screen = screens().find<LanguagesOfAList>(ScreenId::LanguagesOfAList);
        QVERIFY(screen && !screens().exists(ScreenId::Manager));
        screen->TheLists->setCurrentRow(rows(screen->TheLists).indexOf("Colours"));
        QCOMPARE(screen->Words->currentText(), "(not set)");
        screen->Words->setCurrentIndex(screen->Words->findData("es"));
        screen->Meanings->setCurrentIndex(screen->Meanings->findData("en"));
        QCOMPARE(screen->Words->currentText(), QStringLiteral("español — Spanish"));
        click(screen, "OK");
        settle();
        QCOMPARE(languages::ofList("Colours"), (ListLanguages{"es", "en"}));
        QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::LanguagesOfAList));

        triggerMenu(screens().find(ScreenId::Manager), "Speech for Pupils...");
        auto *speech = screens().find<SpeechForPupils>(ScreenId::SpeechForPupils);
        QVERIFY(speech && speech->Automatically->isChecked());
        speech->WhenAsked->click();
        click(speech, "OK");
        settle();
        QCOMPARE(languages::schoolSpeechDefault(), std::optional(false));
        QVERIFY(env.read("languages.dat").contains("\r\nSpeech Off\r\n"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"

// links: lingo_translations
#include "translations/InterfaceLanguage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace translations;

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choiceOrder_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("configs"); // the user's file, then the computer's
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QString>("chosen");
        const QStringList none;
        QTest::addRow("option over setting") << "fr" << QStringList{"Language=de"} << QStringList{"pl"} << "fr";
        QTest::addRow("setting over locale") << "" << QStringList{"Language=de"} << QStringList{"pl-PL", "pl"} << "de";
        QTest::addRow("user's setting over computer's") << "" << QStringList{"Language = it", "Language=de"} << none
                                                        << "it";
        QTest::addRow("user's file without one") << "" << QStringList{"DataFolder=/x\n# Language=it", "Language=de"}
                                                 << none << "de";
        QTest::addRow("locale over English") << "" << none << QStringList{"pl-PL", "pl"} << "pl";
        QTest::addRow("locale falls back along its list") << "" << none << QStringList{"eo", "sv-SE", "es-MX"} << "es";
        QTest::addRow("English asked before German") << "" << none << QStringList{"en-GB", "de-DE"} << "en";
        QTest::addRow("nothing shipped asked") << "" << none << QStringList{"eo", "sv"} << "en";
        QTest::addRow("region to its language") << "de-AT" << none << none << "de";
        QTest::addRow("Brazil's Portuguese for Portugal") << "" << none << QStringList{"pt-PT"} << "pt_BR";
        QTest::addRow("option without catalogue passes on") << "eo" << QStringList{"Language=it"} << none << "it";
    }

    void choiceOrder()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, configs);
        QFETCH(QStringList, locale);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        LanguageSources sources{option, {}, locale};
        for (const QString &content : configs) {
            sources.configFiles.append(dir.filePath(QString::number(sources.configFiles.size()) + ".conf"));
            QFile file(sources.configFiles.last());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content.toUtf8() + "\r\n") > 0);
        }
        QCOMPARE(chooseLanguage(sources, shippedLanguages()), chosen);
    }

    void catalogues()
    {
        QCOMPARE(shippedLanguages(), (QStringList{"en", "de", "es", "fr", "it", "pl", "pt_BR"}));
        QCOMPARE(languageOption({"lingo-spark", "import", "--language", "pl", "f.csv"}), QString("pl"));
        QCOMPARE(languageOption({"lingo-spark", "-language=fr"}), QString("fr"));
        QCOMPARE(languageOption({"lingo-spark", "--", "--language", "de"}), QString());
    }

    // The real program, so the catalogues are installed before the command
    // line speaks: option over setting over locale.
    void commandLineSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::addRow("locale") << "" << QStringList{"--language="} << "--language braucht einen Sprachcode";
        QTest::addRow("setting") << "Language=fr" << QStringList{"--help"} << "Langue du programme, la premi";
        QTest::addRow("option") << "Language=fr" << QStringList{"--language", "pl", "--help"} << "Język programu";
        QTest::addRow("Qt's own") << "" << QStringList{"--data"} << "Nach '--data' fehlt der Wert";
    }

    void commandLineSpeaksTheLanguage()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir config;
        QDir().mkpath(config.filePath("user/lingo-spark"));
        QFile file(config.filePath("user/lingo-spark/lingo-spark.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(setting.toUtf8() + "\r\n") > 0);
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", "C.UTF-8");
        environment.insert("LANGUAGE", "de");
        environment.insert("XDG_CONFIG_HOME", config.filePath("user"));
        environment.insert("XDG_CONFIG_DIRS", config.filePath("system"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(LINGO_SPARK_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(output.contains(said), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"

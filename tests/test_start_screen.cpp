// links: lingo_app
#include "app/BuiltInPictures.h"
#include "app/DeferredIconStyle.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class StartScreenTest : public QObject {
    Q_OBJECT

private slots:
    void animationRunsToItsEndAndThundersOnlyWhenSoundIsOn_data()
    {
        QTest::addColumn<QByteArray>("soundLine");
        QTest::addColumn<bool>("soundOn");
        QTest::addRow("Sound On") << QByteArray("Sound On") << true;
        QTest::addRow("any other line") << QByteArray("sound on") << false;
    }
    void animationRunsToItsEndAndThundersOnlyWhenSoundIsOn()
    {
        QFETCH(QByteArray, soundLine);
        QFETCH(bool, soundOn);
        TestEnv env(TestEnv::defaultStore(), "pw\r\nx\r\n" + soundLine + "\r\n");
        Screen *first = screens().show(ScreenId::First);
        QLabel *lingo = nullptr, *halfSpark = nullptr, *spark = nullptr;
        for (auto *label : first->findChildren<QLabel *>())
            if (label->text().isEmpty() || label->text() == "Lingo" || label->text() == "Spark")
                (label->text() == "Lingo" ? lingo : label->text() == "Spark" ? halfSpark : spark) = label;
        QVERIFY(lingo && halfSpark && spark);
        const QRect startOfLingo = lingo->geometry();
        auto *timer = first->findChild<QTimer *>();
        QVERIFY(timer && timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        // The halves slide in from the sides, the spark down between them.
        QVERIFY(lingo->geometry() != startOfLingo);
        QCOMPARE(lingo->geometry(), twRect(710, 900, 3270, 1350));
        QCOMPARE(halfSpark->geometry(), twRect(3960, 900, 2775, 1350));
        QCOMPARE(spark->geometry(), twRect(3360, 60, 1215, 1695));
        QCOMPARE(env.takeSounds(), soundOn ? QStringList{"thunder2.wav"} : QStringList{});
        QCOMPARE(Shared.SoundFlag, soundOn ? 1 : 0);
    }

    void picturesBuiltInAreTheDecodedFilesUntilAFileChanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("pixels");
        for (const BuiltInPicture &picture : BuiltInPictures)
            QTest::addRow("%s", picture.fileName) << QString::fromLatin1(picture.fileName)
                                                  << QSize(tw(picture.widthTwips), tw(picture.heightTwips));
    }
    void picturesBuiltInAreTheDecodedFilesUntilAFileChanges()
    {
        QFETCH(QString, name);
        QFETCH(QSize, pixels);
        const QString shipped = programFile(name);
        const QImage builtIn = builtInPicture(shipped, pixels);
        QVERIFY(!builtIn.isNull());
        QCOMPARE(builtIn, decodePicture(shipped, pixels));
        QVERIFY(builtInPicture(shipped, pixels + QSize(1, 0)).isNull());

        // A school that replaces a picture sees its own.
        QTemporaryDir dir;
        const QString replaced = dir.filePath(name);
        QVERIFY(QFile::copy(shipped, replaced));
        QFile file(replaced);
        QVERIFY(file.open(QIODevice::Append) && file.write("\0", 1) == 1);
        file.close();
        QVERIFY(builtInPicture(replaced, pixels).isNull());
    }

    void menuBarOverflowIconLoadedLaterLooksTheSame()
    {
        DeferredIconStyle style(QStringLiteral("Fusion"));
        const auto which = QStyle::SP_ToolBarHorizontalExtensionButton;
        const QIcon deferred = style.standardIcon(which);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.pixmap(16).toImage(), style.baseStyle()->standardIcon(which).pixmap(16).toImage());
    }

    void emptyStoreOffersOnlyManagementAboutAndQuit()
    {
        TestEnv env("No Lists\r\n");
        Screen *first = screens().show(ScreenId::First);
        QVERIFY(button(first, "Flash Cards")->isHidden());
        QVERIFY(button(first, "Quiz Me!")->isHidden());
        QVERIFY(button(first, "Games")->isHidden());
        QVERIFY(labelShown(first, "No Lists Available!"));
        QTest::mouseClick(button(first, "Quit"), Qt::LeftButton);
        QVERIFY(env.programEnded());
    }

    void aboutClosesWhenAnotherScreenIsActivatedAndTheLastScreenEndsTheProgram()
    {
        TestEnv env;
        screens().show(ScreenId::First);
        screens().show(ScreenId::AboutForm);
        settle();
        QVERIFY(screens().isShown(ScreenId::AboutForm));
        screens().activate(ScreenId::First);
        settle();
        QVERIFY(!screens().exists(ScreenId::AboutForm));
        QVERIFY(screens().exists(ScreenId::First));
        QVERIFY(!env.programEnded());

        screens().close(ScreenId::First);
        QVERIFY(!env.programEnded()); // not while a hand-over may still show the next screen
        settle();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"

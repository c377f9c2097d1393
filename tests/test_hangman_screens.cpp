// links: lingo_hangman lingo_gamesmenu
#include "app/ScreenManager.h"
#include "app/SoundSwitch.h"
#include "app/core/SharedState.h"
#include "games/GamesMenuScreens.h"
#include "games/GiveHint.h"
#include "games/hangman/Hangman.h"
#include "games/hangman/HangmanOutcome.h"
#include "games/hangman/HangmanScreens.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray store()
{
    return TestEnv::lines({"Solo", "cat", "a pet", "<New List>", "Long", "abcdefghijklmno", "too long",
                           "<New List>", "Fourteen", "abcdefghijklmno", "too long", "abcdefghijklmn", "just right",
                           "<New List>", "Empty"});
}

Hangman *startGame(const QString &list, int soundFlag)
{
    Shared.SoundFlag = std::int16_t(soundFlag);
    Shared.CurrentList = list;
    screens().show(ScreenId::GameOption);
    auto *game = qobject_cast<Hangman *>(screens().show(ScreenId::Hangman));
    screens().close(ScreenId::GameOption);
    settle();
    return game;
}

void typeGuess(Hangman *game, const QString &letter)
{
    QTest::keyClicks(game->GuessLetter, letter);
    QTest::keyClick(game->GuessLetter, Qt::Key_Return);
}

} // namespace

class HangmanScreensTest : public QObject {
    Q_OBJECT

private:
    void registerScreens()
    {
        registerGamesMenuScreens(screens());
        registerHangmanScreens(screens());
    }

private slots:
    void wonGameFromTheKeyboard()
    {
        TestEnv env(store());
        registerScreens();
        Hangman *game = startGame("Solo", 1);
        QVERIFY(game);
        QCOMPARE(visibleCaption(game->SoundOn->action()->text()), QStringLiteral("Sound Effects-- On"));
        QVERIFY(!game->Letter[2]->isHidden() && game->Letter[3]->isHidden());

        typeGuess(game, "c");
        QCOMPARE(game->Letter[0]->text(), QStringLiteral("c"));
        QCOMPARE(env.takeSounds(), QStringList{"whew.wav"});
        typeGuess(game, "x");
        QVERIFY(!game->figure.Head->isHidden());
        QVERIFY(game->figure.Body->isHidden());
        QCOMPARE(env.takeSounds(), QStringList{"oh-no.wav"});
        typeGuess(game, "c"); // the same guess again
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(game->AlreadyUsed->text(), QStringLiteral(" c x"));
        QVERIFY(game->GuessLetter->text().isEmpty());
        QVERIFY(game->figure.Body->isHidden());
        QTest::keyClick(game->GuessLetter, Qt::Key_Return); // empty box: nothing
        QCOMPARE(game->AlreadyUsed->text(), QStringLiteral(" c x"));

        typeGuess(game, "a");
        QTest::keyClicks(game->GuessLetter, "T");
        QTest::mouseClick(game->Go, Qt::LeftButton);
        QCOMPARE(game->Letter[2]->text(), QStringLiteral("t"));
        auto *win = screens().find<youwin>(ScreenId::youwin);
        QVERIFY(win && win->isVisible());
        QVERIFY(!game->isEnabled());
        settle();
        QCOMPARE(env.takeSounds(), (QStringList{"whew.wav", "goodjob.wav"}));
        QCOMPARE(win->texts.Label3->text(), QStringLiteral("cat"));
        QCOMPARE(win->texts.Label5->text(), QStringLiteral("a pet"));
        QCOMPARE(win->texts.Label6->text(), QStringLiteral("Do you want to play again?"));

        QTest::mouseClick(win->Command1, Qt::LeftButton); // No
        settle();
        QVERIFY(!screens().exists(ScreenId::Hangman));
        QVERIFY(!screens().exists(ScreenId::youwin));
        QVERIFY(screens().isShown(ScreenId::GameOption));
    }

    void lostGameRevealsTheWordAndPlaysAgain()
    {
        TestEnv env(store());
        registerScreens();
        Hangman *game = startGame("Solo", 1);
        typeGuess(game, "a");
        const QString misses = "bdefghijk";
        for (QChar miss : misses)
            typeGuess(game, miss);
        QCOMPARE(env.takeSounds(), QStringList{"whew.wav"} + QStringList(9, "oh-no.wav"));
        QVERIFY(game->figure.Foot1->isVisible() && game->figure.Foot2->isHidden());
        typeGuess(game, "z"); // the tenth miss
        QCOMPARE(env.takeSounds(), QStringList{"choke.wav"});
        QVERIFY(!game->figure.Foot2->isHidden());
        QCOMPARE(game->Letter[0]->text() + game->Letter[1]->text() + game->Letter[2]->text(), QStringLiteral("cat"));
        QCOMPARE(game->Letter[0]->palette().color(QPalette::Window), QColor(0xff, 0xff, 0x80));
        for (QWidget *part : game->deadFace)
            QVERIFY(!part->isHidden());
        QVERIFY(game->GuessLetter->isHidden() && game->Go->isHidden() && game->Hint->isHidden());
        QVERIFY(!game->LoseLabel->isHidden() && !game->Done->isHidden());

        QTest::mouseClick(game->Done, Qt::LeftButton);
        auto *lose = screens().find<LoseForm>(ScreenId::LoseForm);
        QVERIFY(lose && game->isEnabled());
        QCOMPARE(lose->texts.Label1->text(), QStringLiteral("You Lose!"));
        QCOMPARE(lose->texts.Label3->text(), QStringLiteral("cat"));
        settle();
        QVERIFY(env.takeSounds().isEmpty());
        QTest::mouseClick(lose->Command2, Qt::LeftButton); // Yes
        settle();
        auto *again = screens().find<Hangman>(ScreenId::Hangman);
        QVERIFY(again && again != game);
        QCOMPARE(again->round().missStep(), 1);
        QVERIFY(!screens().exists(ScreenId::LoseForm));
    }

    void soundsFollowTheSwitchAndTheWinScreenTheDefault_data()
    {
        QTest::addColumn<int>("soundFlag");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("default off") << 0 << false << QStringList{};
        QTest::addRow("default off, switched on")
            << 0 << true << QStringList{"oh-no.wav", "whew.wav", "whew.wav"};
        QTest::addRow("default on, switched off") << 1 << true << QStringList{"goodjob.wav"};
    }
    void soundsFollowTheSwitchAndTheWinScreenTheDefault()
    {
        QFETCH(int, soundFlag);
        QFETCH(bool, toggle);
        QFETCH(QStringList, expected);
        TestEnv env(store());
        registerScreens();
        Hangman *game = startGame("Solo", soundFlag);
        if (toggle)
            game->SoundOn->SoundOn_Click();
        for (const char *guess : {"x", "c", "a", "t"})
            typeGuess(game, guess);
        settle();
        QVERIFY(screens().exists(ScreenId::youwin));
        QCOMPARE(env.takeSounds(), expected);
    }

    void leavingTheLoseScreenDiscardsTheGame()
    {
        TestEnv env(store());
        registerScreens();
        Hangman *game = startGame("Solo", 0);
        for (QChar miss : QStringLiteral("bdefghijkl"))
            typeGuess(game, miss);
        QTest::mouseClick(game->Done, Qt::LeftButton);
        settle();
        screens().activate(ScreenId::Hangman); // a click on the game behind
        settle();
        QVERIFY(!screens().exists(ScreenId::Hangman));
        QVERIFY(!screens().exists(ScreenId::LoseForm));
        QVERIFY(screens().isShown(ScreenId::GameOption));
    }

    void hintShowsTheMeaningAndClosesBehindTheGame()
    {
        TestEnv env(store());
        registerScreens();
        Hangman *game = startGame("Solo", 0);
        QTest::mouseClick(game->Hint, Qt::LeftButton);
        auto *hint = screens().find<GiveHint>(ScreenId::GiveHint);
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(hint->Label1->text(), QStringLiteral("a pet"));
        settle();
        screens().activate(ScreenId::Hangman);
        settle();
        QVERIFY(!screens().exists(ScreenId::GiveHint));
        QCOMPARE(game->round().missStep(), 1); // the hint costs nothing
    }

    void listsWithoutAPlayableWord_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("word"); // empty: the Error notice
        QTest::addRow("all too long") << "Long" << "";
        QTest::addRow("no words") << "Empty" << "";
        QTest::addRow("unknown list") << "Gone" << "";
        QTest::addRow("14 characters") << "Fourteen" << "abcdefghijklmn";
    }
    void listsWithoutAPlayableWord()
    {
        QFETCH(QString, list);
        QFETCH(QString, word);
        TestEnv env(store());
        registerScreens();
        // Words of an earlier list stay in the shared arrays.
        Shared.CurrentList = "Solo";
        startGame("Solo", 0);
        screens().close(ScreenId::Hangman);
        env.takeSounds();

        Hangman *game = startGame(list, 0);
        if (word.isEmpty()) {
            QVERIFY(!game);
            QVERIFY(!screens().exists(ScreenId::Hangman));
            QVERIFY(screens().isShown(ScreenId::Error));
            QCOMPARE(env.takeSounds(), QStringList{"beep"});
            QVERIFY(!env.programEnded());
        } else {
            QVERIFY(game);
            QCOMPARE(Shared.CurrentWord, word);
            QVERIFY(!game->Letter[13]->isHidden());
        }
    }
};

QTEST_MAIN(HangmanScreensTest)
#include "test_hangman_screens.moc"

// links: lingo_hangman lingo_gamesmenu
#include "app/ScreenManager.h"
#include "app/SoundSwitch.h"
#include "app/core/Letters.h"
#include "app/core/SharedState.h"
#include "games/GamesMenuScreens.h"
#include "games/GiveHint.h"
#include "games/hangman/Hangman.h"
#include "games/hangman/HangmanOutcome.h"
#include "games/hangman/HangmanScreens.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray store()
{
    return TestEnv::utf8Lines({"Русский", "кот", "a pet", "<New List>", "עברית", "שלום", "peace", "<New List>",
                               "Solo", "cat", "a pet", "<New List>", "Long", "abcdefghijklmno", "too long",
                           "<New List>", "Fourteen", "abcdefghijklmno", "too long", "abcdefghijklmn", "just right"});
}

Hangman *startGame(const QString &list, int soundFlag)
{
    registerGamesMenuScreens(screens());
    registerHangmanScreens(screens());
    Shared.SoundFlag = std::int16_t(soundFlag);
    return openGame<Hangman>(ScreenId::Hangman, list);
}

void typeGuess(Hangman *game, const QString &guesses)
{
    for (const QString &letter : letters::split(guesses)) {
        typeText(game->GuessLetter, letter);
        QTest::keyClick(game->GuessLetter, Qt::Key_Return);
    }
}

} // namespace

class HangmanScreensTest : public QObject {
    Q_OBJECT

private slots:
    void wonGameFromTheKeyboard()
    {
        TestEnv env(store());
        Hangman *game = startGame("Русский", 1);
        QVERIFY(game);
        QVERIFY(!game->Letter[2]->isHidden() && game->Letter[3]->isHidden());

        typeGuess(game, "кхк"); // a find, a miss, the same guess again
        QCOMPARE(game->Letter[0]->text(), QStringLiteral("к"));
        QCOMPARE(env.takeSounds(), (QStringList{"whew.wav", "oh-no.wav", "beep"}));
        QVERIFY(!game->figure.Head->isHidden() && game->figure.Body->isHidden());
        QCOMPARE(game->AlreadyUsed->text(), QStringLiteral(" к х"));
        QVERIFY(game->GuessLetter->text().isEmpty());
        QTest::keyClick(game->GuessLetter, Qt::Key_Return); // empty box: nothing
        QCOMPARE(game->AlreadyUsed->text(), QStringLiteral(" к х"));

        // The hint shows the meaning as plain text, costs nothing and closes behind the game.
        click(game->Hint);
        auto *hint = screens().find<GiveHint>(ScreenId::GiveHint);
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(hint->Label1->text(), QStringLiteral("a pet"));
        QCOMPARE(hint->Label1->textFormat(), Qt::PlainText);
        settle();
        screens().activate(ScreenId::Hangman);
        settle();
        QVERIFY(!screens().exists(ScreenId::GiveHint));
        QCOMPARE(game->round().missStep(), 2);
        click(game->Hint);
        click(screens().find<GiveHint>(ScreenId::GiveHint)->Command1);
        settle();
        QVERIFY(!screens().exists(ScreenId::GiveHint) && screens().isShown(ScreenId::Hangman));

        typeGuess(game, "о");
        typeText(game->GuessLetter, "Т");
        click(game->Go);
        QCOMPARE(game->Letter[2]->text(), QStringLiteral("т"));
        auto *win = screens().find<youwin>(ScreenId::youwin);
        QVERIFY(win && win->isVisible() && !game->isEnabled());
        settle();
        QCOMPARE(env.takeSounds(), (QStringList{"whew.wav", "goodjob.wav"}));
        QCOMPARE(win->texts.Label3->text() + "/" + win->texts.Label5->text(), QStringLiteral("кот/a pet"));
        QCOMPARE(win->texts.Label6->text(), QStringLiteral("Do you want to play again?"));

        click(win->Command1); // No
        settle();
        QVERIFY(!screens().exists(ScreenId::Hangman) && !screens().exists(ScreenId::youwin));
        QVERIFY(screens().isShown(ScreenId::GameOption));
    }

    // One letter however many characters (a decomposed é, a Devanagari
    // conjunct), never two; a Hebrew word fills its boxes from the right.
    void oneLetterOfAnyLengthAndHebrewFromTheRight()
    {
        TestEnv env(store());
        Hangman *game = startGame("עברית", 0);
        for (const QString letter : {"e\u0301", "क्ष"}) {
            typeText(game->GuessLetter, letter + "x");
            QCOMPARE(game->GuessLetter->text(), letter);
            game->GuessLetter->clear();
        }
        typeGuess(game, "ש");
        QCOMPARE(game->Letter[3]->text(), QStringLiteral("ש"));
        QVERIFY(game->Letter[0]->text().isEmpty() && game->Letter[4]->isHidden());
    }

    void lostGameRevealsTheWordAndPlaysAgain()
    {
        TestEnv env(store());
        Hangman *game = startGame("Solo", 1);
        typeGuess(game, "abdefghijk");
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

        click(game->Done);
        auto *lose = screens().find<LoseForm>(ScreenId::LoseForm);
        QVERIFY(lose && game->isEnabled());
        QCOMPARE(lose->texts.Label1->text() + "/" + lose->texts.Label3->text(), QStringLiteral("You Lose!/cat"));
        settle();
        QVERIFY(env.takeSounds().isEmpty());
        click(lose->Command2); // Yes
        settle();
        auto *again = screens().find<Hangman>(ScreenId::Hangman);
        QVERIFY(again && again != game);
        QCOMPARE(again->round().missStep(), 1);
        QVERIFY(!screens().exists(ScreenId::LoseForm));

        // A click on the game behind a lose screen discards the game.
        typeGuess(again, "bdefghijkl");
        click(again->Done);
        settle();
        screens().activate(ScreenId::Hangman);
        settle();
        QVERIFY(!screens().exists(ScreenId::Hangman) && !screens().exists(ScreenId::LoseForm));
        QVERIFY(screens().isShown(ScreenId::GameOption));
    }

    void soundsFollowTheSwitchAndTheWinScreenTheDefault_data()
    {
        QTest::addColumn<int>("soundFlag");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("default off") << 0 << false << QStringList{};
        QTest::addRow("default off, switched on") << 0 << true << QStringList{"oh-no.wav", "whew.wav", "whew.wav"};
        QTest::addRow("default on, switched off") << 1 << true << QStringList{"goodjob.wav"};
    }
    void soundsFollowTheSwitchAndTheWinScreenTheDefault()
    {
        QFETCH(int, soundFlag);
        QFETCH(bool, toggle);
        QFETCH(QStringList, expected);
        TestEnv env(store());
        Hangman *game = startGame("Solo", soundFlag);
        if (toggle)
            game->SoundOn->SoundOn_Click();
        typeGuess(game, "xcat");
        settle();
        QVERIFY(screens().exists(ScreenId::youwin));
        QCOMPARE(env.takeSounds(), expected);
    }

    void listsWithoutAPlayableWord_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("word"); // empty: the Error notice
        QTest::addRow("all too long") << "Long" << "";
        QTest::addRow("unknown list") << "Gone" << "";
        QTest::addRow("14 characters") << "Fourteen" << "abcdefghijklmn";
    }
    void listsWithoutAPlayableWord()
    {
        QFETCH(QString, list);
        QFETCH(QString, word);
        TestEnv env(store());
        startGame("Solo", 0); // leaves "cat" in the shared arrays
        screens().close(ScreenId::Hangman);
        env.takeSounds();

        Hangman *game = startGame(list, 0);
        QCOMPARE(game != nullptr, !word.isEmpty());
        if (game) {
            QCOMPARE(Shared.CurrentWord, word);
            QVERIFY(!game->Letter[13]->isHidden());
        } else {
            QVERIFY(!screens().exists(ScreenId::Hangman) && screens().isShown(ScreenId::Error));
            QCOMPARE(env.takeSounds(), QStringList{"beep"});
            QVERIFY(!env.programEnded());
        }
    }
};

QTEST_MAIN(HangmanScreensTest)
#include "test_hangman_screens.moc"

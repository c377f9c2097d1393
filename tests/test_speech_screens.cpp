// links: lingo_flashcards lingo_quiz lingo_hangman lingo_gamesmenu
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "flashcards/FlashcardScreens.h"
#include "flashcards/Main.h"
#include "games/GamesMenuScreens.h"
#include "games/hangman/Hangman.h"
#include "games/hangman/HangmanOutcome.h"
#include "games/hangman/HangmanScreens.h"
#include "languages/ListLanguages.h"
#include "quiz/Quiz.h"
#include "quiz/QuizScreens.h"
#include "speech/ScreenSpeech.h"
#include "speech/SpeechSettings.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QByteArray store()
{
    return TestEnv::utf8Lines({"Русский", "кот", "cat", "собака", "dog", "дом", "house", "мама", "mother", "вода",
                               "water", "<New List>", "Один", "кот", "cat"});
}

// The Russian lists as their teacher set them: Russian words, English meanings.
void russianLists()
{
    for (const char *list : {"Русский", "Один"})
        QVERIFY(languages::setOfList(QString::fromUtf8(list), {"ru", "en"}).outcome == dataupdate::Outcome::Saved);
}

Main *openCards(int side)
{
    registerFlashcardScreens(screens());
    Shared.CurrentList = QStringLiteral("Русский");
    Shared.CardOrder = 1; // alphabetical: вода, дом, кот, мама, собака
    Shared.CardSide = std::int16_t(side);
    return qobject_cast<Main *>(screens().show(ScreenId::Main));
}

QString caption(QAction *action)
{
    return visibleCaption(action->text());
}

} // namespace

class SpeechScreensTest : public QObject {
    Q_OBJECT

private slots:
    void flashCardsSayOnlyWhatIsUncovered_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QStringList>("firstCard");
        QTest::addColumn<QString>("secondCard");
        QTest::addRow("word side first") << 1 << QStringList{"ru:вода", "en:water"} << "ru:дом";
        QTest::addRow("meaning side first") << 2 << QStringList{"en:water", "ru:вода"} << "en:house";
    }
    void flashCardsSayOnlyWhatIsUncovered()
    {
        QFETCH(int, side);
        QFETCH(QStringList, firstCard);
        QFETCH(QString, secondCard);
        TestEnv env(store());
        russianLists();
        Main *m = openCards(side);
        QCOMPARE(env.said(), firstCard.mid(0, 1)); // the covered half is never said
        m->Gimme_Click();
        QCOMPARE(env.said(), firstCard);
        m->Gimme_Click(); // nothing newly uncovered
        m->Label2_Click();
        QCOMPARE(env.said(), firstCard + QStringList{secondCard});
        m->speech()->sayItAction()->trigger();
        QCOMPARE(env.said().last(), secondCard);
        // The end of the list is no word of it.
        const qsizetype before = env.said().size();
        for (int i = 0; i < 4; ++i)
            m->Label2_Click();
        m->Gimme_Click();
        QVERIFY(m->viewer().wordCaption().startsWith("That's the end"));
        QCOMPARE(env.said().size(), before + 3);
    }

    void automaticSpeechOffSaysOnlyWhenAsked()
    {
        TestEnv env(store());
        russianLists();
        speech::setSpeakAutomatically(false);
        Main *m = openCards(1);
        QVERIFY(!m->speech()->automaticAction()->isChecked());
        QVERIFY(env.said().isEmpty());
        settle();
        QTest::keyClick(m, Qt::Key_F5);
        QCOMPARE(env.said(), QStringList{"ru:вода"});
        // The pupil's choice holds for the next screen.
        m->speech()->automaticAction()->trigger();
        screens().close(ScreenId::Main);
        openCards(1);
        QCOMPARE(env.said(), (QStringList{"ru:вода", "ru:вода"}));
    }

    void quizSaysEachQuestion_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("language");
        QTest::addRow("words asked") << 1 << "ru";
        QTest::addRow("meanings asked") << 2 << "en";
    }
    void quizSaysEachQuestion()
    {
        QFETCH(int, kind);
        QFETCH(QString, language);
        TestEnv env(store());
        russianLists();
        registerQuizScreens(screens());
        Shared.CurrentList = QStringLiteral("Русский");
        Shared.QuizType = std::int16_t(kind);
        Shared.QuestionsLeft = 2;
        auto *quiz = qobject_cast<Quiz *>(screens().show(ScreenId::Quiz));
        QVERIFY(quiz);
        const QString first = Shared.QuestionText;
        quiz->AnswerA_Click();
        quiz->NextQuestion_Click();
        QCOMPARE(env.said(), (QStringList{language + ":" + first, language + ":" + Shared.QuestionText}));
    }

    void hangmanSaysTheWordOnlyOnceTheGameIsOver()
    {
        TestEnv env(store());
        russianLists();
        registerGamesMenuScreens(screens());
        registerHangmanScreens(screens());
        Shared.SoundFlag = 1;
        auto *game = openGame<Hangman>(ScreenId::Hangman, QStringLiteral("Один"));
        QVERIFY(game);
        QAction *sayIt = game->findChild<ScreenSpeech *>()->sayItAction();
        QVERIFY(!sayIt->isEnabled());
        for (const QString letter : {"к", "о"}) {
            typeText(game->GuessLetter, letter);
            QTest::keyClick(game->GuessLetter, Qt::Key_Return);
        }
        QTest::keyClick(game, Qt::Key_F5);
        QVERIFY(env.said().isEmpty());
        typeText(game->GuessLetter, "т");
        QTest::keyClick(game->GuessLetter, Qt::Key_Return);
        settle();
        // After the cheer, never over it.
        QCOMPARE(env.sounds().last(), "goodjob.wav");
        QCOMPARE(env.said(), QStringList{"ru:кот"});
        QTest::keyClick(screens().find(ScreenId::youwin), Qt::Key_F5);
        QCOMPARE(env.said(), (QStringList{"ru:кот", "ru:кот"}));
    }

    void sayItTellsWhyItCannot_data()
    {
        QTest::addColumn<bool>("languagesSet");
        QTest::addColumn<SpeechBlock>("block");
        QTest::addColumn<QString>("expected");
        QTest::addRow("no language") << false << SpeechBlock::None << "Say It (no language set for this list)";
        QTest::addRow("no voice") << true << SpeechBlock::NoVoice << "Say It (no voice for русский on this computer)";
        QTest::addRow("no engine") << true << SpeechBlock::EngineFailed
                                   << "Say It (speech cannot start on this computer)";
        QTest::addRow("no device") << true << SpeechBlock::NoSoundDevice << "Say It (no sound device)";
        QTest::addRow("can") << true << SpeechBlock::None << "Say It";
    }
    void sayItTellsWhyItCannot()
    {
        QFETCH(bool, languagesSet);
        QFETCH(SpeechBlock, block);
        QFETCH(QString, expected);
        TestEnv env(store());
        if (languagesSet)
            russianLists();
        env.speaker().blocked.insert("ru", block);
        QAction *sayIt = openCards(1)->speech()->sayItAction();
        QCOMPARE(caption(sayIt), expected);
        QCOMPARE(sayIt->toolTip(), expected);
        QCOMPARE(sayIt->isEnabled(), expected == "Say It");
        QCOMPARE(env.said().size(), expected == "Say It" ? 1 : 0);
    }
};

QTEST_MAIN(SpeechScreensTest)
#include "test_speech_screens.moc"

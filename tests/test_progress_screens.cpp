#include "AllScreens.h"
#include "flashcards/Main.h"
#include "flashcards/frmTitle.h"
#include "games/hangman/Hangman.h"
#include "myprogress/BoxChart.h"
#include "myprogress/MyProgress.h"
#include "progress/Recorder.h"
#include "quiz/Quiz.h"

#include "app/ClickLabel.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime Now(QDate(2025, 3, 10), QTime(10, 0));

QByteArray store()
{
    return TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "cow", "vaca", "bird",
                           "pájaro", "<New List>", "Solo", "cat", "gato"});
}

// The recorder on the test's folder with the day fixed; every screen is there.
// The "Animals" list loaded.
WordPairs start(TestEnv &env)
{
    progress::recorder().reset({env.stateFolder(), [] { return Now; }});
    registerAllScreens(screens());
    Shared.CurrentList = QStringLiteral("Animals");
    LoadList();
    return loadedPairs();
}

// Answers the question on screen, right or wrong, and goes on.
void answer(Quiz *quiz, bool right)
{
    static const char *names[] = {"", "AnswerA", "Command1", "Command2", "Command3"};
    const int position = right ? Shared.RightAnswer : Shared.RightAnswer % 4 + 1;
    click(child<QPushButton>(quiz, names[position]));
    click(child<QPushButton>(quiz, "NextQuestion"));
}

Quiz *startQuiz(int questions)
{
    Shared.QuizType = 1;
    Shared.QuestionsLeft = std::int16_t(questions);
    return qobject_cast<Quiz *>(screens().show(ScreenId::Quiz));
}

MyProgress *openMyProgress()
{
    triggerMenu(screens().show(ScreenId::First), QStringLiteral("My Progress..."));
    return screens().find<MyProgress>(ScreenId::MyProgress);
}

} // namespace

class ProgressScreensTest : public QObject {
    Q_OBJECT

private slots:
    void twoWrongQuizAnswersArePractisedAlone()
    {
        TestEnv env(store());
        start(env);
        Quiz *quiz = startQuiz(5);
        QSet<QString> missed;
        for (int i = 0; i < 5; ++i) {
            if (i == 1 || i == 3)
                missed.insert(Shared.CurrentWord);
            answer(quiz, i != 1 && i != 3);
        }
        screens().close(ScreenId::summary);
        screens().close(ScreenId::Quiz);

        MyProgress *mine = openMyProgress();
        QVERIFY(mine && !screens().exists(ScreenId::First));
        selectList(mine, QStringLiteral("Animals"));
        QCOMPARE(mine->DueLabel->text(), QStringLiteral("Due today: 2"));
        QCOMPARE(mine->Chart->accessibleDescription(),
                 QStringLiteral("Box 1: 2 words, box 2: 3 words, box 3: 0 words, box 4: 0 words, box 5: 0 words."));

        click(mine->Practise);
        settle();
        QVERIFY(!screens().exists(ScreenId::MyProgress));
        quiz = screens().find<Quiz>(ScreenId::Quiz);
        QVERIFY(quiz && Shared.HardWords.isEmpty());
        QSet<QString> practised;
        for (int i = 0; i < 2; ++i) {
            practised.insert(Shared.CurrentWord);
            answer(quiz, true);
        }
        QCOMPARE(practised, missed);
        QVERIFY(screens().exists(ScreenId::summary));
        screens().close(ScreenId::summary);
        screens().close(ScreenId::Quiz);

        // Both are now in box 2, due tomorrow; Start Again forgets them all.
        mine = openMyProgress();
        selectList(mine, QStringLiteral("Animals"));
        QCOMPARE(mine->DueLabel->text(), QStringLiteral("Due today: 0"));
        env.answerNext(MsgAnswer::No);
        click(mine->StartAgain);
        QCOMPARE(mine->Chart->counts()->inBox[2], 5);
        click(mine->StartAgain);
        QCOMPARE(mine->NeverLabel->text(), QStringLiteral("Never practised: 5"));

        // Nothing due: the notice, and no quiz.
        click(mine->Practise);
        settle();
        QCOMPARE(env.messages.size(), 3);
        QCOMPARE(env.messages.last().text, QStringLiteral("No words of this list are due today."));
        QVERIFY(screens().exists(ScreenId::MyProgress) && !screens().exists(ScreenId::Quiz));
    }

    void lostHangmanGamePutsItsPairInBoxOne()
    {
        TestEnv env(store());
        start(env);
        auto *game = openGame<Hangman>(ScreenId::Hangman, QStringLiteral("Solo"));
        QVERIFY(game);
        for (const QChar letter : QStringLiteral("bdefhijklm")) {
            game->GuessLetter->setText(letter);
            click(game->Go);
        }
        QCOMPARE(progress::recorder().boxCounts({{"cat", "gato"}}).inBox[1], 1);
    }

    // Nothing due gives the notice and starts nothing; then the two missed
    // pairs alone, in the order chosen.
    void flashCardsShowOnlyHardWords()
    {
        TestEnv env(store());
        const WordPairs list = start(env);
        progress::recorder().graded(list[1], true); // cat, due tomorrow
        auto *options = qobject_cast<frmTitle *>(screens().show(ScreenId::frmTitle));
        triggerMenu(options, QStringLiteral("My Hard Words Only"));
        selectList(options, QStringLiteral("Animals"));
        click(options->Begin);
        QCOMPARE(env.messages.value(0).text, QStringLiteral("No words of this list are due today."));
        QVERIFY(!screens().exists(ScreenId::Main) && Shared.HardWords.isEmpty());

        progress::recorder().graded(list[2], false); // horse
        progress::recorder().graded(list[0], false); // dog
        click(options->Begin); // alphabetical
        settle();
        auto *cards = screens().find<Main>(ScreenId::Main);
        QVERIFY2(cards, "no flash cards");
        QCOMPARE(cards->Label1->text(), QStringLiteral("Total cards available in this set:  2"));
        QStringList shown{cards->viewer().current().word};
        click(cards->Label2);
        shown.append(cards->viewer().current().word);
        QCOMPARE(shown, (QStringList{"dog", "horse"}));
    }

    // Last: ending the event loop shuts speech down for good.
    void answerJustBeforeQuitIsSaved()
    {
        TestEnv env(store());
        start(env);
        connectProgramEnd();
        Quiz *quiz = startQuiz(3);
        const WordPair pair{Shared.CurrentWord, Shared.CurrentMeaning};
        click(child<QPushButton>(quiz, "AnswerA"));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QApplication::exec();

        // Read back from the file alone.
        progress::recorder().reset({env.stateFolder(), [] { return Now; }});
        QCOMPARE(progress::recorder().boxCounts({pair}).neverPractised, 0);
    }
};

QTEST_MAIN(ProgressScreensTest)
#include "test_progress_screens.moc"

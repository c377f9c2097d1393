// links: lingo_quiz
#include "quiz/Quiz.h"
#include "quiz/QuizOptions.h"
#include "quiz/QuizScreens.h"
#include "quiz/summary.h"

#include "app/First.h"
#include "app/NumberScrollBar.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

namespace {

const QColor DarkBlue(0x00, 0x00, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);
const QString WordDirections = "Directions:  Mark the definition that BEST matches the word.";
const QString MeaningDirections = "Directions:  Mark the word that BEST matches the definition.";

QString text(QWidget *screen, const QString &label)
{
    return child<QLabel>(screen, label)->text();
}

QColor answerColour(Quiz *quiz, int position)
{
    return child<QLabel>(quiz, QStringLiteral("Answer%1").arg(position))->palette().color(QPalette::Window);
}

QPushButton *answerButton(Quiz *quiz, int position)
{
    static const char *names[] = {"", "AnswerA", "Command1", "Command2", "Command3"};
    return child<QPushButton>(quiz, names[position]);
}

// Tab from A to the chosen answer, Enter on it; the focus moves on to Next Question.
void answer(bool right)
{
    const int position = right ? Shared.RightAnswer : Shared.RightAnswer % 4 + 1;
    QCOMPARE(focusedCaption(), "A");
    press(Qt::Key_Tab, position - 1);
    press(Qt::Key_Return);
    QCOMPARE(Shared.ChosenAnswer, position);
    QCOMPARE(focusedCaption(), "Next Question");
}

// Starts a quiz as the options screen would have left it.
Quiz *startQuiz(const QString &list, int kind, int questions)
{
    Shared.CurrentList = list;
    Shared.QuizType = std::int16_t(kind);
    Shared.QuestionsLeft = std::int16_t(questions);
    return qobject_cast<Quiz *>(screens().show(ScreenId::Quiz));
}

} // namespace

class QuizScreensTest : public QObject {
    Q_OBJECT

private slots:
    // Driven by the keyboard alone: Tab, arrows, Space and Enter.
    void fullQuizByKeysFromTheMainMenuAndBack_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("kind");
        QTest::addRow("sound on, words picked") << true << 1;
        QTest::addRow("sound off, the default mix") << false << 3;
    }
    void fullQuizByKeysFromTheMainMenuAndBack()
    {
        QFETCH(bool, soundOn);
        QFETCH(int, kind);
        TestEnv env(TestEnv::defaultStore(), soundOn ? "pw\r\nx\r\nSound On\r\n" : "pw\r\nx\r\nSound Off\r\n");
        registerQuizScreens(screens());
        screens().show(ScreenId::First);
        settle();
        QCOMPARE(focusedCaption(), "Flash Cards");
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), "Quiz Me!");
        press(Qt::Key_Return);
        auto *options = screens().find<QuizOptions>(ScreenId::QuizOptions);
        QVERIFY(options);
        QVERIFY(!screens().exists(ScreenId::First));

        // The list has the focus; down and back up picks its first list.
        auto *lists = child<QListWidget>(options, "TheLists");
        QCOMPARE(focused(), lists);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(lists->selectedItems().size(), 1);
        QCOMPARE(lists->selectedItems().first()->text(), "Animals");
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), "How many questions?");
        press(Qt::Key_Up, 2);
        QCOMPARE(text(options, "QuestionLabel"), " 12");
        press(Qt::Key_Down, 9);
        QCOMPARE(text(options, "QuestionLabel"), " 3");
        // Space picks a kind; Enter on it presses Begin!, the default button.
        press(Qt::Key_Tab);
        QCOMPARE(focusedCaption(), "Quiz me on Words");
        if (kind == 1) {
            press(Qt::Key_Space);
            QVERIFY(static_cast<QAbstractButton *>(focused())->isChecked());
        }
        env.takeSounds();
        press(Qt::Key_Return);
        QVERIFY(!screens().exists(ScreenId::QuizOptions));
        auto *quiz = screens().find<Quiz>(ScreenId::Quiz);
        QVERIFY(quiz);
        QCOMPARE(quiz->soundIsOn(), soundOn);
        QCOMPARE(Shared.QuizType, kind);
        QCOMPARE(Shared.QuestionsLeft, 2);
        QCOMPARE(text(quiz, "RemainingLabel"), "2");

        QSet<QString> asked{Shared.CurrentWord};
        // 1: right
        answer(true);
        QCOMPARE(text(quiz, "Feedback"), "Correct!");
        QVERIFY(child(quiz, "Happy")->isVisible() && child(quiz, "Happy2")->isVisible() && child(quiz, "Image1")->isVisible());
        QVERIFY(!child(quiz, "Sad")->isVisible());
        QCOMPARE(text(quiz, "CorrectLabel"), " 1");
        QCOMPARE(answerColour(quiz, Shared.RightAnswer), Red);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!answerButton(quiz, i)->isVisible());
        QCOMPARE(env.takeSounds(), soundOn ? QStringList{"clap.wav"} : QStringList{});
        // A second click on the same question counts nothing.
        quiz->AnswerA_Click();
        QCOMPARE(Shared.RightCount + Shared.WrongCount, 1);

        press(Qt::Key_Return);
        QCOMPARE(text(quiz, "RemainingLabel"), " 1");
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(answerColour(quiz, i), DarkBlue);
            QVERIFY(answerButton(quiz, i)->isVisible());
        }
        QVERIFY(!child(quiz, "Feedback")->isVisible() && !child(quiz, "NextQuestion")->isVisible());
        asked.insert(Shared.CurrentWord);

        // 2: wrong; the right choice is marked, the others stay blue.
        answer(false);
        QCOMPARE(text(quiz, "Feedback"), "Wrong");
        QVERIFY(child(quiz, "Sad")->isVisible() && child(quiz, "Sad2")->isVisible() && child(quiz, "Image2")->isVisible());
        QVERIFY(!child(quiz, "Happy")->isVisible());
        QCOMPARE(text(quiz, "WrongLabel"), " 1");
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(answerColour(quiz, i), i == Shared.RightAnswer ? Red : DarkBlue);
        QCOMPARE(env.takeSounds(), soundOn ? QStringList{"glasbk.wav"} : QStringList{});

        press(Qt::Key_Return);
        asked.insert(Shared.CurrentWord);
        QCOMPARE(asked.size(), 3); // the pool asks each of the three words once
        answer(true);
        QCOMPARE(env.takeSounds(), soundOn ? QStringList{"clap.wav"} : QStringList{});
        press(Qt::Key_Return);
        QCOMPARE(text(quiz, "RemainingLabel"), "-1");

        auto *results = screens().find<summary>(ScreenId::summary);
        QVERIFY(results && results->isVisible());
        QVERIFY(!quiz->isEnabled() && quiz->isVisible());
        QCOMPARE(text(results, "Label1"), "You got  2 correct out of  3!");
        QCOMPARE(text(results, "Label2"), "This gives you a score of  66%.");
        QCOMPARE(text(results, "Feedback"), "Looks like you could use a little more work.");

        press(Qt::Key_Return); // its OK
        QVERIFY(screens().isShown(ScreenId::First));
        QVERIFY(!screens().exists(ScreenId::Quiz));
        QVERIFY(!screens().exists(ScreenId::summary));
        QVERIFY(!env.programEnded());
        QVERIFY(env.takeSounds().isEmpty());
    }

    void oneQuestionOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("words") << 1;
        QTest::addRow("meanings") << 2;
    }
    // In Russian: the words come from a UTF-8 store.
    void oneQuestionOfEachKind()
    {
        QFETCH(int, kind);
        TestEnv env(TestEnv::utf8Lines({"Цвета", "красный", "red", "синий", "blue"}));
        registerQuizScreens(screens());
        Quiz *quiz = startQuiz("Цвета", kind, 1);
        QVERIFY(QStringList({"красный", "синий"}).contains(Shared.CurrentWord));
        QCOMPARE(text(quiz, "RemainingLabel"), "0");
        QCOMPARE(text(quiz, "Direct"), kind == 1 ? WordDirections : MeaningDirections);
        QCOMPARE(text(quiz, "Questionlabel"), kind == 1 ? Shared.CurrentWord : Shared.CurrentMeaning);
        QCOMPARE(Shared.Choices[Shared.RightAnswer], kind == 1 ? Shared.CurrentMeaning : Shared.CurrentWord);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(text(quiz, QStringLiteral("Answer%1").arg(i)), Shared.Choices[i]);
        answer(true);
        press(Qt::Key_Return); // Next Question
        QCOMPARE(text(quiz, "RemainingLabel"), "-1");
        auto *results = screens().find<summary>(ScreenId::summary);
        QVERIFY(results);
        QCOMPARE(text(results, "Label2"), "This gives you a score of  100%.");

        // The pictures slide while the results are shown.
        const int before = results->slide().pictures[1].left;
        QTRY_VERIFY(results->slide().pictures[1].left != before);

        // Closing the results from the title bar is OK: the quiz goes too.
        results->close();
        settle();
        QVERIFY(screens().isShown(ScreenId::First));
        QVERIFY(!screens().exists(ScreenId::Quiz));
        QVERIFY(!screens().exists(ScreenId::summary));
    }

    // The direction is drawn again for every question, not once per quiz.
    void kindThreeMixesTheDirections()
    {
        TestEnv env;
        registerQuizScreens(screens());
        Quiz *quiz = startQuiz("Animals", 3, 60);
        QSet<QString> directions;
        for (int n = 0; n < 60; ++n) {
            directions.insert(text(quiz, "Direct"));
            answer(true);
            press(Qt::Key_Return); // Next Question
        }
        QCOMPARE(directions, (QSet<QString>{WordDirections, MeaningDirections}));
    }

    void optionsScreenWithRealClicks()
    {
        TestEnv env;
        registerQuizScreens(screens());
        Shared.ListChoice = 1; // "Colours", chosen last time
        auto *options = qobject_cast<QuizOptions *>(screens().show(ScreenId::QuizOptions));
        auto *lists = child<QListWidget>(options, "TheLists");
        QCOMPARE(lists->currentItem()->text(), "Colours");
        QCOMPARE(text(options, "QuestionLabel"), "10");
        QVERIFY(child<QRadioButton>(options, "RandomQuiz")->isChecked());
        child<NumberScrollBar>(options, "QuestionBar")->setNumber(11);

        // A caption clicks the button beside it: the quiz asks meanings (kind 2).
        QTest::mouseClick(child(options, "Label3_4"), Qt::LeftButton);

        selectList(options, "Animals");
        click(options, "Begin!");
        QCOMPARE(Shared.CurrentList, "Animals");
        QCOMPARE(Shared.ListChoice, 0);
        QCOMPARE(Shared.QuizType, 2);
        QCOMPARE(Shared.QuestionsLeft, 10); // 11 asked, the first is on screen
        Quiz *quiz = screens().find<Quiz>(ScreenId::Quiz);
        QVERIFY(quiz && quiz->isVisible());
        QCOMPARE(text(quiz, "Direct"), MeaningDirections);

        // "Back to Quiz Options" opens it afresh: 10 questions, kind 3.
        quiz->Back_Click();
        options = screens().find<QuizOptions>(ScreenId::QuizOptions);
        QVERIFY(options && !screens().exists(ScreenId::Quiz));
        QCOMPARE(text(options, "QuestionLabel"), "10");
        QVERIFY(child<QRadioButton>(options, "RandomQuiz")->isChecked());

        // Enter on the list starts as the button does.
        selectList(options, "Colours");
        QTest::keyClick(child(options, "TheLists"), Qt::Key_Return);
        QVERIFY(screens().exists(ScreenId::Quiz));
        QCOMPARE(Shared.CurrentList, "Colours");
    }

    // Which lists cannot make a quiz is the rules' part (hasTwoDifferentWords).
    void aListThatCannotMakeAQuizIsRefused()
    {
        TestEnv env(storeWithDegenerateLists());
        registerQuizScreens(screens());
        Shared.ListChoice = 2;
        Shared.QuizType = 7;
        Shared.QuestionsLeft = 7;
        Shared.WordCount = 1;
        Shared.Words[1] = "kept";
        auto *options = qobject_cast<QuizOptions *>(screens().show(ScreenId::QuizOptions));
        selectList(options, "Echo");
        child<NumberScrollBar>(options, "QuestionBar")->setNumber(25);
        QTest::mouseClick(child(options, "Label3_3"), Qt::LeftButton);

        click(options, "Begin!");
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, "Hey!");
        QVERIFY(env.messages[0].text.contains("at least two different words"));
        QVERIFY(screens().isShown(ScreenId::QuizOptions));
        QVERIFY(!screens().exists(ScreenId::Quiz));
        QVERIFY(!screens().exists(ScreenId::ChooseAList));
        QVERIFY(env.takeSounds().isEmpty());
        // Nothing changed: neither the shared state nor the choices on screen.
        QCOMPARE(Shared.CurrentList, "");
        QCOMPARE(Shared.ListChoice, 2);
        QCOMPARE(Shared.QuizType, 7);
        QCOMPARE(Shared.QuestionsLeft, 7);
        QCOMPARE(Shared.WordCount, 1);
        QCOMPARE(Shared.Words[1], "kept");
        QCOMPARE(child<QListWidget>(options, "TheLists")->selectedItems().value(0)->text(), "Echo");
        QCOMPARE(text(options, "QuestionLabel"), " 25");
        QVERIFY(child<QRadioButton>(options, "WordQuiz")->isChecked());

        // Another list still starts.
        selectList(options, "Animals");
        click(options, "Begin!");
        QVERIFY(screens().exists(ScreenId::Quiz));
        QCOMPARE(Shared.QuestionsLeft, 24);

        // A quiz of a list that changed meanwhile hands back to the options.
        screens().close(ScreenId::Quiz);
        startQuiz("Echo", 1, 5);
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[1].title, "Hey!");
        settle();
        QVERIFY(!screens().exists(ScreenId::Quiz));
        QVERIFY(screens().isShown(ScreenId::QuizOptions));
        QVERIFY(!env.programEnded());
    }
};

QTEST_MAIN(QuizScreensTest)
#include "test_quiz_screens.moc"

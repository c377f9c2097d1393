// The program as a user meets it off the scripted path: windows closed from
// the title bar, clicks on labels, the beep of a notice and the teacher's
// list chooser.
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "games/GamesMenuScreens.h"
#include "games/hangman/HangmanScreens.h"
#include "games/zap/Zap.h"
#include "games/zap/ZapScreens.h"
#include "manage/ManageScreens.h"
#include "manage/editor/EditChooseList.h"
#include "manage/editor/ListEditorScreens.h"
#include "quiz/QuizScreens.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>

namespace {

const QByteArray SoundOff = "OPENDOOR\r\nx\r\nSound Off\r\n";

// Notes, for each system beep, whether the notice on top was on screen and
// painted while it sounded.
class BeepWitness : public SoundPlayer, public QObject {
public:
    explicit BeepWitness(QString title) : m_title(std::move(title)) { qApp->installEventFilter(this); }
    ~BeepWitness() override { qApp->removeEventFilter(this); }

    int play(const QString &) override { return 1; }
    void beep() override
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->windowTitle() == m_title)
                beeps.append(window->isVisible() && window->windowHandle()->isExposed() && m_paints > 0);
    }

    QList<bool> beeps; // painted and on screen at each beep

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window()->windowTitle() == m_title)
            ++m_paints;
        return false;
    }

private:
    QString m_title;
    int m_paints = 0;
};

} // namespace

class RealUseTest : public QObject {
    Q_OBJECT

private slots:
    void closingAfterADismissedReminderEndsTheProgram_data()
    {
        QTest::addColumn<bool>("settledFirst");
        QTest::addRow("the chooser active again first") << true;
        QTest::addRow("closed at once") << false;
    }
    void closingAfterADismissedReminderEndsTheProgram()
    {
        QFETCH(bool, settledFirst);
        TestEnv env(TestEnv::defaultStore(), SoundOff);
        registerQuizScreens(screens());
        click(screens().show(ScreenId::First), "Quiz Me!");
        Screen *options = screens().find(ScreenId::QuizOptions);
        click(options, "Begin!");
        Screen *reminder = screens().find(ScreenId::ChooseAList);
        QVERIFY(reminder && reminder->isVisible());
        click(reminder, "OK");
        QVERIFY(!reminder->isVisible());
        if (settledFirst) {
            settle();
            // The reminder lost activation to the chooser, so it went.
            QVERIFY(screens().isActive(ScreenId::QuizOptions));
            QVERIFY(!screens().exists(ScreenId::ChooseAList));
        }
        options->close(); // the title bar
        settle();
        QVERIFY(env.programEnded());
        QVERIFY(!screens().exists(ScreenId::ChooseAList));
    }

    void closingAfterACancelledPasswordEndsTheProgram()
    {
        TestEnv env(TestEnv::defaultStore(), SoundOff);
        registerManageScreens(screens());
        registerGamesMenuScreens(screens());
        registerZapScreens(screens());
        Screen *first = screens().show(ScreenId::First);
        triggerMenu(first, "Teacher Management");
        click(screens().find(ScreenId::PasswordForm), "Cancel");
        settle();
        QVERIFY(screens().exists(ScreenId::PasswordForm) && !screens().isShown(ScreenId::PasswordForm));
        QVERIFY(!env.programEnded());

        click(first, "Games");
        Screen *menu = screens().find(ScreenId::GameOption);
        selectList(menu, "Animals");
        click(menu, "Word Zap!");
        Screen *options = screens().find(ScreenId::ZapOptions);
        QVERIFY(options);
        settle();
        QVERIFY(!env.programEnded()); // a visible screen is left
        options->close(); // the title bar
        settle();
        QVERIFY(env.programEnded());
        QVERIFY(!screens().exists(ScreenId::PasswordForm));
    }

    void aScreenWhoseLoadWaitsIsNoProgramWithoutAWindow()
    {
        struct Waiting : Screen {
            Waiting() : Screen(ScreenId::AboutForm) {}
            void Form_Load() override { settle(); } // as a message box in a load step would
        };
        TestEnv env(TestEnv::defaultStore(), SoundOff);
        screens().registerScreen(ScreenId::AboutForm, [] { return new Waiting; });
        screens().show(ScreenId::First);
        screens().close(ScreenId::First);
        screens().show(ScreenId::AboutForm);
        settle();
        QVERIFY(!env.programEnded());
        screens().close(ScreenId::AboutForm);
        settle();
        QVERIFY(env.programEnded());
    }

    void aClickOnTheDefinitionIsNoMiss()
    {
        TestEnv env(TestEnv::defaultStore(), SoundOff);
        registerZapScreens(screens());
        Shared.CurrentList = "Animals";
        click(screens().show(ScreenId::ZapOptions), "Start!");
        auto *zap = screens().find<Zap>(ScreenId::Zap);
        QVERIFY(zap);
        zap->ReadyLabel_Click();
        for (QLabel *label : {zap->Label1, zap->DefLabel}) {
            clickAt(zap, label->geometry().center());
            QCOMPARE(zap->game()->phase(), ZapGame::Phase::TurnRunning);
            QCOMPARE(zap->game()->score(), 0);
        }
        // Beside them, on the drawn frame, the window takes the click: a miss.
        clickAt(zap, zap->Label1->geometry().topRight() + QPoint(40, 4));
        QCOMPARE(zap->game()->phase(), ZapGame::Phase::TurnOver);
        QCOMPARE(zap->game()->score(), -50);
    }

    void noticesArePaintedBeforeTheyBeep_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addRow("the Hey! reminder") << "Hey!";
        QTest::addRow("Error") << "Error:";
    }
    void noticesArePaintedBeforeTheyBeep()
    {
        QFETCH(QString, title);
        TestEnv env(TestEnv::lines({"Long", "incomprehensibilities", "long", "<New List>", "Short", "cat", "gato"}), SoundOff);
        registerQuizScreens(screens());
        registerGamesMenuScreens(screens());
        registerHangmanScreens(screens());
        auto *witness = new BeepWitness(title);
        setSoundPlayer(std::unique_ptr<SoundPlayer>(witness));
        if (title == "Hey!") {
            click(screens().show(ScreenId::QuizOptions), "Begin!");
        } else {
            Shared.CurrentList = "Long";
            screens().show(ScreenId::GameOption);
            screens().show(ScreenId::Hangman);
        }
        settle();
        QCOMPARE(witness->beeps, QList<bool>{true});
        setSoundPlayer(std::make_unique<RecordingSoundPlayer>());
    }

    void theTeachersChooserLeavesThePupilsPreselectionAlone()
    {
        TestEnv env(TestEnv::lines({"Zebras", "z", "zz", "<New List>", "animals", "a", "aa", "<New List>", "Birds", "b",
                                    "bb"}),
                    SoundOff);
        registerListEditorScreens(screens());
        registerManageScreens(screens());
        Shared.ListChoice = 1;
        auto *chooser = qobject_cast<EditChooseList *>(screens().show(ScreenId::EditChooseList));
        QCOMPARE(chooser->TheLists->item(1)->text(), "Birds"); // the pupils' order
        QVERIFY(chooser->TheLists->selectedItems().isEmpty());
        selectList(chooser, "Zebras");
        click(chooser, "OK");
        QVERIFY(screens().exists(ScreenId::EditList));
        QCOMPARE(Shared.CurrentList, "Zebras");
        QCOMPARE(Shared.ListChoice, 1);
    }
};

QTEST_MAIN(RealUseTest)
#include "test_real_use.moc"

// links: lingo_concentration
#include "games/concentration/Concentration.h"
#include "games/concentration/ConcentrationScreens.h"

#include "app/ClickLabel.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

QByteArray eightWordStore()
{
    QStringList lines{"Short", "a", "b", "<New List>", "Eight"};
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("word%1").arg(i) << QStringLiteral("meaning%1").arg(i);
    return TestEnv::lines(lines);
}

int positionOf(const Concentration *screen, int pair, bool word)
{
    for (int p = 0; p < CardCount; ++p)
        if (screen->game()->card(p).pairOf == pair && screen->game()->card(p).isWord == word)
            return p;
    return -1;
}

void clickCard(Concentration *screen, int p)
{
    QTest::mouseClick(screen->Image1[p], Qt::LeftButton);
}

} // namespace

class ConcentrationScreenTest : public QObject {
    Q_OBJECT

private slots:
    void gameIsPlayedToTheWinThroughTheScreen()
    {
        TestEnv env(eightWordStore());
        registerConcentrationScreens(screens());
        Shared.CurrentList = "Eight";
        auto *screen = qobject_cast<Concentration *>(screens().show(ScreenId::Concentration));
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QString("Concentration"));

        // A list of exactly 8 words deals all of them, faces down.
        QSet<QString> onBoard;
        for (int p = 0; p < CardCount; ++p) {
            onBoard.insert(screen->CardLabel[p]->text());
            QVERIFY(screen->CardLabel[p]->isHidden());
            QVERIFY(!screen->Image1[p]->isHidden());
        }
        for (int i = 1; i <= 8; ++i) {
            QVERIFY(onBoard.contains(QStringLiteral("word%1").arg(i)));
            QVERIFY(onBoard.contains(QStringLiteral("meaning%1").arg(i)));
        }

        // Two words: no match; further clicks wait for the button.
        const int w1 = positionOf(screen, 1, true), w2 = positionOf(screen, 2, true);
        clickCard(screen, w1);
        QVERIFY(!screen->CardLabel[w1]->isHidden());
        QVERIFY(screen->FeedbackButton->isHidden());
        clickCard(screen, w2);
        QCOMPARE(screen->FeedbackButton->text(), QString("Try Again..."));
        QVERIFY(!screen->FeedbackButton->isHidden());
        QCOMPARE(screen->Tries->text(), QString("Tries:  1"));
        const int m3 = positionOf(screen, 3, false);
        clickCard(screen, m3);
        QVERIFY(screen->CardLabel[m3]->isHidden());
        QTest::mouseClick(screen->FeedbackButton, Qt::LeftButton);
        QVERIFY(screen->CardLabel[w1]->isHidden() && screen->CardLabel[w2]->isHidden());
        QVERIFY(!screen->Image1[w1]->isHidden());
        QVERIFY(screen->FeedbackButton->isHidden());

        for (int i = 0; i < 5; ++i)
            screen->Timer1_Timer();
        QCOMPARE(screen->TimeLabel->text(), QString("Time:  5"));

        for (int pair = 1; pair <= 7; ++pair) {
            const int word = positionOf(screen, pair, true), meaning = positionOf(screen, pair, false);
            clickCard(screen, meaning);
            clickCard(screen, word);
            QCOMPARE(screen->FeedbackButton->text(), QString("Match!"));
            // Enter on the focused button ends the turn.
            QTest::keyClick(screen->FeedbackButton, Qt::Key_Return);
            QVERIFY(screen->Image1[word]->isHidden() && screen->CardLabel[word]->isHidden());
            QVERIFY(screen->Image1[meaning]->isHidden() && screen->CardLabel[meaning]->isHidden());
        }
        QCOMPARE(screen->Tries->text(), QString("Tries:  8"));

        // The eighth match empties the board at once and stops the clock.
        clickCard(screen, positionOf(screen, 8, true));
        clickCard(screen, positionOf(screen, 8, false));
        QCOMPARE(screen->FeedbackButton->text(), QString("You Win!"));
        for (int p = 0; p < CardCount; ++p)
            QVERIFY(screen->Image1[p]->isHidden() && screen->CardLabel[p]->isHidden());
        QVERIFY(!screen->WinLabel->isHidden());
        QCOMPARE(screen->WinLabel->text(), QString("Congratulations!"));
        QVERIFY(!screen->WinImage->isHidden());
        screen->Timer1_Timer();
        QCOMPARE(screen->TimeLabel->text(), QString("Time:  5"));
        QVERIFY(env.takeSounds().isEmpty());

        // "You Win!" leads to the games menu.
        QTest::mouseClick(screen->FeedbackButton, Qt::LeftButton);
        QVERIFY(!screens().exists(ScreenId::Concentration));
    }

    void aListThatShrankBelowEightIsRefusedWithoutAGame()
    {
        TestEnv env(eightWordStore());
        registerConcentrationScreens(screens());
        Shared.CurrentList = "Short";
        screens().show(ScreenId::Concentration);
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].text, QString("You must have at least 8 words on a list to play Concentration!"));
        QCOMPARE(env.messages[0].title, QString("Hey!"));
        settle();
        QVERIFY(!screens().exists(ScreenId::Concentration));
    }

    void menusLeaveTheGame()
    {
        TestEnv env(eightWordStore());
        registerConcentrationScreens(screens());
        Shared.CurrentList = "Eight";
        auto *screen = qobject_cast<Concentration *>(screens().show(ScreenId::Concentration));
        screen->Back2_Click();
        QVERIFY(screens().isShown(ScreenId::First));
        QVERIFY(!screens().exists(ScreenId::Concentration));

        screen = qobject_cast<Concentration *>(screens().show(ScreenId::Concentration));
        screen->Form_Terminate();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(ConcentrationScreenTest)
#include "test_concentration_screen.moc"

// links: lingo_concentration
#include "games/concentration/Concentration.h"
#include "games/concentration/ConcentrationScreens.h"

#include "app/ClickLabel.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

Concentration *showGame(const QString &list)
{
    registerConcentrationScreens(screens());
    Shared.CurrentList = list;
    return qobject_cast<Concentration *>(screens().show(ScreenId::Concentration));
}

QByteArray store()
{
    QStringList lines{"Short", "a", "b", "<New List>", "Eight"};
    for (const QString &n : numbered("", 8))
        lines << "word" + n << "meaning" + n;
    return TestEnv::lines(lines);
}

// Clicks the card of `pair`'s word or meaning and returns its position.
int clickCard(Concentration *screen, int pair, bool word)
{
    for (int p = 0; p < CardCount; ++p) {
        if (screen->game()->card(p).pairOf == pair && screen->game()->card(p).isWord == word) {
            click(screen->Image1[p]);
            return p;
        }
    }
    qFatal("no card of pair %d", pair);
}

bool faceUp(Concentration *screen, int p)
{
    return !screen->CardLabel[p]->isHidden();
}

} // namespace

class ConcentrationScreenTest : public QObject {
    Q_OBJECT

private slots:
    void gameIsPlayedToTheWinThroughTheScreen()
    {
        TestEnv env(store());
        auto *screen = showGame("Eight");
        QVERIFY(screen);
        for (int p = 0; p < CardCount; ++p)
            QVERIFY(!faceUp(screen, p) && !screen->Image1[p]->isHidden());

        // Two words: no match; a third card waits for the button.
        const int w1 = clickCard(screen, 1, true);
        QVERIFY(faceUp(screen, w1) && screen->FeedbackButton->isHidden());
        const int w2 = clickCard(screen, 2, true);
        QCOMPARE(screen->FeedbackButton->text(), QString("Try Again..."));
        QVERIFY(faceUp(screen, w2) && !screen->FeedbackButton->isHidden());
        QCOMPARE(screen->Tries->text(), QString("Tries:  1"));
        QVERIFY(!faceUp(screen, clickCard(screen, 3, false)));
        click(screen->FeedbackButton);
        for (int p = 0; p < CardCount; ++p)
            QVERIFY(!faceUp(screen, p) && !screen->Image1[p]->isHidden());
        QVERIFY(screen->FeedbackButton->isHidden());

        for (int i = 0; i < 5; ++i)
            screen->Timer1_Timer();
        QCOMPARE(screen->TimeLabel->text(), QString("Time:  5"));

        for (int pair = 1; pair <= 7; ++pair) {
            clickCard(screen, pair, false);
            clickCard(screen, pair, true);
            QCOMPARE(screen->FeedbackButton->text(), QString("Match!"));
            QTest::keyClick(screen->FeedbackButton, Qt::Key_Return); // Enter on the focused button
        }
        QCOMPARE(screen->Tries->text(), QString("Tries:  8"));

        // The eighth match empties the board (that the clock stops: test_concentration_rules).
        clickCard(screen, 8, true);
        clickCard(screen, 8, false);
        QCOMPARE(screen->FeedbackButton->text(), QString("You Win!"));
        for (int p = 0; p < CardCount; ++p)
            QVERIFY(screen->Image1[p]->isHidden() && !faceUp(screen, p));
        QCOMPARE(screen->WinLabel->text(), QString("Congratulations!"));
        QVERIFY(!screen->WinLabel->isHidden() && !screen->WinImage->isHidden());
        QVERIFY(env.takeSounds().isEmpty());

        click(screen->FeedbackButton); // "You Win!" leads to the games menu
        QVERIFY(!screens().exists(ScreenId::Concentration));
    }

    void menusLeaveTheGameAndAShortListIsRefused()
    {
        TestEnv env(store());
        showGame("Eight")->Back2_Click();
        QVERIFY(screens().isShown(ScreenId::First) && !screens().exists(ScreenId::Concentration));

        // A list that shrank below eight words since the menu checked it.
        showGame("Short");
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].text, QString("You must have at least 8 words on a list to play Concentration!"));
        QCOMPARE(env.messages[0].title, QString("Hey!"));
        settle();
        QVERIFY(!screens().exists(ScreenId::Concentration));

        showGame("Eight")->Form_Terminate();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(ConcentrationScreenTest)
#include "test_concentration_screen.moc"

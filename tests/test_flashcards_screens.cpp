// links: lingo_flashcards
#include "app/ClickLabel.h"
#include "app/ScreenManager.h"
#include "app/SoundSwitch.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"
#include "flashcards/FlashcardScreens.h"
#include "flashcards/Main.h"
#include "flashcards/frmTitle.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString EndText = QStringLiteral("That's the end of the list!");

Main *openViewer(int order, int side, const QString &list = "Animals", const QString &letter = QString())
{
    Shared.CurrentList = list;
    Shared.CardOrder = std::int16_t(order);
    Shared.CardSide = std::int16_t(side);
    Shared.StartLetter = letter;
    return qobject_cast<Main *>(screens().show(ScreenId::Main));
}

QStringList captions(Main *m)
{
    return {m->viewer().wordCaption(), m->viewer().meaningCaption()};
}

} // namespace

class FlashcardScreensTest : public QObject {
    Q_OBJECT

private slots:
    void optionsScreenChecksBeforeBeginning()
    {
        TestEnv env;
        registerFlashcardScreens(screens());
        auto *f = qobject_cast<frmTitle *>(screens().show(ScreenId::frmTitle));
        QVERIFY(f);

        // No list: the reminder and a beep, and nothing is left to preselect.
        click(f->Begin);
        settle(); // the reminder beeps once it is painted
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(screens().isShown(ScreenId::ChooseAList));
        QCOMPARE(Shared.ListChoice, -1);
        QVERIFY(Shared.CurrentList.isEmpty() && !screens().exists(ScreenId::Main));

        // The texts beside the option buttons choose them.
        click(f->Label3[3]);
        QVERIFY(f->Option2->isChecked());
        QCOMPARE(Shared.CardOrder, 3);
        QVERIFY(f->Letter->isVisible());
        click(f->Label3[7]);
        QVERIFY(f->Option6->isChecked());
        QCOMPARE(Shared.CardSide, 2);

        // Starting letter order with the letter empty: both complaints without a list.
        click(f->Begin);
        settle();
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages.last().text, QString("You need to choose a starting letter!"));
        QCOMPARE(env.messages.last().title, QString("Hey!"));

        f->TheLists->setCurrentRow(1);
        click(f->Begin);
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.takeSounds(), QStringList{});
        QCOMPARE(Shared.ListChoice, 1);
        QCOMPARE(Shared.CurrentList, QString("Colours"));
        QVERIFY(!screens().exists(ScreenId::Main));

        // Random leaves the letter box up; its text is then ignored.
        click(f->Label3[4]);
        QVERIFY(f->Option3->isChecked());
        QCOMPARE(Shared.CardOrder, 2);
        QVERIFY(f->Letter->isVisible());
        click(f->Begin);
        settle();
        QCOMPARE(env.messages.size(), 2);
        QVERIFY(screens().exists(ScreenId::Main) && !screens().exists(ScreenId::frmTitle));
    }

    void viewerControlsStepTheDeck()
    {
        TestEnv env;
        registerFlashcardScreens(screens());
        Main *m = openViewer(1, 1);
        QCOMPARE(m->Label1->text(), QString("Total cards available in this set:  3"));
        // The first card carries both captions; the meaning stays under its cover.
        QCOMPARE(captions(m), (QStringList{"cat", "gato"}));
        QCOMPARE(m->TheDefinition->height(), 0);
        QCOMPARE(m->Gimme->text(), QString("Show the Meaning"));
        QVERIFY(m->Backhand->isHidden() && m->BackLabel->isHidden());

        click(m->Label2);
        QCOMPARE(captions(m), (QStringList{"dog", ""}));
        QCOMPARE(Shared.CardPosition, 2);
        QVERIFY(m->BackLabel->isVisible() && m->Backhand->isVisible());
        click(m->BackLabel);
        QCOMPARE(captions(m), (QStringList{"cat", ""}));
        click(m->Backhand);
        click(m->BackLabel); // before the first card: the beep
        QCOMPARE(captions(m), (QStringList{EndText, EndText}));
        QCOMPARE(env.takeSounds(), QStringList{"beep"});

        for (int i = 0; i < 5; ++i)
            click(m->Image1);
        click(m->BackLabel);
        QCOMPARE(captions(m), (QStringList{"horse", ""}));
        click(m->Gimme);
        QCOMPARE(captions(m), (QStringList{"horse", "caballo"}));
        QCOMPARE(Shared.CurrentMeaning, QString("caballo"));
        QCOMPARE(env.takeSounds(), QStringList{}); // the viewer's switch starts off, though the sound is on

        // A starting letter no word has: beep, the notice, then the second card.
        screens().close(ScreenId::Main);
        settle();
        m = openViewer(3, 1, "Animals", "q");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(captions(m), (QStringList{"(No words in this list start with q!)", ""}));
        // With the switch on, only the next card and the reveal turn a page.
        m->soundSwitch()->SoundOn_Click();
        QCOMPARE(visibleCaption(m->soundSwitch()->action()->text()), QString("Sound Effects-- On"));
        click(m->Label2);
        QCOMPARE(captions(m), (QStringList{"dog", ""}));
        QCOMPARE(env.takeSounds(), QStringList{"pageturn.wav"});
        click(m->Gimme);
        QCOMPARE(env.takeSounds(), QStringList{"pageturn.wav"});
        click(m->Image1);
        click(m->BackLabel);
        click(m->Backhand);
        QCOMPARE(env.takeSounds(), QStringList{});
    }

    void aVisitThroughTheScreensByRealClicks()
    {
        TestEnv env;
        registerFlashcardScreens(screens());
        click(findButton(screens().show(ScreenId::First), "Flash Cards"));
        settle();
        QVERIFY(!screens().exists(ScreenId::First));
        auto *f = screens().find<frmTitle>(ScreenId::frmTitle);
        QVERIFY(f && f->isVisible());

        QListWidget *lists = f->TheLists;
        QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(lists->item(1)).center());
        click(f->Label3[7]);
        click(f->Begin);
        settle();
        auto *m = screens().find<Main>(ScreenId::Main);
        QVERIFY(m && m->isVisible());
        QCOMPARE(Shared.CurrentList, QString("Colours"));
        QCOMPARE(captions(m), (QStringList{"blue", "azul"}));

        // The meaning half opens on the screen's own timer and comes to rest.
        QTRY_COMPARE_WITH_TIMEOUT(m->TheDefinition->height(), tw(2000), 3000);
        QCOMPARE(m->TheWord->height(), 0);

        click(m->Label2);
        QCOMPARE(captions(m), (QStringList{"", "rojo"}));
        QCOMPARE(m->TheDefinition->height(), 0); // covered again, to open anew

        // Back to the options: a fresh screen that keeps only the list choice.
        triggerMenu(m, "Back to the Flash Card Options");
        settle();
        f = screens().find<frmTitle>(ScreenId::frmTitle);
        QVERIFY(f && f->isVisible());
        QVERIFY(f->Option1->isChecked() && f->Option4->isChecked());
        QVERIFY(Shared.CardOrder == 1 && Shared.CardSide == 1 && f->Letter->isHidden());
        QCOMPARE(f->TheLists->currentRow(), 1);

        triggerMenu(f, "Back to Main Screen");
        settle();
        QVERIFY(screens().isShown(ScreenId::First) && !screens().exists(ScreenId::frmTitle));

        // Leaving the viewer by its Quit button returns to the main menu;
        // closing it from the title bar ends the program.
        m = openViewer(1, 1);
        click(m->Command1);
        settle();
        QVERIFY(!screens().exists(ScreenId::Main) && screens().isShown(ScreenId::First) && !env.programEnded());
        m = openViewer(1, 1);
        m->close();
        QVERIFY(env.programEnded());
    }
};

QTEST_MAIN(FlashcardScreensTest)
#include "test_flashcards_screens.moc"

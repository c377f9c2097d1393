// links: lingo_gamesmenu lingo_hangman
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "games/GameOption.h"
#include "games/GamesMenuScreens.h"
#include "games/hangman/HangmanScreens.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray store()
{
    QStringList lines{"seven"};
    for (int i = 1; i <= 7; ++i)
        lines << QStringLiteral("w%1").arg(i) << QStringLiteral("m%1").arg(i);
    lines << "<New List>" << "Eight";
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("w%1").arg(i) << QStringLiteral("m%1").arg(i);
    lines << "<New List>" << "Animals" << "dog" << "perro";
    return TestEnv::lines(lines);
}

GameOption *openMenu()
{
    registerGamesMenuScreens(screens());
    registerHangmanScreens(screens());
    // Concentration is built elsewhere; a bare screen stands in for it.
    screens().registerScreen(ScreenId::Concentration, [] { return new Screen(ScreenId::Concentration); });
    return qobject_cast<GameOption *>(screens().show(ScreenId::GameOption));
}

// The leftmost column of a list row where its text is drawn.
int firstInkColumn(QListWidget *list, int row)
{
    const QImage image = list->viewport()->grab(list->visualItemRect(list->item(row))).toImage();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).lightness() < 128)
                return x;
    return -1;
}

} // namespace

class GamesMenuTest : public QObject {
    Q_OBJECT

private slots:
    // Names in any script, one collation; an Arabic or Hebrew name starts
    // at the right edge, the others at the left as always.
    void namesOfEveryScriptSortedAndReadInTheirDirection()
    {
        TestEnv env(TestEnv::utf8Lines({"Русский", "кот", "cat", "<New List>", "العربية", "قط", "cat", "<New List>",
                                        "Ελληνικά", "γάτα", "cat", "<New List>", "animals", "dog", "perro",
                                        "<New List>", "Ёлки", "ёж", "hedgehog"}));
        GameOption *menu = openMenu();
        QCOMPARE(rows(menu->TheLists), (QStringList{"animals", "Ελληνικά", "Ёлки", "Русский", "العربية"}));
        const int half = menu->TheLists->viewport()->width() / 2;
        QVERIFY(firstInkColumn(menu->TheLists, 3) < 10);
        QVERIFY(firstInkColumn(menu->TheLists, 4) > half);
    }

    void listsAreSortedAndTheLastChoiceIsPreselected()
    {
        TestEnv env(store());
        Shared.ListChoice = 2;
        GameOption *menu = openMenu();
        QCOMPARE(menu->TheLists->item(0)->text(), QStringLiteral("Animals"));
        QCOMPARE(menu->TheLists->item(2)->text(), QStringLiteral("seven"));
        QCOMPARE(menu->TheLists->currentRow(), 2);
        screens().close(ScreenId::GameOption);

        Shared.ListChoice = 0; // the first entry is never preselected
        menu = openMenu();
        QVERIFY(menu->TheLists->selectedItems().isEmpty());
    }

    // The reminder's beep and cleared choice: test_flashcards_screens (the same takeListChoice).
    void gamesNeedAListAndConcentrationEightWords()
    {
        TestEnv env(store());
        GameOption *menu = openMenu();
        click(menu->Command1);
        QVERIFY(screens().isShown(ScreenId::ChooseAList));
        QVERIFY(screens().exists(ScreenId::GameOption) && !screens().exists(ScreenId::Hangman));

        menu->TheLists->setCurrentRow(2); // seven
        click(menu->Command4);
        QCOMPARE(env.messages.size(), 1); // the wording is checked with the game screen
        QVERIFY(screens().exists(ScreenId::GameOption) && !screens().exists(ScreenId::Concentration));
        QCOMPARE(menu->TheLists->currentRow(), 2);

        menu->TheLists->setCurrentRow(1); // Eight
        click(menu->Command4);
        settle();
        QVERIFY(screens().isShown(ScreenId::Concentration) && !screens().exists(ScreenId::GameOption));
        QCOMPARE(Shared.WordCount, 8);
        QCOMPARE(Shared.ListChoice, 1);

        menu = openMenu();
        menu->TheLists->setCurrentRow(0);
        click(menu->Command1);
        settle();
        QVERIFY(screens().isShown(ScreenId::Hangman) && !screens().exists(ScreenId::GameOption));
        QCOMPARE(Shared.CurrentList, QStringLiteral("Animals"));
        QCOMPARE(Shared.CurrentWord, QStringLiteral("dog"));
    }
};

QTEST_MAIN(GamesMenuTest)
#include "test_games_menu.moc"

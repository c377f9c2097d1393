#include "GameOption.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// Concentration deals the words and meanings of eight pairs.
constexpr int ConcentrationMinimumWords = 8;

QLabel *picture(QWidget *parent, const QString &fileName)
{
    auto *image = new QLabel(parent);
    image->setPixmap(appPicture(fileName));
    image->setScaledContents(true);
    return image;
}

} // namespace

GameOption::GameOption()
    : Screen(ScreenId::GameOption)
{
    setWindowTitle(tr("Lingo-Spark Game Options"));
    setClientSizeTwips(8400, 5520);

    QLabel *Image5 = picture(area(), QStringLiteral("deco1.png"));
    QLabel *Image6 = picture(area(), QStringLiteral("deco2.png"));
    placeTw(Image5, 360, 120, 900, 680);
    placeTw(Image6, 7140, 120, 900, 680);
    auto *Label1 = new QLabel(tr("Lingo-Spark Games"), area());
    placeTw(Label1, 1320, 120, 5760, 680);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 22);
    Label1->setStyleSheet(QStringLiteral("color: #1d3c78;"));

    auto *Label2 = new QLabel(tr("Choose a list:"), area());
    placeTw(Label2, 480, 1020, 3120, 375);
    setPointSize(Label2, 11);
    TheLists = new QListWidget(area());
    TheLists->setAccessibleName(Label2->text());
    placeTw(TheLists, 480, 1440, 3120, 3000);
    setPointSize(TheLists, 11, false);

    auto *Frame1 = new QGroupBox(tr("Choose a Game:"), area());
    placeTw(Frame1, 3960, 960, 4080, 3480);
    setPointSize(Frame1, 11);
    struct Row {
        QPushButton **button;
        QString caption;
        QString pictureFile;
        void (GameOption::*handler)();
    };
    const Row rows[] = {
        {&Command1, tr("Hangman"), QStringLiteral("game_hangman.png"), &GameOption::Command1_Click},
        {&Command2, tr("Scramble"), QStringLiteral("game_scramble.png"), &GameOption::Command2_Click},
        {&Command4, tr("Concentration"), QStringLiteral("game_concentration.png"),
         &GameOption::Command4_Click},
        {&Command5, tr("Word Zap!"), QStringLiteral("game_zap.png"), &GameOption::Command5_Click},
    };
    int top = 390;
    for (const Row &row : rows) {
        QLabel *image = picture(Frame1, row.pictureFile); // Image1 to Image4
        placeTw(image, 240, top, 660, 660);
        auto *button = new QPushButton(row.caption, Frame1);
        placeTw(button, 1080, top + 90, 2760, 495);
        setPointSize(button, 11);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, row.handler);
        *row.button = button;
        top += 750;
    }

    Command3 = new QPushButton(tr("Back To Main Screen"), area());
    placeTw(Command3, 480, 4740, 3120, 495);
    Command3->setAutoDefault(true);
    connect(Command3, &QPushButton::clicked, this, &GameOption::Command3_Click);

    QMenu *go = CommonMenus::go(menuBar());
    CommonMenus::backToMainScreen(go, [this] { Back1_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);
}

void GameOption::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    fillListChooser(TheLists);
}

void GameOption::startGame(ScreenId game)
{
    if (!takeListChoice(TheLists))
        return;
    // The game loads the list itself while this menu still exists.
    screens().show(game);
    screens().close(ScreenId::GameOption);
}

void GameOption::Command1_Click()
{
    startGame(ScreenId::Hangman);
}

void GameOption::Command2_Click()
{
    startGame(ScreenId::Scramble);
}

void GameOption::Command5_Click()
{
    startGame(ScreenId::ZapOptions);
}

void GameOption::Command4_Click()
{
    if (!takeListChoice(TheLists))
        return;
    LoadList();
    if (Shared.WordCount < ConcentrationMinimumWords) {
        heyMessage(tr("You must have at least 8 words on a list to play Concentration!"), this);
        return;
    }
    screens().show(ScreenId::Concentration);
    screens().close(ScreenId::GameOption);
}

void GameOption::Command3_Click()
{
    screens().show(ScreenId::First);
    screens().close(ScreenId::GameOption);
}

void GameOption::Back1_Click()
{
    Command3_Click();
}

void GameOption::Form_Terminate()
{
    screens().endProgram();
}

#include "Manager.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/ScreenManager.h"
#include "app/UntitledMenu.h"
#include "app/Twips.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

QPushButton *taskButton(QWidget *parent, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    placeTw(button, left, top, 3120, 615);
    setPointSize(button, 11);
    button->setAutoDefault(true);
    return button;
}

} // namespace

Manager::Manager()
    : Screen(ScreenId::Manager)
{
    setWindowTitle(tr("Lingo-Spark Teacher Management"));
    setClientSizeTwips(7080, 5160);

    Label1 = makeLabel(area(), tr("Lingo-SPARK Teacher Management"));
    placeTw(Label1, 240, 180, 6600, 960);
    Label1->setAlignment(Qt::AlignCenter);
    setPointSize(Label1, 16);
    Label1->setStyleSheet(QStringLiteral("color: #1d3c78;"));

    // Tab order follows creation: left column, then right column.
    Command1 = taskButton(area(), tr("Create New Word List"), 360, 1320);
    command4 = taskButton(area(), tr("View / Edit Word List"), 360, 2160);
    Command2 = taskButton(area(), tr("Delete Word List"), 360, 3000);
    Command3 = taskButton(area(), tr("Change Password"), 3600, 1320);
    Command5 = taskButton(area(), tr("Sound Options"), 3600, 2160);
    QuitButton = taskButton(area(), tr("Quit List Management"), 3600, 3000);
    connect(Command1, &QPushButton::clicked, this, &Manager::Command1_Click);
    connect(command4, &QPushButton::clicked, this, &Manager::command4_Click);
    connect(Command2, &QPushButton::clicked, this, &Manager::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Manager::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Manager::Command5_Click);
    connect(QuitButton, &QPushButton::clicked, this, &Manager::QuitButton_Click);

    makePicture(area(), QStringLiteral("deco1.png"), twRect(600, 3960, 1200, 900));
    makePicture(area(), QStringLiteral("deco2.png"), twRect(5280, 3960, 1200, 900));

    QMenu *Go = CommonMenus::go(menuBar());
    addMenuItem(Go, tr("Exit List Management"), [this] { Exit_Click(); });
    CommonMenus::quit(Go);
    QMenu *Lists = addMenu(tr("Lists"));
    addMenuItem(Lists, tr("Import a List..."), [this] { ImportList_Click(); });
    addMenuItem(Lists, tr("Export a List..."), [this] { ExportList_Click(); });
    addMenuItem(Lists, tr("Print a List..."), [this] { PrintList_Click(); });
    addMenuItem(Lists, tr("Languages of a List..."), [this] { LanguagesOfAList_Click(); });
    addMenuItem(Lists, tr("Class Progress..."), [this] { ClassProgress_Click(); });
    QMenu *Speech = CommonMenus::speech(menuBar());
    addMenuItem(Speech, tr("Speech for Pupils..."), [this] { SpeechForPupils_Click(); });
    // The About menu has no title of its own: a blank space in the menu bar
    // that still opens when clicked or reached with the keyboard.
    QMenu *Fil1 = addMenu(QStringLiteral("     "));
    nameUntitledMenu(Fil1, tr("About"));
    CommonMenus::about(Fil1, CommonMenus::AboutCase::thisProgram);
}

void Manager::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
}

void Manager::handOverTo(ScreenId next)
{
    // A task screen that cannot be opened leaves the menu in place rather
    // than the teacher with no window at all.
    if (screens().show(next))
        screens().close(ScreenId::Manager);
}

void Manager::Command1_Click()
{
    handOverTo(ScreenId::CreateList);
}

void Manager::Command2_Click()
{
    handOverTo(ScreenId::DeleteList);
}

void Manager::Command3_Click()
{
    screens().show(ScreenId::ChangePassword);
}

void Manager::command4_Click()
{
    handOverTo(ScreenId::EditChooseList);
}

void Manager::Command5_Click()
{
    screens().show(ScreenId::SoundOptions);
}

void Manager::QuitButton_Click()
{
    screens().close(ScreenId::Manager);
    screens().show(ScreenId::First);
}

void Manager::Exit_Click()
{
    QuitButton_Click();
}

void Manager::ImportList_Click()
{
    handOverTo(ScreenId::ImportList);
}

void Manager::ExportList_Click()
{
    handOverTo(ScreenId::ExportList);
}

void Manager::PrintList_Click()
{
    handOverTo(ScreenId::PrintList);
}

void Manager::LanguagesOfAList_Click()
{
    handOverTo(ScreenId::LanguagesOfAList);
}

void Manager::ClassProgress_Click()
{
    handOverTo(ScreenId::ClassProgress);
}

void Manager::SpeechForPupils_Click()
{
    screens().show(ScreenId::SpeechForPupils);
}

void Manager::Form_Terminate()
{
    screens().endProgram();
}

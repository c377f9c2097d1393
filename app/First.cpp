#include "First.h"

#include "BuiltInPictures.h"
#include "CommonMenus.h"
#include "Controls.h"
#include "Picture.h"
#include "ScreenManager.h"
#include "Sound.h"
#include "Twips.h"
#include "core/ListStore.h"
#include "core/SettingsFile.h"
#include "core/SharedState.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

// Colours set through the palette rather than a style sheet: the first style
// sheet of the program would bring Qt's style-sheet engine into the start.
void setColours(QLabel *label, const QColor &text, const QColor &background = Qt::transparent)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, background);
    label->setPalette(pal);
    label->setAutoFillBackground(background.alpha() > 0);
}

QPushButton *menuButton(QWidget *parent, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    placeTw(button, left, top, 2415, 615);
    setPointSize(button, 12);
    button->setAutoDefault(true);
    return button;
}

} // namespace

First::First()
    : Screen(ScreenId::First)
{
    setWindowTitle(QStringLiteral("Lingo-Spark")); // the program's name, the same in every language
    // The background is stretched over the whole client area.
    setClientSizeTwips(FirstBackground.widthTwips, FirstBackground.heightTwips);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &First::Timer1_Timer);

    // The title animation spells the program's name, the same in every language.
    Label1 = new QLabel(QStringLiteral("Lingo"), area());
    Label2 = new QLabel(QStringLiteral("Spark"), area());
    for (QLabel *label : {Label1, Label2}) {
        setPointSize(label, 40);
        setColours(label, QColor(0xff, 0xd7, 0x5e));
    }
    // The halves sit at the outer ends of their labels, so the spark that
    // slides down between them never covers a letter.
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Light = new QLabel(area());
    Light->setScaledContents(true);
    Light->setAccessibleName(QStringLiteral("Spark"));

    Command1 = menuButton(area(), tr("Flash Cards"), 960, 2640);
    Command2 = menuButton(area(), tr("Quiz Me!"), 3705, 2640);
    command4 = menuButton(area(), tr("Games"), 960, 3480);
    Command3 = menuButton(area(), tr("Quit"), 3705, 3480);
    connect(Command1, &QPushButton::clicked, this, &First::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &First::Command2_Click);
    connect(command4, &QPushButton::clicked, this, &First::command4_Click);
    connect(Command3, &QPushButton::clicked, this, &First::Command3_Click);

    Label4 = new QLabel(tr("No Lists Available!"), area());
    placeTw(Label4, 960, 2640, 2415, 615);
    setPointSize(Label4, 12);
    Label4->setAlignment(Qt::AlignCenter);
    setColours(Label4, Qt::white, QColor(0, 0, 0, 90));
    Label4->hide();

    QAction *manage = menuBar()->addAction(tr("Teacher Management"));
    QAction *filler = menuBar()->addAction(QStringLiteral("     "));
    filler->setEnabled(false);
    CommonMenus::about(menuBar());
    // After the design's own items, so they stay where pupils and teachers know them.
    QMenu *myWords = CommonMenus::myWords(menuBar());
    addMenuItem(myWords, tr("My Progress..."), [this] { MyProgress_Click(); });
    connect(manage, &QAction::triggered, this, &First::Manage_Click);

    placeAnimated();
}

void First::Form_Load()
{
    setBackgroundPicture(QString::fromLatin1(FirstBackground.fileName));
    m_lightPicture = PictureLoad(QString::fromLatin1(FirstSpark.fileName), Light->size(), Light->devicePixelRatioF());
    m_lightLoaded = false;
    const auto settings = ReadSettingsLines();
    Shared.SoundFlag = settings && soundLineIsOn(*settings) ? 1 : 0;

    if (StoreIsEmpty()) {
        Command1->hide();
        Command2->hide();
        command4->hide();
        Label4->show();
    }
    // A "1 ms" timer: it ticks as often as the display refreshes, so the
    // slide is seen rather than over before the first paint.
    Timer1->start(16);
}

void First::placeAnimated()
{
    placeTw(Light, 3360, m_animation.lightTop, FirstSpark.widthTwips, FirstSpark.heightTwips);
    placeTw(Label1, m_animation.label1Left, 900, 3270, 1350);
    placeTw(Label2, m_animation.label2Left, 900, 2775, 1350);
}

void First::Timer1_Timer()
{
    // The spark starts almost wholly above the top edge, so the menu's first
    // frame goes without it: it is put in place on the first tick (a picture
    // that is not the built-in one is decoded on a worker thread meanwhile).
    if (!m_lightLoaded) {
        Light->setPixmap(m_lightPicture.take(Light->size(), Light->devicePixelRatioF()));
        m_lightLoaded = true;
    }
    const bool ended = m_animation.tick();
    placeAnimated();
    if (!ended)
        return;
    Timer1->stop();
    if (Shared.SoundFlag == 1) {
        repaint(); // the final frame is seen while the thunder plays
        PlaySound(QStringLiteral("thunder2.wav"));
    }
}

void First::Command1_Click()
{
    screens().show(ScreenId::frmTitle);
    screens().close(ScreenId::First);
}

void First::Command2_Click()
{
    screens().show(ScreenId::QuizOptions);
    screens().close(ScreenId::First);
}

void First::command4_Click()
{
    screens().show(ScreenId::GameOption);
    screens().close(ScreenId::First);
}

void First::Command3_Click()
{
    screens().endProgram();
}

void First::Manage_Click()
{
    screens().show(ScreenId::PasswordForm);
}

void First::MyProgress_Click()
{
    screens().show(ScreenId::MyProgress);
    screens().close(ScreenId::First);
}

void First::Form_Terminate()
{
    screens().endProgram();
}

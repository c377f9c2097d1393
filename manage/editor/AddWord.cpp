#include "AddWord.h"

#include "ListEntries.h"

#include "app/Controls.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

AddWord::AddWord()
    : EditorDialog(ScreenId::AddWord)
{
    setWindowTitle(tr("Add A Word To This List"));
    setClientSizeTwips(6480, 4440);

    QLabel *Label1 = makeLabel(area(), tr("Word:"));
    placeTw(Label1, 240, 240, 3960, 285);
    Text1 = new QLineEdit(area());
    Text1->setAccessibleName(tr("Word"));
    placeTw(Text1, 240, 540, 3720, 375);
    QLabel *Label2 = makeLabel(area(), tr("Meaning:"));
    placeTw(Label2, 240, 1080, 3960, 285);
    Text2 = new QLineEdit(area());
    Text2->setAccessibleName(tr("Meaning"));
    placeTw(Text2, 240, 1380, 3720, 375);
    connect(Text2, &QLineEdit::returnPressed, this, &AddWord::Command1_Click);

    Command1 = new QPushButton(tr("Add Word"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    Command3 = new QPushButton(tr("Foreign Characters..."), area());
    placeTw(Command1, 4080, 540, 2160, 495);
    placeTw(Command2, 4080, 1140, 2160, 495);
    placeTw(Command3, 4080, 1740, 2160, 495);
    for (QPushButton *button : {Command1, Command2, Command3})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AddWord::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AddWord::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &AddWord::Command3_Click);

    panel.build(area(), 240, 2400, 6000);
    connect(panel.LScroll, &QScrollBar::valueChanged, this, &AddWord::LScroll_Change);
    for (int index : {0, 1})
        connect(panel.FLButton[index], &QPushButton::clicked, this, [this, index] { FLButton_Click(index); });

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
}

void AddWord::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Shared.CurrentWord.clear();
    Shared.CurrentMeaning.clear();
    panel.showPickedCharacter();
    Text1->setFocus();
}

void AddWord::Command1_Click()
{
    if (m_done)
        return;
    if (Text1->text().isEmpty() || Text2->text().isEmpty()) {
        Beep();
        return;
    }
    if (pairRefused(Text1, Text2))
        return;
    Shared.CurrentWord = takenText(Text1->text());
    Shared.CurrentMeaning = takenText(Text2->text());
    Shared.CardSide = 1;
    finish();
}

void AddWord::Command2_Click()
{
    cancel();
}

void AddWord::Command3_Click()
{
    panel.Frame1->show();
    Command3->hide();
}

void AddWord::LScroll_Change()
{
    panel.showPickedCharacter();
}

void AddWord::FLButton_Click(int index)
{
    QLineEdit *box = index == 0 ? Text1 : Text2;
    box->setText(box->text() + panel.picked());
}

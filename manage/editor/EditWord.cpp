#include "EditWord.h"

#include "ListEntries.h"

#include "app/Controls.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

EditWord::EditWord()
    : EditorDialog(ScreenId::EditWord)
{
    setWindowTitle(tr("Edit"));
    setClientSizeTwips(5400, 2760);

    QLabel *wordCaption = makeLabel(area(), tr("Word:"));
    placeTw(wordCaption, 240, 180, 4920, 285);
    TheWord = new QLineEdit(area());
    TheWord->setAccessibleName(tr("Word"));
    placeTw(TheWord, 240, 480, 4920, 375);
    QLabel *meaningCaption = makeLabel(area(), tr("Meaning:"));
    placeTw(meaningCaption, 240, 1020, 4920, 285);
    TheMeaning = new QLineEdit(area());
    TheMeaning->setAccessibleName(tr("Meaning"));
    placeTw(TheMeaning, 240, 1320, 4920, 375);
    connect(TheWord, &QLineEdit::returnPressed, TheMeaning, [this] { TheMeaning->setFocus(); });
    connect(TheMeaning, &QLineEdit::returnPressed, this, &EditWord::Command1_Click);

    Command1 = new QPushButton(tr("Done"), area());
    Command2 = new QPushButton(tr("Cancel"), area());
    placeTw(Command1, 1080, 2040, 1455, 495);
    placeTw(Command2, 2880, 2040, 1455, 495);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &EditWord::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &EditWord::Command2_Click);
}

void EditWord::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    TheWord->setText(Shared.CurrentWord);
    TheMeaning->setText(Shared.CurrentMeaning);
    TheWord->setFocus();
}

void EditWord::Command1_Click()
{
    if (m_done)
        return;
    // An empty word would end a deck early and could never be guessed.
    for (QLineEdit *box : {TheWord, TheMeaning}) {
        if (box->text().isEmpty()) {
            Beep();
            box->setFocus();
            return;
        }
    }
    if (pairRefused(TheWord, TheMeaning))
        return;
    Shared.CurrentWord = takenText(TheWord->text());
    Shared.CurrentMeaning = takenText(TheMeaning->text());
    Shared.WordEdited = 1;
    finish();
}

void EditWord::Command2_Click()
{
    cancel();
}

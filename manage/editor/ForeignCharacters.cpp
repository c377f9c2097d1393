#include "ForeignCharacters.h"

#include "app/Controls.h"
#include "app/Twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

void ForeignCharacters::build(QWidget *parent, int left, int top, int width)
{
    Frame1 = new QGroupBox(QCoreApplication::translate("ForeignCharacters", "Foreign Language Characters"), parent);
    placeTw(Frame1, left, top, width, 1800);

    LScroll = new QScrollBar(Qt::Horizontal, Frame1);
    LScroll->setRange(FirstCode, LastCode);
    LScroll->setSingleStep(1);
    LScroll->setPageStep(1);
    LScroll->setFocusPolicy(Qt::StrongFocus); // scroll bars take no Tab by default
    LScroll->setValue(FirstCode);
    LScroll->setAccessibleName(QCoreApplication::translate("ForeignCharacters", "Character"));
    placeTw(LScroll, 240, 480, width - 1680, 300);

    CharLabel = makeLabel(Frame1);
    CharLabel->setAlignment(Qt::AlignCenter);
    CharLabel->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray;"));
    setPointSize(CharLabel, 20);
    placeTw(CharLabel, width - 1200, 300, 960, 660);

    FLButton[0] = new QPushButton(QCoreApplication::translate("ForeignCharacters", "Add to word"), Frame1);
    FLButton[1] = new QPushButton(QCoreApplication::translate("ForeignCharacters", "Add to definition"), Frame1);
    const int buttonWidth = (width - 720) / 2;
    placeTw(FLButton[0], 240, 1140, buttonWidth, 495);
    placeTw(FLButton[1], 480 + buttonWidth, 1140, buttonWidth, 495);
    for (QPushButton *button : FLButton)
        button->setAutoDefault(true);

    showPickedCharacter();
    Frame1->hide();
}

void ForeignCharacters::showPickedCharacter()
{
    CharLabel->setText(picked());
}

QString ForeignCharacters::picked() const
{
    // Codes 191 to 255 are the same characters in Windows-1252 and Unicode.
    return QString(QChar(char16_t(LScroll->value())));
}

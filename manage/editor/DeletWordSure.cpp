#include "DeletWordSure.h"

#include "app/Controls.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"

#include <QLabel>
#include <QPushButton>

DeletWordSure::DeletWordSure()
    : EditorDialog(ScreenId::DeletWordSure)
{
    setWindowTitle(tr("Confirm Word Delete"));
    setClientSizeTwips(5400, 2280);

    Label1 = makeLabel(area());
    setPointSize(Label1, 11);
    Label1->setAlignment(Qt::AlignCenter);
    placeTw(Label1, 240, 240, 4920, 960);

    Command2 = new QPushButton(tr("Yes"), area());
    Command1 = new QPushButton(tr("No"), area());
    placeTw(Command2, 1080, 1440, 1455, 495);
    placeTw(Command1, 2880, 1440, 1455, 495);
    for (QPushButton *button : {Command2, Command1})
        button->setAutoDefault(true);
    connect(Command2, &QPushButton::clicked, this, &DeletWordSure::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &DeletWordSure::Command1_Click);
}

void DeletWordSure::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Label1->setText(tr("Are you sure you want to delete the word '%1' from this list?").arg(Shared.CurrentWord));
    Command2->setFocus();
}

void DeletWordSure::Command2_Click()
{
    if (m_done)
        return;
    Shared.DeleteConfirmed = 1;
    finish();
}

void DeletWordSure::Command1_Click()
{
    cancel();
}

void DeletWordSure::cancel()
{
    Shared.DeleteConfirmed = 0;
    EditorDialog::cancel();
}

#include "MakeNewList.h"

#include "ListEntries.h"
#include "ListEntryWords.h"
#include "ListSaves.h"

#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

MakeNewList::MakeNewList()
    : Screen(ScreenId::MakeNewList)
{
    setWindowTitle(tr("Make a New Vocabulatry List"));
    setClientSizeTwips(7200, 5160);

    ListNameLabel = makeLabel(area());
    setPointSize(ListNameLabel, 14);
    placeTw(ListNameLabel, 240, 120, 6720, 495);

    WordLabel = makeLabel(area());
    placeTw(WordLabel, 240, 720, 4200, 300);
    TheWord = new QLineEdit(area());
    TheWord->setAccessibleName(tr("Word"));
    placeTw(TheWord, 240, 1050, 4200, 375);

    QLabel *Label1 = makeLabel(area(), tr("The Meaning of This Word is:"));
    placeTw(Label1, 240, 1560, 4200, 300);
    TheMeaning = new QLineEdit(area());
    TheMeaning->setAccessibleName(tr("Meaning"));
    placeTw(TheMeaning, 240, 1890, 4200, 375);

    TotalWordsLabel = makeLabel(area());
    placeTw(TotalWordsLabel, 240, 2460, 4200, 300);

    Command2 = new QPushButton(tr("Add This Word"), area());
    Command1 = new QPushButton(tr("Finished"), area());
    Command3 = new QPushButton(tr("Foreign Characters..."), area());
    placeTw(Command2, 4680, 1050, 2280, 495);
    placeTw(Command1, 4680, 1680, 2280, 495);
    placeTw(Command3, 4680, 2310, 2280, 495);
    for (QPushButton *button : {Command2, Command1, Command3})
        button->setAutoDefault(true); // Enter on the focused button presses it
    connect(Command2, &QPushButton::clicked, this, &MakeNewList::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &MakeNewList::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &MakeNewList::Command3_Click);
    connect(TheWord, &QLineEdit::returnPressed, TheMeaning, [this] { TheMeaning->setFocus(); });
    connect(TheMeaning, &QLineEdit::returnPressed, Command2, [this] { Command2->setFocus(); });

    panel.build(area(), 240, 3000, 6720);
    connect(panel.LScroll, &QScrollBar::valueChanged, this, &MakeNewList::LScroll_Change);
    for (int index : {0, 1})
        connect(panel.FLButton[index], &QPushButton::clicked, this, [this, index] { FLButton_Click(index); });

    setTabOrder(TheWord, TheMeaning);
    setTabOrder(TheMeaning, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command3);

    QMenu *go = CommonMenus::go(menuBar());
    addMenuItem(go, tr("Return to Manager Screen"), [this] { Return_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);
}

void MakeNewList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    m_draft = NewListDraft(Shared.NewListName);
    ListNameLabel->setText(Shared.NewListName);
    panel.showPickedCharacter();
    updateCounters();
    TheWord->setFocus();
}

void MakeNewList::updateCounters()
{
    TotalWordsLabel->setText(tr("Total words in this list: %1").arg(withLeadingBlank(m_draft.pairCount())));
    WordLabel->setText(tr("Word Number: %1").arg(withLeadingBlank(m_draft.pairCount() + 1)));
}

MakeNewList::PairStep MakeNewList::addTypedPair()
{
    const NewListDraft::AddOutcome outcome = m_draft.addPair(TheWord->text(), TheMeaning->text());
    switch (outcome.result) {
    case NewListDraft::Added::Yes:
        updateCounters();
        TheWord->clear();
        TheMeaning->clear();
        return PairStep::Added;
    case NewListDraft::Added::EmptyBox:
        return TheWord->text().isEmpty() && TheMeaning->text().isEmpty() ? PairStep::NothingTyped
                                                                           : PairStep::HalfTyped;
    case NewListDraft::Added::Full:
        heyMessage(listFullMessage(), this);
        break;
    case NewListDraft::Added::Refused:
        // Words and meanings are refused in the same words.
        heyMessage(entryRefusalText(*outcome.refusal, EntryKind::Word), this);
        break;
    }
    return PairStep::Refused;
}

void MakeNewList::Command2_Click()
{
    const PairStep step = addTypedPair();
    if (step == PairStep::NothingTyped || step == PairStep::HalfTyped)
        Beep();
    TheWord->setFocus();
}

void MakeNewList::Command1_Click()
{
    switch (addTypedPair()) {
    case PairStep::Added:
    case PairStep::NothingTyped:
        break;
    case PairStep::HalfTyped:
        // Keep the typed half where the teacher can finish it.
        Beep();
        (TheWord->text().isEmpty() ? TheWord : TheMeaning)->setFocus();
        return;
    case PairStep::Refused:
        return;
    }
    if (MsgBox(tr("Are you sure you want to save this list?"), tr("Save?"),
               MsgButtons::YesNo, this) != MsgAnswer::Yes)
        return;
    if (saveList()) {
        screens().show(ScreenId::Manager);
        screens().close(ScreenId::MakeNewList);
    }
}

bool MakeNewList::saveList()
{
    // Appended to the store as it is now: lists other computers saved since
    // this screen opened stay.
    const dataupdate::StoreResult result = dataupdate::updateStore(appendNew(m_draft));
    switch (result.outcome) {
    case dataupdate::Outcome::Saved:
        return true;
    case dataupdate::Outcome::Refused:
        // The name was free when the teacher chose it; another computer took
        // it since. This screen has no name box, so offer a free name rather
        // than leave the typed words with no way to be saved.
        if (const StoreContent &now = result.store; nameTaken(now, m_draft.name())) {
            const QString other = freeListName(now, m_draft.name());
            const QString question =
                tr("Another computer saved a list named \"%1\" while you were typing this one.\n\n"
                   "Save your list as \"%2\" instead?")
                    .arg(m_draft.name(), other);
            if (MsgBox(question, tr("Hey!"), MsgButtons::YesNo, this) != MsgAnswer::Yes)
                return false;
            m_draft.rename(other);
            return saveList();
        }
        heyMessage(result.message, this);
        return false;
    default:
        MsgBox(tr("%1\n\nThe list was not saved and the word list file is unchanged. "
                  "Your words are still here.").arg(result.message),
               tr("Save Failed"), MsgButtons::Ok, this);
        return false;
    }
}

void MakeNewList::Command3_Click()
{
    panel.Frame1->show();
    Command3->hide();
}

void MakeNewList::LScroll_Change()
{
    panel.showPickedCharacter();
}

void MakeNewList::FLButton_Click(int index)
{
    QLineEdit *box = index == 0 ? TheWord : TheMeaning;
    box->setText(box->text() + panel.picked());
}

void MakeNewList::Return_Click()
{
    screens().show(ScreenId::SureForm);
}

bool MakeNewList::hasUnsavedWork() const
{
    return m_draft.pairCount() > 0 || !TheWord->text().isEmpty() || !TheMeaning->text().isEmpty();
}

void MakeNewList::Form_Terminate()
{
    if (hasUnsavedWork()) {
        const MsgAnswer answer =
            MsgBox(tr("The list \"%1\" has not been saved yet. Save it before closing?").arg(m_draft.name()),
                   tr("Save?"), MsgButtons::YesNoCancel, this);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            const PairStep step = addTypedPair();
            if (step == PairStep::HalfTyped) {
                Beep();
                (TheWord->text().isEmpty() ? TheWord : TheMeaning)->setFocus();
                return;
            }
            if (step == PairStep::Refused || !saveList())
                return;
        }
    }
    screens().endProgram();
}

void MakeNewList::escapePressed()
{
    // Leaving drops the list: with words typed, the usual question comes first.
    if (hasUnsavedWork()) {
        Return_Click();
        return;
    }
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::MakeNewList);
}

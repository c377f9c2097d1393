#include "EditList.h"

#include "EditorHandOver.h"
#include "EditorResults.h"
#include "ListEntries.h"
#include "ListEntryWords.h"
#include "ListSaves.h"
#include "manage/UnreadFile.h"
#include "app/CommonMenus.h"
#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/ListStore.h"
#include "app/core/Numbers.h"
#include "app/core/SharedState.h"
#include "languages/ListLanguages.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QPushButton *editorButton(QWidget *parent, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    placeTw(button, left, top, 1800, 495);
    button->setAutoDefault(true);
    return button;
}

} // namespace

EditList::EditList()
    : Screen(ScreenId::EditList)
{
    setWindowTitle(tr("View/Edit List"));
    setClientSizeTwips(7920, 5640);

    Label1 = makeLabel(area());
    setPointSize(Label1, 14);
    placeTw(Label1, 240, 120, 7440, 495);

    WordList = new QListWidget(area());
    WordList->setAccessibleName(tr("Words"));
    WordList->setSelectionMode(QAbstractItemView::SingleSelection);
    WordList->setSortingEnabled(false);
    followItemDirections(WordList);
    WordList->setUniformItemSizes(true);
    placeTw(WordList, 240, 720, 3600, 4320);
    connect(WordList, &QListWidget::currentRowChanged, this, &EditList::WordList_Click);
    connect(WordList, &QListWidget::itemSelectionChanged, this, &EditList::WordList_Click);

    DefLabel = makeLabel(area(), tr("Meaning"));
    DefLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DefLabel->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray; padding: 4px;"));
    placeTw(DefLabel, 4080, 720, 3600, 1320);

    TotalLabel = makeLabel(area());
    placeTw(TotalLabel, 240, 5160, 3840, 300);

    Command1 = editorButton(area(), tr("Delete"), 4080, 2280);
    Command2 = editorButton(area(), tr("Edit"), 5880, 2280);
    Command3 = editorButton(area(), tr("Add"), 4080, 2880);
    Command6 = editorButton(area(), tr("Change List Name"), 5880, 2880);
    command4 = editorButton(area(), tr("Done"), 4080, 4545);
    Command5 = editorButton(area(), tr("Cancel"), 5880, 4545);
    connect(Command1, &QPushButton::clicked, this, &EditList::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &EditList::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &EditList::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &EditList::Command6_Click);
    connect(command4, &QPushButton::clicked, this, &EditList::command4_Click);
    connect(Command5, &QPushButton::clicked, this, &EditList::Command5_Click);
    setDefaultButton(Command2); // Enter on a word edits it
    setTabOrder(WordList, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command6);
    setTabOrder(Command6, command4);
    setTabOrder(command4, Command5);

    QMenu *go = CommonMenus::go(menuBar());
    addMenuItem(go, tr("Back To List Management"), [this] { Manage_Click(); });
    CommonMenus::quit(go);
    QMenu *options = CommonMenus::options(menuBar());
    CommonMenus::about(options);
}

void EditList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    Shared.EditedListName = Shared.CurrentList;
    Shared.CardSide = 0;
    Shared.WordEdited = 0;
    Shared.DeleteConfirmed = 0;
    Label1->setText(Shared.CurrentList);
    loadList();
    if (WordList->count() > 0)
        select(0);
    WordList->setFocus();
}

void EditList::loadList()
{
    // Read from the store's lines rather than LoadList: an old list of more
    // than MaxPairs pairs is shown, and written back, whole.
    m_occurrence = chosenOccurrenceOf(Shared.CurrentList);
    m_pairs.clear();
    m_seen.reset();
    const auto store = ReadStore();
    m_unread = !store;
    if (store) {
        m_seen = store->listNamed(Shared.CurrentList, m_occurrence);
        if (m_seen)
            m_pairs = m_seen->pairs;
    }
    QStringList words;
    words.reserve(m_pairs.size());
    for (const WordPair &pair : m_pairs)
        words.append(pair.word);
    {
        const QSignalBlocker blocker(WordList);
        WordList->clear();
        WordList->addItems(words);
    }
    Shared.WordCount = std::int16_t(qMin<qsizetype>(m_pairs.size(), 32767));
    TotalLabel->setText(tr("Total Words In This List: %1").arg(withLeadingBlank(int(m_pairs.size()))));
    if (m_unread)
        MsgBox(unreadAtLoadMessage(storePath()), windowTitle());
}

void EditList::Form_Activate()
{
    // The word dialogs' answers, left in the shared state when they closed.
    const AppliedResults applied = applyDialogResults(Shared, m_pairs);
    if (applied.any()) {
        const QSignalBlocker blocker(WordList);
        if (applied.removedRow)
            delete WordList->takeItem(*applied.removedRow);
        if (applied.replacedRow)
            WordList->item(*applied.replacedRow)->setText(m_pairs[*applied.replacedRow].word);
        if (applied.appended)
            WordList->addItem(m_pairs.last().word);
    }
    if (Label1->text() != Shared.EditedListName) {
        Label1->setText(Shared.EditedListName);
        m_changed = true;
    }
    if (applied.any()) {
        m_changed = true;
        WordList->setFocus();
        select(applied.selectRow);
    }
}

void EditList::select(int row)
{
    {
        const QSignalBlocker blocker(WordList);
        if (row >= 0) {
            WordList->setCurrentRow(row);
            WordList->scrollToItem(WordList->item(row));
        } else {
            WordList->setCurrentRow(-1);
            WordList->clearSelection();
        }
    }
    WordList_Click();
}

bool EditList::selectedRow(int &row) const
{
    const QList<QListWidgetItem *> selected = WordList->selectedItems();
    if (selected.isEmpty())
        return false;
    row = WordList->row(selected.first());
    return row >= 0 && row < m_pairs.size();
}

void EditList::WordList_Click()
{
    int row = -1;
    if (!selectedRow(row))
        row = -1;
    DefLabel->setText(row >= 0 ? m_pairs[row].meaning : QString());
    Shared.WordIndex = std::int16_t(row);
}

void EditList::Command1_Click()
{
    int row = -1;
    if (!selectedRow(row)) {
        Beep();
        return;
    }
    Shared.WordIndex = std::int16_t(row);
    Shared.CurrentWord = m_pairs[row].word;
    screens().show(ScreenId::DeletWordSure);
}

void EditList::Command2_Click()
{
    int row = -1;
    if (!selectedRow(row)) {
        Beep();
        return;
    }
    Shared.WordIndex = std::int16_t(row);
    Shared.CurrentWord = m_pairs[row].word;
    Shared.CurrentMeaning = m_pairs[row].meaning;
    screens().show(ScreenId::EditWord);
}

void EditList::Command3_Click()
{
    if (m_pairs.size() >= MaxPairs) {
        heyMessage(listFullMessage(), this);
        return;
    }
    Shared.CardSide = 0;
    screens().show(ScreenId::AddWord);
}

void EditList::Command6_Click()
{
    screens().show(ScreenId::ChangeListName);
}

bool EditList::saveList()
{
    // Lists from older versions may hold text the store cannot take back
    // safely; it is put right here rather than written.
    if (const auto refusal = entryRefusal(Label1->text(), EntryKind::ListName)) {
        heyMessage(tr("%1\n\nPlease change the list's name before saving.").arg(entryRefusalText(*refusal, EntryKind::ListName)),
                   this);
        return false;
    }
    for (int i = 0; i < m_pairs.size(); ++i) {
        auto refusal = entryRefusal(m_pairs[i].word, EntryKind::Word);
        if (!refusal)
            refusal = entryRefusal(m_pairs[i].meaning, EntryKind::Meaning);
        if (refusal) {
            select(i);
            // Words and meanings are refused in the same words.
            heyMessage(tr("%1\n\nPlease edit the selected word before saving.").arg(entryRefusalText(*refusal, EntryKind::Word)),
                       this);
            return false;
        }
    }

    if (m_unread) {
        MsgBox(unreadAtSaveMessage(storePath()), tr("Save Failed"), MsgButtons::Ok, this);
        return false;
    }
    EditedList edited{Shared.CurrentList, m_occurrence, m_seen, {Label1->text(), m_pairs}};
    for (;;) {
        // The lock is not held while the teacher is asked: the question comes
        // back here and the check is made again on the store as it is then.
        const dataupdate::StoreResult result = dataupdate::updateStore(writeBack(edited));
        switch (result.outcome) {
        case dataupdate::Outcome::Saved:
            m_changed = false;
            // The store's save stands whatever happens to the languages.
            if (const auto carried = languages::carryRename(edited.storedName, edited.edited.name, result.store);
                !carried)
                MsgBox(languages::notCarriedMessage(carried.message), windowTitle(), MsgButtons::Ok, this);
            return true;
        case dataupdate::Outcome::Conflict:
            if (MsgBox(result.message, windowTitle(), MsgButtons::SaveOverCancel, this) != MsgAnswer::Yes)
                return false;
            edited.seen = result.store.listNamed(edited.storedName, edited.occurrence);
            continue;
        case dataupdate::Outcome::Refused:
            heyMessage(result.message, this);
            return false;
        default:
            MsgBox(tr("%1\n\nThe list was not saved and the word list file is unchanged. "
                      "Your changes are still here.").arg(result.message),
                   tr("Save Failed"), MsgButtons::Ok, this);
            return false;
        }
    }
}

void EditList::command4_Click()
{
    if (!saveList())
        return;
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::EditList);
}

void EditList::Command5_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::EditList);
}

void EditList::Manage_Click()
{
    Command5_Click();
}

void EditList::Form_Terminate()
{
    if (m_changed) {
        const MsgAnswer answer = MsgBox(
            tr("The changes to the list \"%1\" have not been saved. Save them before closing?").arg(Label1->text()),
            tr("Save?"), MsgButtons::YesNoCancel, this);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !saveList()))
            return;
    }
    screens().endProgram();
}

void EditList::escapePressed()
{
    // Escape is Cancel, which would drop the changes: ask first.
    if (m_changed) {
        const MsgAnswer answer = MsgBox(
            tr("The changes to the list \"%1\" have not been saved. Save them before leaving?").arg(Label1->text()),
            tr("Save?"), MsgButtons::YesNoCancel, this);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            command4_Click();
            return;
        }
    }
    Command5_Click();
}

#include "EditorDialog.h"

#include "ListEntries.h"
#include "ListEntryWords.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"

#include <QLineEdit>

void EditorDialog::Form_Deactivate()
{
    if (!m_done)
        cancel();
}

void EditorDialog::Form_Terminate()
{
    if (!m_done)
        cancel();
}

void EditorDialog::escapePressed()
{
    if (!m_done)
        cancel();
}

void EditorDialog::cancel()
{
    m_done = true;
    screens().close(id());
}

void EditorDialog::finish()
{
    m_done = true;
    screens().close(id());
    // Closing the active dialog activates the editor beneath; should the
    // dialog not have been the active screen, the answer must still arrive.
    if (screens().exists(ScreenId::EditList))
        screens().activate(ScreenId::EditList);
}

bool EditorDialog::pairRefused(QLineEdit *word, QLineEdit *meaning)
{
    for (const auto &[box, kind] : {std::pair{word, EntryKind::Word}, std::pair{meaning, EntryKind::Meaning}}) {
        if (const auto refusal = entryRefusal(box->text(), kind)) {
            heyMessage(entryRefusalText(*refusal, kind), this);
            box->setFocus();
            return true;
        }
    }
    return false;
}

#include "EditorDialog.h"

#include "app/ScreenManager.h"

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

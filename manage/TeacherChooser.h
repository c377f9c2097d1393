#pragma once

#include "UnreadFile.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/core/ListStore.h"

#include <QListWidget>

// The load of every teacher screen that picks a list: the box filled and
// focused, and a store that cannot be read told at once, so the teacher never
// takes its empty box for a folder without lists.
inline void loadTeacherListChooser(QListWidget *theLists, QWidget *screen)
{
    const bool readable = fillTeacherListChooser(theLists);
    theLists->setFocus();
    if (!readable)
        MsgBox(unreadFileMessage(storePath()), screen->windowTitle(), MsgButtons::Ok, screen);
}

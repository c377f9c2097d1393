#pragma once

class QListWidget;

// The list chooser of every options screen: TheLists shows the store's list
// names alphabetically without regard to case, and the list chosen last on
// any options screen (ListChoice > 0) is preselected.
void fillListChooser(QListWidget *theLists);

// The start button's first steps: CurrentList and ListChoice from the
// selection. Without a selection: CurrentList empty, ListChoice -1, the
// "choose a list" reminder and the system beep. Returns whether a list was
// selected.
bool takeListChoice(QListWidget *theLists);

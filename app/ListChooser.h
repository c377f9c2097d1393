#pragma once

#include <QString>

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

// The teacher screens' form of the chooser. ListChoice is the pupils'
// preselection, so these neither read nor write it: the box is filled in the
// same order with nothing preselected, and an empty store ("No Lists") shows
// an empty box. False when the store could not be read (the box is empty).
bool fillTeacherListChooser(QListWidget *theLists);
// CurrentList from the selection; without one, CurrentList empty, the
// reminder and the beep. Returns whether a list was selected.
bool takeTeacherListChoice(QListWidget *theLists);

// The notice for a list chosen for a quiz that cannot make one
// (hasTwoDifferentWords), wherever a quiz is started from.
QString tooFewWordsMessage();
// What a pupil who asked for the hard words of a list is told when none is due.
QString nothingDueMessage();

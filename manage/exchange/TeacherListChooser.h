#pragma once

class QListWidget;

// The teacher screens' list chooser: every list of the store, sorted as the
// pupils' choosers sort them, leaving the pupils' ListChoice alone. Stands
// in for the shared chooser of app/ until that one offers these two calls.
namespace exchange_chooser {

void fillTeacherListChooser(QListWidget *theLists);

// CurrentList from the selection; without one, CurrentList empty, the
// "choose a list" reminder and the system beep. Returns whether a list was
// selected.
bool takeTeacherListChoice(QListWidget *theLists);

} // namespace exchange_chooser

using exchange_chooser::fillTeacherListChooser;
using exchange_chooser::takeTeacherListChoice;

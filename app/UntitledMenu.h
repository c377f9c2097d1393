#pragma once

class QMenu;
class QString;

// A menu whose title in the menu bar is blank (a space that still opens when
// clicked) is announced by the menu's accessible name instead, since a
// screen reader cannot say blanks.
void nameUntitledMenu(QMenu *menu, const QString &name);

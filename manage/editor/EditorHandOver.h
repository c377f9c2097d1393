#pragma once

#include <QString>

// Old stores may hold several lists of one name; the chooser shows each of
// them, and the editor must load and write back the very one the teacher
// picked. The chooser leaves here which of the same-named lists that was.
struct ListEditorChoice {
    QString name;
    int occurrence = 0;
};

ListEditorChoice &listEditorChoice();

// The occurrence to edit for `name`: the chooser's pick when it was made for
// that name, else the first list of that name.
int chosenOccurrenceOf(const QString &name);

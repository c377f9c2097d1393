#include "EditorHandOver.h"

ListEditorChoice &listEditorChoice()
{
    static ListEditorChoice choice;
    return choice;
}

int chosenOccurrenceOf(const QString &name)
{
    const ListEditorChoice &choice = listEditorChoice();
    return choice.name == name ? choice.occurrence : 0;
}

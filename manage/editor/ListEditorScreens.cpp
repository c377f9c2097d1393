#include "ListEditorScreens.h"

#include "AddWord.h"
#include "ChangeListName.h"
#include "CreateList.h"
#include "DeletWordSure.h"
#include "EditChooseList.h"
#include "EditList.h"
#include "EditWord.h"
#include "MakeNewList.h"
#include "SureForm.h"
#include "app/ScreenManager.h"

void registerListEditorScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::CreateList, [] { return new CreateList; });
    manager.registerScreen(ScreenId::MakeNewList, [] { return new MakeNewList; });
    manager.registerScreen(ScreenId::SureForm, [] { return new SureForm; });
    manager.registerScreen(ScreenId::EditChooseList, [] { return new EditChooseList; });
    manager.registerScreen(ScreenId::EditList, [] { return new EditList; });
    manager.registerScreen(ScreenId::ChangeListName, [] { return new ChangeListName; });
    manager.registerScreen(ScreenId::DeletWordSure, [] { return new DeletWordSure; });
    manager.registerScreen(ScreenId::EditWord, [] { return new EditWord; });
    manager.registerScreen(ScreenId::AddWord, [] { return new AddWord; });
}

#include "ListEditorScreens.h"

#include "app/ScreenManager.h"

void registerListEditorScreens(ScreenManager &)
{
}

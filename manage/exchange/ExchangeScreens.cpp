#include "ExchangeScreens.h"

#include "ExportList.h"
#include "ImportList.h"
#include "PrintList.h"

#include "app/ScreenManager.h"

void registerExchangeScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::ImportList, [] { return new ImportList; });
    manager.registerScreen(ScreenId::ExportList, [] { return new ExportList; });
    manager.registerScreen(ScreenId::PrintList, [] { return new PrintList; });
}

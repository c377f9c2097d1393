#include "ConcentrationScreens.h"

#include "Concentration.h"

#include "app/ScreenManager.h"

void registerConcentrationScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::Concentration, [] { return new Concentration; });
}

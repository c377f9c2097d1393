#include "ConcentrationScreens.h"

#include "app/ScreenManager.h"

void registerConcentrationScreens(ScreenManager &)
{
}

#include "ZapScreens.h"

#include "Zap.h"
#include "ZapDone.h"
#include "ZapOptions.h"

#include "app/ScreenManager.h"

void registerZapScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::ZapOptions, [] { return new ZapOptions; });
    manager.registerScreen(ScreenId::Zap, [] { return new Zap; });
    manager.registerScreen(ScreenId::ZapDone, [] { return new ZapDone; });
}

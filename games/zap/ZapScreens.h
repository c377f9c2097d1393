#pragma once

class ScreenManager;

void registerZapScreens(ScreenManager &manager);

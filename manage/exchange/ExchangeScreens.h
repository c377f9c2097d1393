#pragma once

class ScreenManager;

void registerExchangeScreens(ScreenManager &manager);

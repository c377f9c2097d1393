#pragma once

class ScreenManager;

// The start screen and the small shared screens.
void registerAppScreens(ScreenManager &manager);

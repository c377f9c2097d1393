#pragma once

class ScreenManager;

// Registers every screen of the program with the manager.
void registerAllScreens(ScreenManager &manager);

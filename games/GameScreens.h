#pragma once

class ScreenManager;

void registerGameScreens(ScreenManager &manager);

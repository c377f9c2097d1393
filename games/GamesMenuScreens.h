#pragma once

class ScreenManager;

void registerGamesMenuScreens(ScreenManager &manager);

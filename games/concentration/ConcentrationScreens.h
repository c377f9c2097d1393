#pragma once

class ScreenManager;

void registerConcentrationScreens(ScreenManager &manager);

#pragma once

class ScreenManager;

void registerScrambleScreens(ScreenManager &manager);

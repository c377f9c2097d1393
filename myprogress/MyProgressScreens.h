#pragma once

class ScreenManager;

void registerMyProgressScreens(ScreenManager &manager);

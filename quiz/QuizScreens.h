#pragma once

class ScreenManager;

void registerQuizScreens(ScreenManager &manager);

#pragma once

class ScreenManager;

void registerHangmanScreens(ScreenManager &manager);

#pragma once

class ScreenManager;

void registerFlashcardScreens(ScreenManager &manager);

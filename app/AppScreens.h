#pragma once

class ScreenManager;

// The start screen and the small shared screens.
void registerAppScreens(ScreenManager &manager);

// Checks that the program folder holds the word lists and the settings
// file; says which is missing, and where, when one is not there.
bool dataFilesPresent();

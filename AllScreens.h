#pragma once

class ScreenManager;

// Registers every screen of the program with the manager.
void registerAllScreens(ScreenManager &manager);

// Everything the program does at start once the application object exists:
// the sound player, the data-file check, the screens and the start screen.
// False when it cannot start (a data file is missing; the user was told).
// The start-up benchmark runs this same sequence.
bool startLingoSpark();

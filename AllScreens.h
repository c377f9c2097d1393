#pragma once

#include <QString>

class ScreenManager;

// Registers every screen of the program with the manager.
void registerAllScreens(ScreenManager &manager);

// What the program does as it ends (aboutToQuit): speech stopped, the
// pupil's progress saved.
void connectProgramEnd();

// Everything the program does at start once the application object exists:
// the data folder chosen (`dataOption`: --data as given, or empty) and made
// ready, the sound player, the screens and the start screen. False when it
// cannot start (the data folder is unusable; the user was told, nothing was
// written). The start-up benchmark runs this same sequence.
bool startLingoSpark(const QString &dataOption);

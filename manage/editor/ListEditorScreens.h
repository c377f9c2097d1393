#pragma once

class ScreenManager;

void registerListEditorScreens(ScreenManager &manager);

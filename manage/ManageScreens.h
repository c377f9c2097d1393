#pragma once

class ScreenManager;

void registerManageScreens(ScreenManager &manager);

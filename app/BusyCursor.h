#pragma once

// While a save waits for another computer's save, every window of the
// program shows the busy cursor.
void showBusyCursorWhileSavesWait();

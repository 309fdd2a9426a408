#pragma once
// The program's life: start-up, the message loop and the release of what
// start-up made. The entry point runs them in order; UI tests run them too.

#include <windows.h>

// Start-up up to the message loop. False when the program cannot go on; the
// reason has been shown and nothing is left behind.
bool StartPennywhist(HINSTANCE instance, const char* commandLine);

// One message as the loop handles it: through the accelerator table first,
// otherwise translated and dispatched.
void HandleLoopMessage(MSG& message);

// Runs the loop until the quit message; its exit code.
int RunMessageLoop();

// Releases what start-up made (the frame is gone by then) and resets the
// program-wide values.
void FinishPennywhist();

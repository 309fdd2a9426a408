// The Windows entry point.

#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (!StartPennywhist(instance, commandLine)) return 0;
    const int exitCode = RunMessageLoop();
    FinishPennywhist();
    return exitCode;
}

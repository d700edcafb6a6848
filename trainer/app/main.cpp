// MorvaneCHS program entry.
#include <windows.h>

#include "app/frame_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  return morvane::runTrainer(instance, commandLine, showCommand);
}

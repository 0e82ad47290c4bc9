// The watcher as a Windows program: its windows on the real desktop, driven by the message
// loop and Timer1. Free of Windows headers, so that the program's main can call it.
#pragma once

namespace tallowen {

// Runs the watcher until it ends; returns the program's exit code (1 after a refusal).
int RunWatcher();
// Lets a program started from a console print there (a windowed program has none of its own).
void UseParentConsole();

}  // namespace tallowen

// The program from start to end: start-up, the event loop, shutdown.
#pragma once

namespace qm {

// Runs Quillmark; returns the process exit code.
int RunProgram();

// Start-up up to the event loop: the platform, the settings, the main window
// filled from them, the logo, the address book and the ZIP codes, and the
// focus in the first field. False when no window can be shown.
bool StartProgram();

// Closes the main window and any open settings file.
void StopProgram();

}  // namespace qm

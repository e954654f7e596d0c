#pragma once

// Sets up the running QApplication the way Quandrel runs: application name, version and
// desktop entry, the window icon, the design's fonts and the windows' accessible roles.
// Call once, after the QApplication exists and before any window is made.
void setUpProgram();

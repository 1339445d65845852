#pragma once
// The program's start, shared by the program and the start-up benchmark.

namespace lingvaro {

// Runs Lingvaro: the engine's start, the main window and the two print windows,
// then the message loop. With quitAfterFirstPaint the program ends as soon as
// the main window has been painted once (for measuring the start).
int runProgram(int argc, char* argv[], bool quitAfterFirstPaint = false);

} // namespace lingvaro

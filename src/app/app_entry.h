#pragma once

namespace tavu {

// The whole process: single-instance guard, application set-up, main window, message loop.
// Returns the exit status.
int runApplication(int argc, char** argv);

} // namespace tavu

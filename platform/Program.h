#pragma once
// Ending the program: every window closes at once and no further event of
// any screen or timer runs. The exit status is the process's.
#include <functional>

namespace platform {

void endProgram(int exitStatus = 0);
bool programEnded();

// Tests replace the real ending (which leaves the event loop) with a
// recorder of the status; an empty handler restores it. Installing a handler
// also clears the ended state, so each test starts with a running program.
void setEndProgramHandler(std::function<void(int exitStatus)> handler);

} // namespace platform

#pragma once
// Ending the program: every window closes at once and no further event of
// any screen runs.
#include <functional>

namespace platform::forms {

void EncerraPrograma();
bool programaEncerrado();

// Tests replace the real ending (which leaves the event loop) with a
// recorder; an empty handler restores it. Installing a handler also clears
// the ended state, so each test starts with a running program.
void setEncerramentoHandler(std::function<void()> handler);

} // namespace platform::forms

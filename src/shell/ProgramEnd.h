#pragma once

#include <functional>

namespace shell {

// "End the program" of the dialogs (Abbrechen, Abbruch): remembered, so that the start sequence stops
// at its next step instead of waiting for more input, then handed to the end handler, which by
// default leaves every event loop of the program.
void endProgram();
bool programEnding();
// Tests replace what ending does; setting a handler also forgets an earlier end.
void setProgramEndHandler(std::function<void()> handler);

} // namespace shell

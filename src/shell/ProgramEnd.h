#pragma once

#include <functional>

namespace shell {

// "End the program" of the dialogs (Abbrechen, Abbruch): remembered, so that the start sequence stops
// at its next step instead of waiting for more input, then handed to the end handler, which by
// default leaves every event loop of the program. A start that failed ends with a non-zero exit code.
void endProgram(int exitCode = 0);
bool programEnding();
int programExitCode();
// Tests replace what ending does; setting a handler also forgets an earlier end.
void setProgramEndHandler(std::function<void()> handler);

} // namespace shell

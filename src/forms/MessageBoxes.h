#pragma once

namespace forms {

// Makes store::Messages show real message boxes (German buttons) in the desktop program.
void installMessageBoxes();

} // namespace forms

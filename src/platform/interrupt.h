#pragma once

namespace kelvad {

// Ctrl-C and SIGTERM (on Windows the console's Ctrl-C, Ctrl-Break and close
// events) only note that they came once this is called, so that a headless
// build can stop between two files and say what it left. A second one ends
// the program at once, as if this had not been called.
void CatchInterrupts();

// The signal that came (SIGINT, SIGTERM; Ctrl-C and Ctrl-Break count as
// SIGINT on Windows), or 0.
int InterruptSignal();

}  // namespace kelvad

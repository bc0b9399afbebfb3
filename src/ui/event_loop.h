// The event loop: every event runs through one fixed, ordered table of tests,
// and each test that matches runs its command to the end.
#pragma once

#include "platform/window.h"

namespace qm {

// Runs one event through the dispatch table.
void DispatchEvent(const platform::Event& event);

// Waits for and dispatches events until a quit is requested.
void RunEventLoop();

// The field hint shown in HintLine, 0 for none.
int CurrentHintId();

// Starts the hint time-out from the current clock, and clears the hint.
void StartHintTimer();

// Clears HintLine.
void ClearHint();

}  // namespace qm

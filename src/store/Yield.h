#pragma once

// The one place where long work lets the window paint: the file reader, the
// history field splitter, the question scans and the word splitter call it.
// It processes pending events at most once every few milliseconds and holds user
// input back, so a click is handled after the running command, never inside it.
// Called on another thread, it does nothing.
void YieldToWindow();

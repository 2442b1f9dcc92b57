#pragma once

// Ends the process at once, from wherever it is called (a handler deep inside the run loop's
// yield included): output is flushed, nothing else runs, nothing is saved.
[[noreturn]] void endProcess(int status);

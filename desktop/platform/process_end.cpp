#include "desktop/platform/process_end.h"

#include <cstdio>
#include <cstdlib>

#if defined(ONDIX_LEAK_CHECK)
#include <sanitizer/lsan_interface.h>
#endif

void endProcess(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
#if defined(ONDIX_LEAK_CHECK)
    // _Exit skips the leak check that runs when a sanitized program exits normally, so the
    // sanitizer build runs it here; a leak ends the process with the sanitizer's failure status.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

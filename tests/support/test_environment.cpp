// Compiled into every test program, so that it runs before main and before any GL is made.
#include <cstdlib>

namespace {

// llvmpipe draws on the test's own thread. The tests run in parallel on few cores and gain
// nothing from its worker threads, and LeakSanitizer's check at exit can crash when one of them
// ends while the check stops the world. Mesa's shader cache would start a thread of its own to
// write its files (and write them into the user's home), so it is off too. Values set from
// outside are kept.
[[maybe_unused]] const bool kSingleThreadedSoftwareGl =
    setenv("LP_NUM_THREADS", "0", 0) == 0 && setenv("MESA_SHADER_CACHE_DISABLE", "true", 0) == 0;

}  // namespace

// The workflow's fatal error for the fuzz targets. The program shows it in a message box; here
// an abort is what makes libFuzzer stop and keep the input.

#include <cstdio>
#include <cstdlib>

#include "FatalError.h"

void reportFatalError(TextRef what) {
    std::fprintf(stderr, "fatal error: %.*s\n", static_cast<int>(what.length()), what.data());
    std::abort();
}

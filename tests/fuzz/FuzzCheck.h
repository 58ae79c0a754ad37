#pragma once
// A failed check in a fuzz target: says where and what, then aborts, and libFuzzer keeps the
// input that did it (crash-<hash>) for the run to be repeated with that one file.

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fuzzCheckFailed(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

// A macro only for the file, the line and the condition's own text in the report.
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : fuzzCheckFailed(__FILE__, __LINE__, #condition))

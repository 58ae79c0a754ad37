#pragma once
// The program's fatal error report: tells the user what went wrong and ends the program with
// exit code -1, without the clean-ups registered for a normal end. Provided by the platform.

#include "Text.h"

[[noreturn]] void reportFatalError(TextRef what);

#pragma once
// Waiting for the program under test: every wait ends at a deadline, and a wait that runs out is
// a failure of the step that waited, never a test of speed.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

// What the driver throws when the program does not do what a step needs; GoogleTest reports it
// as the failure of the test that took the step.
class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Long enough for any step of the program under Wine on a loaded machine.
constexpr DWORD StepTimeoutMs = 20000;

// How often a wait looks again: 20 ms by default, which spares the machine during tests; the
// benchmark looks every millisecond, so that a step of a few milliseconds is timed as such.
void setPollIntervalMs(DWORD intervalMs);

// Polls condition until it holds (true) or the time is up (false). Messages for the driver's own
// thread are handled meanwhile, which is how the answers to its asynchronous sends arrive.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = StepTimeoutMs);

// waitUntil, throwing DriverError("timed out waiting for " + what) when the time is up.
void waitFor(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs = StepTimeoutMs);

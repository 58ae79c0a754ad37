#pragma once
// Routines to run once each when the program ends normally, in the order they were registered.

using ExitCleanup = void (*)();

// Appends routine to the list unless it is already there.
void registerExitCleanup(ExitCleanup routine);

// Runs every registered routine once, in order, then empties the list.
void runExitCleanups();

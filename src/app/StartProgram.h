#pragma once

// The program's whole run up to the end of the message loop; gives the exit code, 0.
int startProgram();

// Prepares the program before any window exists.
void initApplication();

// The clean-up after startProgram: events stop, windows go, the registered clean-ups run.
void exitApplication();

#pragma once

#include "WindowDescription.h"

// The program's one window: its settings, its sixteen controls and their bound handlers.
extern const WindowDescription MainWindow;

// MainWindow's created event: 按钮3 stays disabled until there are new names to use.
void onWindowCreated();

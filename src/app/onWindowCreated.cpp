#include "MainWindow.h"
#include "Properties.h"

void onWindowCreated() { setDisabled(按钮3, true); }

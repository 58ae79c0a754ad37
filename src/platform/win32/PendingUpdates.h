#pragma once
// Controls that a handler changes many times in a row show the result once, when the handler
// ends or before a dialog opens: the names box takes the appended lines in one piece, and a list
// box filled item by item is drawn once instead of after every item. With thousands of folders
// the drawing in between would take far longer than the work itself.

void showPendingUpdates();

#include "PendingUpdates.h"

#include "EditBox.h"
#include "ListBox.h"

void showPendingUpdates() {
    showPendingAppends();
    redrawHeldListBoxes();
}

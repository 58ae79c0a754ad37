#pragma once
// List boxes whose drawing is held back while a handler adds items to them.

// Lets every list box whose drawing was held back draw itself again, once.
void redrawHeldListBoxes();

#pragma once
// Resource numbers shared by the resource script and the code.
#define IconResource 1

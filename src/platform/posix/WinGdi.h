// gdi32 stand-ins.
//
// Stands in for: GetStockObject (the stock brushes, which the window classes
// name as their background).
// Leaves out: drawing; the program draws only through Direct3D.
#pragma once

#include "platform/posix/WinTypes.h"

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5

// A stock brush handle (never to be deleted), or null for an unknown index.
HGDIOBJ GetStockObject(int object);

// gdi32 stand-ins, with user32's LoadImageW, which belongs with the bitmaps.
//
// Stands in for: GetStockObject (the stock brushes, which the window classes
// name as their background); LoadImageW for IMAGE_BITMAP with
// LR_LOADFROMFILE | LR_CREATEDIBSECTION, decoded by SDL2's BMP reader (core,
// info, V4 and V5 headers, 1 to 32 bits per pixel, bit fields, top-down files,
// RLE); GetObjectW for the BITMAP record of a loaded bitmap; DeleteObject.
// Leaves out: drawing (the program draws only through Direct3D), resources
// from modules, scaling on load, device-dependent bitmaps, and the other GDI
// objects' records. Pictures of 1 or 4 bits per pixel report 8, the depth
// SDL2 expands them to.
#pragma once

#include "platform/posix/WinTypes.h"

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5

#define IMAGE_BITMAP 0u
#define LR_LOADFROMFILE 0x00000010u
#define LR_CREATEDIBSECTION 0x00002000u

// A bitmap as GetObjectW describes it. For a loaded DIB section bmBits points
// at the bottom row of the picture; rows are bmWidthBytes apart (a multiple of
// 4) and run upwards, with pixels of bmBitsPixel bits: 24 as bytes blue,
// green, red; 32 as little-endian 0xXXRRGGBB.
struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
};

// A stock brush handle (never to be deleted), or null for an unknown index.
HGDIOBJ GetStockObject(int object);

// Loads the bitmap file `name` (found whatever the case of its letters, as
// CreateFileW finds it) at its own size (cx = cy = 0) as a DIB section. Null
// (with the last error set) for a missing file, any other type, flags or module,
// and for a file Windows would refuse: headers of an unknown size or running
// past the pixels, pixels beyond the end, more than one plane, an unknown depth
// or compression, a width below 1, a height of 0, a picture that would take more
// than 32 MiB decoded (4096 x 2048 at 32 bits a pixel), or rows missing from an
// uncompressed file. These are checked before anything is allocated for the
// pixels; SDL2 may still refuse what passes.
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT load);

// With a null buffer the size of the record; with a buffer of at least
// sizeof(BITMAP) bytes fills in the BITMAP of a loaded bitmap and returns its
// size; 0 for anything else.
int GetObjectW(HGDIOBJ object, int bufferSize, LPVOID buffer);

// Frees a loaded bitmap; stock objects are left alone. FALSE for anything else.
BOOL DeleteObject(HGDIOBJ object);

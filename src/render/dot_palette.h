// The sixteen dot colours of one picture: a brightness ramp in the colour channels that the
// dot-colour list's entry selects.
#pragma once

#include "platform/win32.h"

constexpr int kDotPaletteSize = 16;

struct DotPalette {
  COLORREF colors[kDotPaletteSize];
};

// selection is the list's CB_GETCURSEL answer: entries 0..7 pick the channels (blue, red,
// magenta, ... in the list's order); anything else, nothing selected (-1) included, gives grey.
// bright chooses the ramp 105..255 in steps of 10 instead of 15..255 in steps of 16.
DotPalette BuildDotPalette(LRESULT selection, int bright);

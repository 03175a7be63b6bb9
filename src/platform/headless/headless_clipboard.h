// Headless clipboard: kept in memory by the shared window manager (wm/clipboard.h); nothing
// else sees it. Does not implement: other formats than CF_BITMAP, delayed rendering, viewers.
#pragma once

#include "platform/wm/clipboard.h"

namespace headless {

using wm::ClipboardBitmap;
using wm::HoldClipboardElsewhere;

}  // namespace headless

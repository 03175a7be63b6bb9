// Hands the raster core the windows' client pixels, the repaint notice and the backend's text
// drawer before anything runs. The build asks the linker for the symbol below, so this file is
// part of every program that links a backend.
#include "platform/backend.h"
#include "platform/raster/window_system.h"

extern "C" const bool velmora_raster_hookup =
    raster::HandWindowSystem({backend::ClientSurface, backend::ClientDrawn, backend::DrawText});

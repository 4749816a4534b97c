// The full-screen overlay picture: plain white, so the overlay quad's own colour and
// alpha decide what a fade shows.
#include "tools/art/art.h"
#include "tools/art/paint.h"

static void DrawOverlay(ArtCanvas& c) {
    FillRect(c.cr, 0, 0, c.w, c.h, Hex(0xFFFFFF));
}

ART_PICTURE("AE00149", 640, 480, DrawOverlay, "overlay (white)");

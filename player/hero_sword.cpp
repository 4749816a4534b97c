// Her sword picture in a strike frame, and the hint strip of an open window.
#include "player/hero.h"
#include "player/hero_cells.h"
#include "player/hero_moves.h"

void StrikeSword(const StrikeWindow& s, bool upsideDown) {
    const bool left = Hero.facing == 3;
    SpriteQuad* sword = &Hero.effect[0];
    Hero.effectOn[0] = 1;
    ResizeQuad(sword, s.w, s.h, left ? s.alphaLeft : s.alphaRight);
    SetEffectCell(sword, kHeroEffectCells[s.effect], Hero.facing, upsideDown);
    float x, y;
    if (s.anchor == ANCHOR_RECT) {
        x = (left ? Hero.hitRect.right : Hero.hitRect.left) + (left ? s.dxLeft : s.dxRight);
        y = Hero.hitRect.top + (left ? s.dyLeft : s.dyRight);
    } else {
        x = Hero.body.v[0].x + (left ? s.dxLeft : s.dxRight);
        y = Hero.body.v[0].y + (left ? s.dyLeft : s.dyRight);
    }
    PlaceQuad(sword, x, y);
    Hero.stamina -= 1;  // no lower bound: a long strike may run her stamina below zero
}

// Strip k names the inputs accepted: 0 the dash; 1 X; 2 Z or X; 3 Z, down + Z or X;
// 4 Z, down + Z, up + Z or X; 5 Z; 7 Z, down + Z, up + Z; 8 Z or down + Z.
static int32_t HintStripFor(int32_t accepts) {
    switch (accepts) {
        case HINT_DASH:
            return 0;
        case HINT_X:
            return 1;
        case HINT_Z | HINT_X:
            return 2;
        case HINT_Z | HINT_DOWN_Z | HINT_X:
            return 3;
        case HINT_Z | HINT_DOWN_Z | HINT_UP_Z | HINT_X:
            return 4;
        case HINT_Z:
            return 5;
        case HINT_Z | HINT_DOWN_Z | HINT_UP_Z:
            return 7;
        case HINT_Z | HINT_DOWN_Z:
            return 8;
        default:
            return -1;  // nothing open
    }
}

void ShowHint(int32_t accepts) {
    const int32_t strip = HintStripFor(accepts);
    if (strip < 0) return;
    SetHintStrip(&Hero.effect[2], strip);
    Hero.effectOn[2] = 1;
}

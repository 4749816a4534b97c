// Drawing of the regular enemies from the shared enemy sheet. Kinds 2 and 3 share one
// drawing and kinds 4 and 6 another; their insets are the same, so one routine serves all.
#include "enemies/enemies.h"
#include "enemies/enemy_kinds.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/numbers.h"

namespace {

bool KnifeOnScreen(const SpriteQuad* q) {
    return q->v[0].x > 0 && q->v[2].x <= 640;
}

}  // namespace

void DrawEnemy(int32_t kind, Actor* a) {
    if (kind < 1 || kind > ENEMY_KINDS || a->life == LIFE_INACTIVE) return;
    const EnemyKind& k = kEnemyKinds[kind];
    const HitRect& r = a->hitRect;
    const bool bodyShown = kind != 5 || (r.left <= ENEMY_SCREEN_RIGHT && r.right >= ENEMY_SCREEN_LEFT);
    if (bodyShown) {
        QuadFromHitRect(&a->body, &a->hitRect, k.insetLeft, k.insetRight, k.insetTop, k.insetBottom);
        DrawQuad(&g_EnemySheet, &a->body);
    }
    if (a->effectOn[0]) {
        if (kind != 5) {
            DrawQuad(&g_EnemySheet, &a->effect[0]);
        } else if (a->life < LIFE_DEFEATED && KnifeOnScreen(&a->effect[0])) {
            DrawQuad(&g_EnemySheet, &a->effect[0]);
        }
    }
    if (bodyShown && a->hitTimer > 0 && a->life == LIFE_ALIVE) DrawDamageNumber(a->lastDamage, r.left, r.top);
}

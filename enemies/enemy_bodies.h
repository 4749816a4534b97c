// The behaviour bodies the shared enemy frame hands over to, and the small helpers they share.
#pragma once
#include "enemies/actor.h"
#include "enemies/enemy_kinds.h"

// The hit rectangle at (x + ScrollX, y + dy), keeping its size.
void PlaceEnemyRect(Actor* a, float dy);
// +1 facing right, -1 facing left.
float FacingSign(const Actor* a);
// The hit rectangle placed at the kind's test height touches a solid tile.
bool EnemyInWall(Actor* a, const EnemyKind& k);
// The heroine's hit rectangle lies within d pixels of this enemy's, horizontally.
bool HeroWithin(const Actor* a, float d);

// Kinds 1, 2, 3, 4 and 6: patrol, chase, attack and recoil.
void RunMeleeBody(int32_t kind, Actor* a, int32_t body);
// Kind 5: the projectile's flight, then the throwing cycle.
void RunThrowerBody(Actor* a, int32_t body);

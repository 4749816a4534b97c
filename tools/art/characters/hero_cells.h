// Which cell of the heroine's body sheets (8 x 8 cells of 64 x 64, cell (c, r) = column c,
// row r) holds which pose. The three costume sheets share this layout; every cell faces
// right and the game mirrors it for facing left. Cell index i is column i % 8, row i / 8.
#pragma once

enum HeroCell {
    kHeroStand = 0,       // standing; also walk steps 1 and 3 (cycle 0, 1, 0, 2)
    kHeroWalk1 = 1,       // walk step 2
    kHeroWalk2 = 2,       // walk step 4
    kHeroRise = 3,        // in the air, rising (vy <= 0)
    kHeroFall = 4,        // in the air, falling (vy > 0)
    kHeroGuard = 5,       // move state 2
    kHeroHurt = 6,        // cell (6, 0): hurt, and after a guard back-dash
    kHeroDash = 7,        // move state 4
    kHeroCollapse0 = 8,   // collapse frames 0-14: down on one knee
    kHeroCollapse1 = 9,   // frames 15-29: on both knees
    kHeroCollapse2 = 10,  // frames 30-39: lying on the ground
    kHeroRecoil = 11,     // sword clash recoil (life 3)
    kHeroSheathed = 12,   // story: sword lowered at her side
    kHeroBow = 13,        // story: bowing
    kHeroKneel = 14,      // story: kneeling, sitting back on her heels
    kHeroStartled = 15,   // story: stepping back, startled
    // Combo move m (0 to 9): wind-up 16 + 3m, strike 17 + 3m, follow-through 18 + 3m.
    kHeroComboBase = 16,
    kHeroSpecial0Charge = 46,  // special 0: sword raised before the wave
    kHeroSpecial0Strike = 47,  // special 0: the wave is loosed
    kHeroSpecialCycle = 48,    // specials 1 and 2: four cells 48-51 cycled by T mod 4
    kHeroSpecial3Base = 52,    // special 3: cells 52-55 for its four strike windows
    kHeroSit = 56,             // story: sitting on the ground
    kHeroPray = 57,            // story: hands together, eyes closed
    kHeroWave = 58,            // story: waving an arm
    kHeroPoint = 59,           // story: pointing ahead
    kHeroVictory = 60,         // story: sword raised high
    kHeroLookUp = 61,          // story: looking up
    kHeroRest = 62,            // story: lying on her back, asleep
    kHeroCarry = 63,           // story: running, sword held back
};

inline int HeroComboCell(int move, int phase) {
    return kHeroComboBase + 3 * move + phase;
}

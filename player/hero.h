// The heroine's record: an Actor followed by fields of her own, the globals beside it,
// and the calls the rest of the game makes on her.
#pragma once
#include <cstdint>

#include "enemies/actor.h"

// Her uses of the Actor fields: body 64 x 64 at (300, y); effect[0] the sword (live
// while effectOn[0]), effect[1] for story scenes, effect[2] the hint strip, effect[3]
// the clash spark; state = move state (HeroMoveState); life = HeroLife; phase = the
// collapse counter; recoilCount = the clash recoil counter; effectTimer[0] = the move
// timer T, effectTimer[3] = the spark timer; effectX[3], effectY[3] = where the spark
// shows (world x, screen y); gauge = special gauge 0-150; stamina fills up to 10 x level.
// Her sheets are loaded into g_HeroSheet[0..3] (render/game_textures.h): sheet 0 the
// body of costume 0, sheet 1 the effects and big digits, sheet 2 the body of costume 1,
// sheet 3 the body of costume 2. The slot fields here keep the record's layout.
struct HeroRecord : Actor {
    int32_t comboMove;       // combo move 0-9 (move state 1)
    int32_t specialMove;     // special 0-3 (move state 3)
    int32_t spare;           // always 0
    int32_t spareValues[5];  // kept by the save files only
    int32_t costume;         // 0, 1 or 2: body sheet and face cells
    int32_t hintOption;      // 1 = hint strips shown
    uint8_t pauseFlash;      // a special has begun: the frame dims the screen for 30 frames
    TextureSlot sheet1;      // effects and big digits (DATA/AE00345.xml)
    TextureSlot sheet2;      // body sheet of costume 1 (DATA/AE00369.xml)
    TextureSlot sheet3;      // body sheet of costume 2 (DATA/AE00168.xml)
    SpriteQuad digitQuad;    // 64 x 128, alpha 200: the big digits of the hit counter
};

extern HeroRecord Hero;
extern int32_t HitCount;       // hits landed in the current run of hits
extern int32_t HitCountTimer;  // frames until the hit counter clears (60 after each hit)
extern uint8_t HitCountOn;     // the hit-counter option of the menu
extern uint8_t special3Block;  // X was pressed during special 2: no special 3 this time

enum HeroMoveState : int32_t {
    HERO_CONTROL = 0,
    HERO_COMBO = 1,
    HERO_GUARD = 2,
    HERO_SPECIAL = 3,
    HERO_DASH = 4,
};

enum HeroLife : int32_t {
    HERO_NORMAL = 0,
    HERO_HURT = 1,
    HERO_COLLAPSING = 2,
    HERO_RECOIL = 3,
    HERO_DEAD = 4,
};

enum : int32_t {
    HERO_SCREEN_X = 300,
    HERO_GROUND_Y = 288,
    HERO_COLLAPSE_FRAMES = 40,
    HERO_FALL_OUT_Y = 540,
    HERO_MAX_LEVEL = 200,
    HERO_GAUGE_FULL = 150,
    HERO_EXP_PER_LEVEL = 154,  // experience for the next level: 154 x level
    HERO_MAX_DAMAGE = 9999,
    HERO_HURT_FRAMES = 10,
    HERO_SPARK_FRAMES = 5,
    HIT_COUNT_FRAMES = 60,
};

// Her hit rectangle from the body quad: insets 29, 29, 31, 0.
void HeroHitRectFromBody();
// Every map entry: standing at (300, 288) in control, moves and effects cleared.
void ResetHero();
// The new-game values of her statistics and motion.
void ResetHeroForNewGame();
// One frame of the heroine while the world runs.
void UpdateHero();
// Body, clash spark, sword, hit counter, hint strip and damage number, in that order.
void DrawHero();
// One level more, with the card-set rules for hit points, attack and defence.
void LevelUp();
// The hit counter's number in 64 x 128 digits: hundreds at x, tens at x + 64, ones at x + 128.
void DrawBigNumber(int32_t value, float x, float y);
void DrawBigDigit(int32_t d, float x, float y);
// The status-panel face from her costume and whether the gauge is full.
int HeroFaceCell();
void SelectHeroFace();

// For the enemies' side of a blow:
// An unguarded hit: loses attack - defence (0 to 9999) hit points, shows the damage,
// 10 frames of invulnerability, hurt, and her move broken off. Push-back and sound are
// the caller's (PushHero).
void HarmHero(int32_t enemyAttack);
// Moves the world under her by scrollDelta (+ pushes her left); undone if it puts her
// into a solid tile.
void PushHero(float scrollDelta);
// Up to maxSteps steps of scrollStep: a step is not begun while she touches a solid tile
// (or is over a pit, when pitsStop), and a step that ends in one is taken back.
void SlideHero(float scrollStep, int maxSteps, bool pitsStop);
// A sword clash: recoil for 32 frames, her attack ended, the spark at world x sparkX.
void StartHeroClash(float sparkX);
// Shows one cell (index c + 8 r) of her body sheet, mirrored when she faces left.
void ShowHeroCell(int cell);

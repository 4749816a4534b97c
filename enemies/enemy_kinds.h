// The numbers of the six regular kinds: statistics, movement, reach, cells and the attack
// timelines of their three behaviour bodies (Easy, Normal, ExcitedHard).
#pragma once
#include <cstdint>

enum : int32_t {
    BODY_EASY = 0,
    BODY_NORMAL = 1,
    BODY_EXCITED = 2,
    NO_LEVEL_LIMIT = 0,
    NO_FRAME = -1,
};

// A cell of the enemy sheet; `rows` 2 draws two cells of one column as one picture.
struct EnemyCell {
    int8_t col, row, rows;
};

// One attack of a melee kind, in frames of the attack timer; a window [a, b) covers a <= t < b.
struct AttackTimeline {
    int16_t poseAt1, poseAt2;  // wind-up pose changes (NO_FRAME: none)
    int16_t strike1, strike1End;
    int16_t strike2, strike2End;  // NO_FRAME for one strike
    int16_t end;
};

struct EnemyKind {
    // Spawn
    float insetLeft, insetRight, insetTop, insetBottom;
    int32_t levelFloor;  // Hard and ExcitedHard raise the level to it
    int32_t levelCap;    // Easy lowers the level to it
    int32_t hpFactor, attackFactor, defenceFactor;
    double expFactor;
    int32_t moneyFactor;
    float jumpSpeed;
    float effectWidth, effectHeight;
    // Movement and reach (distances in pixels between the two hit rectangles)
    float patrolSpeed, chaseSpeed;
    int32_t turnAfter;           // moveTimer passing this turns it about (0: no clock)
    uint8_t turnsAtPit;          // turns when its patrol step lands over a pit
    uint8_t hops;                // a blocked patrol step asks for a jump
    uint8_t testsWhereItStands;  // patrol steps only from a clear spot
    float testDy;                // hit rectangle height used for the step tests: y + testDy
    uint8_t chaseStopsAtPit;
    uint8_t chaseWalksBack;  // walks back 1 px at a time instead of taking the whole step back
    float notice[3], attackReach[3];
    float band;
    float pushWhenHit, pushOnClash;
    float clashWalkOut;   // 0: the clash push is undone; else steps out of a wall of this size
    uint8_t clashTurns;   // turns to the heroine before the clash push
    float lunge;          // forward step on the first strike frame
    int32_t swingFrames;  // frames at the start of a strike window that start the swing sound
    // Walk cycle: the column shown while animCount < walkEnds[i]; the last end is the cycle
    int8_t walkCols[4];
    int16_t walkEnds[4];
    int32_t walkPoses;
    // Cells
    int8_t row;
    EnemyCell recoil, hurt, justHit, defeated;
    int8_t windUpCols[3], strikeCol, pauseCol, strike2Col, recoveryCol;
    // Strike picture: its cells, and where it goes: from the body corner (x offset when
    // facing left), or for kind 1 from the hit rectangle (left, or right + offset; top - 64)
    int8_t effCol, effRow, effCols, effRows;
    uint8_t effAtRect;
    float effLeftOffset;
    float strikeWidth, strikeHeight;
    AttackTimeline attack[3];
};

// Index = kind (1-6); entry 0 is unused.
extern const EnemyKind kEnemyKinds[7];

// The behaviour body of the current game level.
int32_t EnemyBodyOfGameLevel();

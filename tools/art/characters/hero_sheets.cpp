// The heroine's three body sheets: the same poses (hero_cells.h) in three costumes.
#include <cstdio>

#include "tools/art/characters/figure.h"
#include "tools/art/characters/hero_cells.h"

namespace {

const int kTwo = kPoseTwoHands, kClosed = kPoseEyesClosed, kOpen = kPoseMouthOpen, kNoSword = kPoseNoWeapon;

// Ground: ankles at y 61.2 put the soles on the bottom pixel row.
const double G = 61.2;

const PoseRow kPoses[] = {
    // cell, hip, lean, tilt, front hand, back hand, front foot, back foot, sword angle, hair, flags
    {kHeroStand, 30, 40.5, 4, 0, 38, 43, 35, 44, 36, G, 25, G, -58, 0, kTwo},
    {kHeroWalk1, 31, 41.8, 7, 0, 39, 43, 36, 44, 41, G, 20, G, -55, 8, kTwo},
    {kHeroWalk2, 31, 41.8, 7, 0, 39, 42.5, 36, 43.5, 23, G, 38, G, -60, 8, kTwo},
    {kHeroRise, 31, 35, 2, -6, 37, 27, 24, 30, 37, 51, 27, 54, -75, -35, kOpen},
    {kHeroFall, 31, 36, 6, 4, 37, 36, 21, 33, 36, 57, 25, 54, 20, 25, 0},
    {kHeroGuard, 29, 43, -6, -4, 38, 33, 36, 39, 39, G, 19, G, -98, 0, kTwo},
    {kHeroHurt, 33, 41.5, -20, -18, 40, 46, 21, 36, 40, G, 25, G, 40, 12, kClosed | kOpen},
    {kHeroDash, 32, 45, 38, 6, 33, 51, 24, 44, 46, G, 14, G, 165, 45, 0},
    {kHeroCollapse0, 28, 49, 24, 18, 41, 38, 30, 50, 39, G, 19, G, 84, -10, kOpen},
    {kHeroCollapse1, 25, 53, 48, 26, 36, 60, 33, 60, 38, G, 28, G, 2, -15, kClosed},
    {kHeroCollapse2, 23, 51.5, 88, 8, 47, 61, 41, 61, 4, 60, 5, G, 178, -40, kClosed},
    {kHeroRecoil, 30, 41.5, -16, -10, 35, 28, 21, 38, 39, G, 22, G, -122, 20, kOpen},
    {kHeroSheathed, 30, 40.5, 0, 0, 35, 52, 26, 50, 35, G, 26, G, 165, 0, 0},
    {kHeroBow, 27, 41, 42, 22, 36, 52, 32, 52, 34, G, 24, G, 170, -20, kClosed},
    {kHeroKneel, 28, 48.5, 4, 6, 37, 50, 33, 51, 38, G, 18, G, 180, 0, kNoSword},
    {kHeroStartled, 31, 41, -14, -10, 40, 34, 22, 31, 40, G, 24, G, -40, 10, kOpen},

    // Combo 0: pulled back over the shoulder, level slash, follow-through low.
    {16, 30, 41.5, -4, -2, 28, 33, 25, 36, 38, G, 21, G, -150, 0, kTwo},
    {17, 28, 43, 16, 4, 38, 40, 34, 42, 43, G, 16, G, -14, 20, kTwo},
    {18, 28, 43.5, 20, 8, 40, 47, 35, 47, 42, G, 17, G, 35, 25, kTwo},
    // Combo 1: low guard, rising slash, blade overhead.
    {19, 30, 43, 10, 6, 28, 52, 26, 50, 38, G, 21, G, 160, 0, kTwo},
    {20, 30, 39, 4, -8, 38, 28, 35, 31, 37, G, 22, 58, -55, -20, kTwo | kOpen},
    {21, 30, 39.5, -4, -8, 31, 24, 28, 27, 36, G, 23, 59, -118, -20, kTwo},
    // Combo 2: crouched with the blade at the hip, low sweep, low finish.
    {22, 30, 46, 18, 4, 27, 47, 24, 48, 42, G, 16, G, 172, 10, 0},
    {23, 27, 47, 22, 6, 36, 49, 20, 42, 43, G, 13, G, 4, 20, 0},
    {24, 27, 47, 24, 8, 38, 52, 20, 44, 43, G, 14, G, 20, 20, 0},
    // Combo 3: raised overhead, heavy downward cut, deep crouch.
    {25, 30, 41, -6, -8, 31, 24, 29, 27, 38, G, 22, G, -120, -10, kTwo},
    {26, 28, 44, 20, 10, 39, 44, 35, 45, 43, G, 16, G, 38, 20, kTwo | kOpen},
    {27, 27, 48, 26, 10, 37, 55, 33, 54, 42, G, 15, G, 12, 20, kTwo},
    // Combo 4: drawn back to thrust, full lunge, recovering.
    {28, 31, 43, 8, 0, 26, 42, 24, 43, 39, G, 21, G, -4, 0, 0},
    {29, 27, 46, 26, 6, 38, 40, 20, 43, 44, G, 10, G, -6, 45, kOpen},
    {30, 29, 43.5, 14, 4, 38, 45, 22, 44, 42, G, 17, G, 22, 25, 0},
    // Combo 5: tucked leap with the blade behind, falling cleave, landing.
    {31, 31, 34, -2, -6, 27, 22, 26, 25, 37, 50, 26, 52, -135, -30, kTwo},
    {32, 30, 36, 18, 8, 39, 41, 35, 42, 36, 57, 24, 55, 52, 8, kTwo | kOpen},
    {33, 28, 47, 24, 8, 37, 55, 33, 55, 42, G, 16, G, 15, 20, kTwo},
    // Combo 6: crouched low, upward cut, blade carried over the back.
    {34, 28, 47, 18, 8, 26, 54, 24, 53, 42, G, 16, G, 162, 0, kTwo},
    {35, 31, 38.5, -2, -12, 36, 26, 33, 29, 37, G, 24, 59, -70, -25, kTwo | kOpen},
    {36, 31, 39.5, -10, -10, 28, 22, 26, 25, 36, G, 24, G, -145, -15, kTwo},
    // Combo 7: two quick strikes, then ready.
    {37, 29, 42.5, 14, 2, 38, 39, 34, 41, 42, G, 17, G, -20, 20, kTwo},
    {38, 29, 43, 20, 6, 37, 47, 24, 40, 42, G, 17, G, 28, 25, 0},
    {39, 30, 41, 6, 0, 38, 41, 35, 42, 38, G, 22, G, -40, 10, kTwo},
    // Combo 8: raised high behind, spinning slash, crouched finish.
    {40, 30, 41.5, -8, -6, 26, 24, 25, 27, 38, G, 21, G, -150, -10, kTwo},
    {41, 28, 42.5, 16, 4, 39, 36, 35, 38, 43, G, 16, G, -22, 25, kTwo | kOpen},
    {42, 27, 47.5, 24, 8, 37, 54, 33, 53, 42, G, 15, G, 12, 25, kTwo},
    // Combo 9: hand on the hilt at the hip, drawing cut at full stretch, turned finish.
    {43, 30, 44, 14, 4, 30, 46, 33, 47, 40, G, 17, G, 172, 0, 0},
    {44, 26, 46.5, 26, 6, 38, 41, 18, 41, 43, G, 9, G, -8, 45, kOpen},
    {45, 29, 42, 8, 0, 37, 37, 24, 43, 40, G, 20, G, -48, 20, 0},
    // Special 0: blade upright before the face, then swept level.
    {kHeroSpecial0Charge, 29, 42.5, 0, 0, 36, 34, 34, 38, 37, G, 21, G, -90, 0, kTwo | kClosed},
    {kHeroSpecial0Strike, 28, 43.5, 18, 4, 38, 39, 20, 40, 43, G, 15, G, -10, 30, kOpen},
    // Specials 1 and 2: a flurry of four positions.
    {48, 29, 42.5, 12, 0, 36, 30, 33, 33, 41, G, 18, G, -60, 10, kTwo},
    {49, 28, 43, 18, 4, 38, 40, 34, 42, 43, G, 16, G, -6, 25, kTwo},
    {50, 28, 43.5, 20, 6, 36, 48, 33, 48, 42, G, 17, G, 25, 25, kTwo},
    {51, 29, 42.5, 10, -2, 38, 36, 24, 36, 41, G, 18, G, -30, 15, 0},
    // Special 3: four great strikes.
    {52, 30, 41, -4, -8, 33, 26, 30, 28, 38, G, 22, G, -115, -10, kTwo | kOpen},
    {53, 27, 45, 24, 6, 38, 41, 20, 41, 44, G, 11, G, -6, 40, kOpen},
    {54, 27, 47.5, 24, 10, 37, 53, 33, 53, 42, G, 14, G, 18, 30, kTwo},
    {55, 31, 37, 0, -10, 36, 27, 22, 29, 37, 56, 25, 53, -65, -30, kOpen},
    // Story poses.
    {kHeroSit, 28, 55.5, -6, 4, 36, 57, 33, 58, 40, G, 36, G, 180, 0, kNoSword},
    {kHeroPray, 30, 40.5, 2, 14, 36, 36, 35, 36, 34, G, 26, G, 0, 0, kNoSword | kClosed},
    {kHeroWave, 30, 40.5, 0, -4, 38, 22, 26, 48, 35, G, 26, G, 0, 0, kNoSword | kOpen},
    {kHeroPoint, 30, 40.5, 4, 0, 45, 32, 26, 48, 36, G, 25, G, 0, 0, kNoSword},
    {kHeroVictory, 30, 40.5, -2, -6, 35, 27, 24, 46, 36, G, 24, G, -110, -10, kOpen},
    {kHeroLookUp, 30, 40.5, -6, -22, 34, 50, 26, 48, 35, G, 26, G, 160, 10, 0},
    {kHeroRest, 23, 51.5, 88, 8, 47, 61, 41, 61, 4, 60, 5, G, 178, -40, kNoSword | kClosed},
    {kHeroCarry, 31, 43, 30, 6, 26, 48, 40, 40, 44, G, 16, 57, 168, 45, kOpen},
};

struct CellJob {
    const Outfit* o;
    const PoseRow* p;
};

void PaintPose(cairo_t* cr, const void* ctx) {
    const CellJob* j = static_cast<const CellJob*>(ctx);
    const PoseRow& r = *j->p;
    Pose p = PoseFromRow(r);
    p.hip.y += 1.5;  // the table was laid out for a taller build
    Outfit o = *j->o;
    if (r.flags & kNoSword) o.weapon = kWeaponNone;
    DrawFigure(cr, o, p);
}

Outfit HeroBase() {
    Outfit o{};
    o.skin = MakeTone(0xF4CDA8);
    o.hair = MakeTone(0x2A1F2E);
    o.eye = Hex(0x3A2418);
    o.hair_style = kHairPonytail;
    o.hat = kHatNone;
    o.feet = MakeTone(0xF2F0EA);
    o.weapon = kWeaponKatana;
    o.bulk = 0.88;
    o.band = true;
    return o;
}

// Costume 0, as the story pictures show her: white kimono with a red under-collar, red
// hakama, a red ribbon on her ponytail.
Outfit HeroCostume0() {
    Outfit o = HeroBase();
    o.top = MakeTone(0xF4EEE2);
    o.bottom = MakeTone(0xC02A2E);
    o.belt = MakeTone(0x8E1C22);
    o.trim = MakeTone(0xC8262C);
    o.band_tone = MakeTone(0xD02830);
    o.band = false;
    o.legs = kLegHakama;
    o.sleeves_wide = true;
    return o;
}

// Costume 1: a travelling shinobi outfit, deep violet short kimono with pale leggings and a
// green headband.
Outfit HeroCostume1() {
    Outfit o = HeroBase();
    o.top = MakeTone(0x5A3A78);
    o.bottom = MakeTone(0x3A2C48);
    o.belt = MakeTone(0xC89A3A);
    o.trim = MakeTone(0xD8D0C0);
    o.band_tone = MakeTone(0x5CA05A);
    o.legs = kLegShortKimono;
    o.feet = MakeTone(0x3A2C30);
    return o;
}

// Costume 2: battle dress, white kimono under a red lacquered breastplate, black hakama and
// a gold headband.
Outfit HeroCostume2() {
    Outfit o = HeroBase();
    o.top = MakeTone(0xECE6DA);
    o.bottom = MakeTone(0x2A2630);
    o.belt = MakeTone(0xB03030);
    o.trim = MakeTone(0xB8302C);
    o.band_tone = MakeTone(0xE8C050);
    o.legs = kLegHakama;
    o.armour = true;
    return o;
}

void DrawSheet(ArtCanvas& c, const Outfit& o, const char* name) {
    for (const PoseRow& r : kPoses) {
        int col = r.cell % 8, row = r.cell / 8;
        CellJob j{&o, &r};
        char what[64];
        snprintf(what, sizeof what, "%s cell (%d, %d)", name, col, row);
        PaintCell(c, col * 64, row * 64, 64, 64, PaintPose, &j, what);
    }
    c.Cell(0, 0, 64, 64, "stand");
    c.Cell(64, 0, 64, 64, "walk");
    c.Cell(128, 0, 64, 64, "walk");
    c.Cell(384, 0, 64, 64, "hurt");
    for (int i = 0; i < 64; i++)
        if (i != 0 && i != 1 && i != 2 && i != 6) c.Cell((i % 8) * 64, (i / 8) * 64, 64, 64);
}

void DrawHeroSheet0(ArtCanvas& c) {
    DrawSheet(c, HeroCostume0(), "AE00249");
}
void DrawHeroSheet1(ArtCanvas& c) {
    DrawSheet(c, HeroCostume1(), "AE00369");
}
void DrawHeroSheet2(ArtCanvas& c) {
    DrawSheet(c, HeroCostume2(), "AE00168");
}

}  // namespace

ART_PICTURE("AE00249", 512, 512, DrawHeroSheet0, "heroine, costume 0");
ART_PICTURE("AE00369", 512, 512, DrawHeroSheet1, "heroine, costume 1");
ART_PICTURE("AE00168", 512, 512, DrawHeroSheet2, "heroine, costume 2");

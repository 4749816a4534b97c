// Side-view figures for the character sheets: a jointed body posed by hand, foot and hip
// targets (two-bone reach for the limbs), dressed by an Outfit and drawn as outlined cel
// shapes with two or three shades per colour. Every figure faces right; the game mirrors.
#pragma once
#include <cairo.h>

#include "tools/art/art.h"
#include "tools/art/paint.h"

struct V2 {
    double x, y;
};

// Shades of one colour: base, shadow, highlight; the outline is shared.
struct Tone {
    Rgb base, dark, light;
};
Tone MakeTone(uint32_t rgb);  // shadow and highlight derived from the base
Rgb Mix(Rgb a, Rgb b, double t);

extern const Rgb kInk;  // outline colour of every figure

// Primitive outlined shapes. `ow` is the outline width around the shape.
void InkCapsule(cairo_t* cr, V2 a, double ra, V2 b, double rb, Rgb fill, double ow = 1.0);
void InkPoly(cairo_t* cr, const V2* p, int n, Rgb fill, double ow = 1.0);
void InkCircle(cairo_t* cr, V2 c, double r, Rgb fill, double ow = 1.0);
void InkEllipse(cairo_t* cr, V2 c, double rx, double ry, double angleDeg, Rgb fill, double ow = 1.0);
// Filled without outline (for shading inside a shape already outlined).
void FlatPoly(cairo_t* cr, const V2* p, int n, Rgb fill);
void FlatCapsule(cairo_t* cr, V2 a, double ra, V2 b, double rb, Rgb fill);
void Line(cairo_t* cr, V2 a, V2 b, double w, Rgb c);

enum HairStyle { kHairPonytail, kHairTopknot, kHairBald, kHairBun, kHairLong, kHairShort, kHairNone };
enum HatStyle {
    kHatNone,
    kHatJingasa,  // flat conical soldier's hat
    kHatKabuto,   // samurai helmet with crest
    kHatHood,     // ninja hood and mask
    kHatKasa,     // wide straw hat
    kHatHorns,    // oni horns
    kHatTokin,    // small black cap of a mountain ascetic
    kHatScarf,    // cloth tied over the head
    kHatEboshi,   // tall black court cap
};
enum LegStyle { kLegHakama, kLegTrousers, kLegBare, kLegRobe, kLegShortKimono, kLegGhost };
enum PackStyle { kPackNone, kPackBox, kPackFirewood, kPackBasket };
enum Weapon {
    kWeaponNone,
    kWeaponKatana,
    kWeaponSpear,
    kWeaponClub,
    kWeaponKnife,
    kWeaponStaff,
    kWeaponNodachi
};

struct Outfit {
    Tone skin, hair, top, bottom, belt, trim, band_tone;
    Rgb eye;
    HairStyle hair_style;
    HatStyle hat;
    Tone hat_tone;
    LegStyle legs;
    bool armour;  // breastplate and shoulder guards in `trim`
    bool band;    // headband with trailing tails in `trim`
    bool beard;
    bool wings;  // black feathered wings (tengu)
    bool long_nose;
    bool sleeves_wide;  // kimono sleeves hang from the arms
    Tone feet;
    Weapon weapon;
    PackStyle pack;  // carried on the back
    double bulk;     // 1 = slim heroine build; up to 1.5 for a heavy oni
};

// A pose in cell pixels (cell top-left is 0, 0; feet stand on y 63).
struct Pose {
    V2 hip;
    double lean;          // torso angle from upright, degrees, + leans forward (right)
    double head_tilt;     // degrees, + nods forward
    V2 hand_f, hand_b;    // near (front) and far (back) hand targets
    V2 foot_f, foot_b;    // near and far foot targets (ankle points)
    double weapon_angle;  // degrees: 0 points right, -90 up, 90 down
    bool two_hands;       // far hand also grips the weapon
    double hair_swing;    // ponytail angle offset (degrees, + swings back/up)
    bool eyes_closed;
    bool mouth_open;
};

// Heights of the standard body (scaled by bulk for width only).
const double kHeadR = 7.6;
const double kTorsoLen = 13.0;
const double kThigh = 10.2, kShin = 10.2;
const double kUpperArm = 8.0, kForearm = 8.0;

// One pose as a table row: hip, lean, head tilt, near and far hands, near and far feet,
// weapon angle, hair swing and flags.
enum PoseFlag { kPoseTwoHands = 1, kPoseEyesClosed = 2, kPoseMouthOpen = 4, kPoseNoWeapon = 8 };
struct PoseRow {
    int cell;
    double hx, hy, lean, tilt;
    double hfx, hfy, hbx, hby;
    double ffx, ffy, fbx, fby;
    double weapon, swing;
    int flags;
};
Pose PoseFromRow(const PoseRow& r, double dx = 0, double dy = 0);
const double kGround = 61.2;  // ankle height that puts the soles on the bottom pixel row

// Shortcuts for posing: standard standing hip and neck.
V2 NeckOf(const Pose& p);
V2 HeadCentreOf(const Pose& p);

void DrawFigure(cairo_t* cr, const Outfit& o, const Pose& p);
// The weapon alone at a grip point (used by the figure and by loose props).
void DrawWeapon(cairo_t* cr, Weapon w, V2 grip, double angleDeg, double scale = 1.0);

// Draws one 64-pixel (or other sized) cell at (x, y): the painter draws in cell
// coordinates; the result is clipped one pixel inside the cell so nothing bleeds into
// the neighbour. With ART_CHECK set in the environment, a drawing that would have been
// cut by the clip is reported on stderr.
typedef void (*CellPainter)(cairo_t* cr, const void* ctx);
void PaintCell(ArtCanvas& c, double x, double y, double w, double h, CellPainter fn, const void* ctx,
               const char* what);

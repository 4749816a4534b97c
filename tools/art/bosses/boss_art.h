// Figure and effect drawing shared by the boss sheets: a side-view jointed figure (facing
// right, the game mirrors it) dressed by a Look, posed by a Pose, plus slash, thrust, pillar
// and burst shapes for the attack pictures. Everything is outlined flat colour with two or
// three shades, so it keys cleanly against magenta.
#pragma once
#include <cairo.h>

#include <cmath>

#include <string>

#include "tools/art/art.h"
#include "tools/art/paint.h"

namespace bosses {

struct Pt {
    double x, y;
};

enum HeadKind {
    kHeadHuman,
    kHeadOni,
    kHeadApe,
    kHeadTengu,
    kHeadFox,
    kHeadOx,
    kHeadLion,
    kHeadSkull,
    kHeadNinja
};
enum HatKind {
    kHatNone,
    kHatTopknot,
    kHatKabuto,
    kHatKasa,
    kHatHood,
    kHatEboshi,
    kHatTokin,
    kHatHeadband,
    kHatLongHair,
    kHatMonk,
    kHatHorns
};
enum WeaponKind {
    kWeaponNone,
    kWeaponKatana,
    kWeaponNodachi,
    kWeaponYari,
    kWeaponNaginata,
    kWeaponKanabo,
    kWeaponBow,
    kWeaponKama,
    kWeaponTanto,
    kWeaponStaff,
    kWeaponFan,
    kWeaponClaw,
    kWeaponAxe
};

struct Rig;
struct Look;
typedef void (*ExtraFn)(cairo_t* cr, const Rig& r, const Look& l);

struct Look {
    Rgb skin, skinDark;
    Rgb top, topDark, topLight;  // kimono or armour of the torso and arms
    Rgb legs, legsDark;          // hakama or trousers
    Rgb trim;                    // belt, lacing, collar
    Rgb hair;
    Rgb metal;  // blade colour
    HeadKind head;
    HatKind hat;
    WeaponKind weapon;
    double bulk;                           // 1 normal; larger is broader
    bool armour;                           // shoulder guards and skirt plates
    bool hakama;                           // wide trousers with a skirt over the hips
    bool bareArms;                         // forearms in skin colour
    double headScale, armScale, legScale;  // proportions, 1 = a person
    bool sleeves;                          // wide hanging kimono sleeves
    bool muscles;                          // pectoral and belly lines on a bare chest
    bool plainTorso;                       // no collar or sash (beasts)
    ExtraFn back;                          // drawn behind everything (wings, tails, capes)
    ExtraFn front;                         // drawn over everything
    ExtraFn overTorso;                     // drawn over the torso, under the head (manes, collars)
    ExtraFn headExtra;                     // drawn after the head, in head space (unit scale, facing right)
};

Look BaseLook();

struct Pose {
    double lean = 4, neck = 0;   // torso tilt forward, head tilt forward (degrees)
    double shB = -15, elB = 30;  // far arm: shoulder angle from straight down, elbow bend
    double shF = 20, elF = 40;   // near arm
    double hipB = -14, knB = 8;  // far leg: hip angle, knee bend (shin swings back)
    double hipF = 14, knF = 8;   // near leg
    double weapon = 40;          // world angle of the weapon, 0 = up, 90 = forward
    double lift = 0;             // height of the feet above the cell bottom
    double dx = 0;               // hip offset from the cell centre
    double rot = 0;              // whole-figure rotation about the hip
    bool twoHands = false;       // far hand also on the grip
    bool showWeapon = true;
    bool weaponInBack = false;  // weapon held in the far hand instead
    bool mouthOpen = false;
    bool eyesShut = false;
};

struct Rig {
    double s;
    Pt hip, shoulder, neckTop, head;
    Pt elbowB, handB, elbowF, handF;
    Pt kneeB, footB, kneeF, footF;
    double lean, headAng, weaponAng;
    Pose pose;
};

// Draws a figure standing in the cell (feet on the cell's bottom line unless lifted),
// clipped to the cell. s = 1 fills a 64-pixel cell.
void DrawFigure(cairo_t* cr, double cellX, double cellY, double cellW, double cellH, double s, const Look& l,
                const Pose& p);

// Path helpers: fill the current path and outline it.
void FillOutline(cairo_t* cr, Rgb fill, Rgb line, double lw);
void Limb(cairo_t* cr, Pt a, Pt b, Pt c, double w, Rgb fill, Rgb line, double lw);
void Segment(cairo_t* cr, Pt a, Pt b, double w, Rgb fill, Rgb line, double lw);
extern const Rgb kInk;  // outline colour

// A tapered crescent along an ellipse (cx, cy, rx, ry) from angle a0 to a1 (degrees, 0 = right,
// 90 = down), thickness t as a fraction of the radius. Layered core, middle and edge colours.
void Crescent(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1, double t,
              Rgb edge, Rgb mid, Rgb core);
// A horizontal streak filling (x, y, w, h): pointed at the right end, tapered at the left.
void Streak(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core);
// A vertical column of flame or light filling (x, y, w, h), flickering tongues at the top.
void Pillar(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core, uint32_t seed);
// A spiky burst centred in (x, y, w, h).
void Burst(cairo_t* cr, double x, double y, double w, double h, int spikes, Rgb edge, Rgb mid, Rgb core,
           uint32_t seed);
// A round flame (drop of fire, will-o'-wisp) centred in the box, tip pointing along angle (0 = up).
void Fireball(cairo_t* cr, double x, double y, double w, double h, double angle, Rgb edge, Rgb mid, Rgb core);
// A ground marker ring seen from the side.
void Marker(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb core);
// A swirl of several crescents filling the box (spin attacks).
void Whirl(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core);

// Records the cell and clips drawing to it until the matching EndCell.
void BeginCell(ArtCanvas& c, double x, double y, double w, double h, const std::string& label);
void EndCell(ArtCanvas& c);

}  // namespace bosses

namespace bosses {
// Stock poses; each boss adjusts them to its own moves.
Pose PoseStand();
Pose PoseWalkA();
Pose PoseWalkB();
Pose PoseWindup();    // weapon raised over the head
Pose PoseSlash();     // lunging cut, weapon forward and down
Pose PoseThrust();    // lunging stab, weapon level
Pose PoseGuard();     // weapon upright in front, both hands
Pose PoseHurt();      // thrown back
Pose PoseRecoil();    // stepping back from a clash
Pose PoseJump();      // knees drawn up in the air
Pose PoseDash();      // leaning low, weapon trailing
Pose PoseCrouch();    // coiled low before a spring
Pose PoseThrow();     // near arm flung forward
Pose PoseDefeated();  // on one knee, head bowed
}  // namespace bosses

namespace bosses {
// Draws one posed figure in cell (col, row) of a grid of cw x ch cells and records the cell.
void FigureCell(ArtCanvas& c, int col, int row, double cw, double ch, double s, const Look& l, const Pose& p,
                const std::string& label);
}  // namespace bosses

namespace bosses {
// A sword arc spanning the box: lower = the blade swept along the bottom (a downward cut seen
// from the side), otherwise along the top (a rising cut).
void ArcSlash(cairo_t* cr, double x, double y, double w, double h, bool lower, Rgb edge, Rgb mid, Rgb core);
// Palette helpers: three shades of one hue for effects.
struct Fx {
    Rgb edge, mid, core;
};
}  // namespace bosses

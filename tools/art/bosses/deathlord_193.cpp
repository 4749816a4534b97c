// Boss sheet of fight 18: the lord of the dead at the gate of the other world, a hooded skull
// in tattered black with a pale ghost blade, hurling soul-fire bombs. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (4,0) charge  (5,0) slash A   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (1,1) hop   (2,1) slash B   (3,1) bomb throw   (6,1) defeated
// Effects: slash A 192x64 at (0,128), slash B 192x64 at (192,128), bomb 32x32 at (384,128)
//   (drawn rotated while spinning), explosion 64x64 at (448,128) (stretched as it grows).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Tatters(cairo_t* cr, const Rig& r, const Look& l) {
    // a ragged cloak hanging from the shoulders behind the body
    double s = r.s;
    Pt a = r.shoulder;
    cairo_move_to(cr, a.x + 1 * s, a.y - 1 * s);
    cairo_curve_to(cr, a.x - 8 * s, a.y + 4 * s, a.x - 11 * s, a.y + 14 * s, a.x - 12 * s, a.y + 26 * s);
    for (int i = 0; i < 4; i++) {
        double x = a.x - 12 * s + i * 3.5 * s;
        cairo_line_to(cr, x + 1.7 * s, a.y + (21 + (i % 2) * 3) * s);
        cairo_line_to(cr, x + 3.5 * s, a.y + 26 * s);
    }
    cairo_curve_to(cr, a.x - 1 * s, a.y + 16 * s, a.x + 1 * s, a.y + 8 * s, a.x + 3 * s, a.y + 2 * s);
    cairo_close_path(cr);
    FillOutline(cr, l.topDark, kInk, 1.0);
}

Look DeathLook() {
    Look l = BaseLook();
    l.skin = Hex(0xE8E4D4);
    l.skinDark = Hex(0xB0AC9C);
    l.top = Hex(0x3E3050);
    l.topDark = Hex(0x261C34);
    l.topLight = Hex(0x6A5A80);
    l.legs = Hex(0x241C2C);
    l.legsDark = Hex(0x16101C);
    l.trim = Hex(0x5AD0A0);
    l.head = kHeadSkull;
    l.hat = kHatHood;
    l.weapon = kWeaponNodachi;
    l.metal = Hex(0xB8F8E0);
    l.bulk = 1.0;
    l.headScale = 1.15;
    l.back = Tatters;
    l.sleeves = true;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = DeathLook();
    const double s = 0.95;
    FigureCell(c, 0, 0, 64, 64, s, l, PoseStand(), "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseWindup(), "wind-up");
    FigureCell(c, 4, 0, 64, 64, s, l, PoseDash(), "charge");
    FigureCell(c, 5, 0, 64, 64, s, l, PoseSlash(), "slash A");
    FigureCell(c, 6, 0, 64, 64, s, l, PoseGuard(), "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "hop");
    Pose sb = PoseSlash();
    sb.shF = 140, sb.weapon = 50, sb.lean = 8;
    FigureCell(c, 2, 1, 64, 64, s, l, sb, "slash B");
    Pose th = PoseThrow();
    th.weaponInBack = true, th.showWeapon = true, th.weapon = 200;
    FigureCell(c, 3, 1, 64, 64, s, l, th, "bomb throw");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x1A7A5A), mid = Hex(0x8AF0C8), core = Hex(0xF0FFF8);
    BeginCell(c, 0, 128, 192, 64, "slash A 192x64");
    ArcSlash(cr, 0, 128, 192, 64, true, edge, mid, core);
    EndCell(c);
    BeginCell(c, 192, 128, 192, 64, "slash B 192x64");
    ArcSlash(cr, 192, 128, 192, 64, false, edge, mid, core);
    EndCell(c);
    BeginCell(c, 384, 128, 32, 32, "bomb");
    Fireball(cr, 384, 128, 32, 32, 45, edge, mid, core);
    cairo_arc(cr, 398, 147, 2.0, 0, 6.2832);
    cairo_arc(cr, 404, 143, 2.0, 0, 6.2832);
    SetColor(cr, kInk);
    cairo_fill(cr);
    EndCell(c);
    BeginCell(c, 448, 128, 64, 64, "explosion");
    Burst(cr, 448, 128, 64, 64, 9, edge, mid, core, 193);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00193", 512, 512, bosses::Draw, "boss: lord of the dead (fight 18)");

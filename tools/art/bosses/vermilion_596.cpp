// Boss sheet of fights 15 and 16: the vermilion general, lord of the phoenix castle, in
// scarlet and gold armour, who hurls burning wheels. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) dash-through pose 1 (draw)
//   (4,0) dash-through pose 2 (coil)   (5,0) dash-through pose 3 (lunge)   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (2,1) dash   (3,1) wheel throw   (6,1) defeated
// Effects: slash 128x128 at (0,128) (a crossing cut), wheel 64x64 at (128,128) (drawn spinning),
//   flame pillar 64x128 at (192,128), flame pillar 64x192 at (256,128).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Mantle(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s;
    Pt a = r.shoulder;
    cairo_move_to(cr, a.x - 2 * s, a.y - 1 * s);
    cairo_curve_to(cr, a.x - 10 * s, a.y + 6 * s, a.x - 14 * s, a.y + 16 * s, a.x - 16 * s, a.y + 24 * s);
    cairo_line_to(cr, a.x - 10 * s, a.y + 22 * s);
    cairo_line_to(cr, a.x - 8 * s, a.y + 25 * s);
    cairo_curve_to(cr, a.x - 6 * s, a.y + 14 * s, a.x - 2 * s, a.y + 6 * s, a.x + 2 * s, a.y + 2 * s);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xF0A020), kInk, 1.0);
    (void)l;
}

Look VermilionLook() {
    Look l = BaseLook();
    l.top = Hex(0xD83A20);
    l.topDark = Hex(0x8E2010);
    l.topLight = Hex(0xFF7050);
    l.legs = Hex(0x3A2A2A);
    l.legsDark = Hex(0x241818);
    l.trim = Hex(0xF0C030);
    l.hat = kHatKabuto;
    l.weapon = kWeaponKatana;
    l.armour = true;
    l.bulk = 1.15;
    l.back = Mantle;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = VermilionLook();
    const double s = 0.95;
    FigureCell(c, 0, 0, 64, 64, s, l, PoseStand(), "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    Pose d1 = PoseStand();
    d1.shF = 10, d1.elF = 100, d1.weapon = 250, d1.lean = 10;  // hand on the hilt at the hip
    FigureCell(c, 3, 0, 64, 64, s, l, d1, "dash pose 1");
    Pose d2 = PoseCrouch();
    d2.shF = 20, d2.elF = 90, d2.weapon = 255;
    FigureCell(c, 4, 0, 64, 64, s, l, d2, "dash pose 2");
    Pose d3 = PoseThrust();
    d3.weapon = 95;
    FigureCell(c, 5, 0, 64, 64, s, l, d3, "dash pose 3");
    FigureCell(c, 6, 0, 64, 64, s, l, PoseGuard(), "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 2, 1, 64, 64, s, l, PoseDash(), "dash");
    Pose th = PoseThrow();
    th.weaponInBack = true, th.showWeapon = true, th.weapon = 200;
    FigureCell(c, 3, 1, 64, 64, s, l, th, "wheel throw");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0xC02010), mid = Hex(0xFF9030), core = Hex(0xFFF4C0);
    BeginCell(c, 0, 128, 128, 128, "slash 128x128");
    Crescent(cr, 64, 128 + 64, 60, 60, 200, 340, 0.45, edge, mid, core);
    Crescent(cr, 64, 128 + 64, 60, 60, 20, 160, 0.45, edge, mid, core);
    cairo_move_to(cr, 10, 128 + 14);
    cairo_line_to(cr, 118, 128 + 114);
    cairo_move_to(cr, 118, 128 + 14);
    cairo_line_to(cr, 10, 128 + 114);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    SetColor(cr, core);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    EndCell(c);
    // the burning wheel: spoked rim wrapped in flame
    BeginCell(c, 128, 128, 64, 64, "wheel");
    Burst(cr, 128, 128, 64, 64, 12, edge, mid, core, 596);
    cairo_arc(cr, 160, 160, 19, 0, 6.2832);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0x6A3A1A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 0; i < 6; i++) {
        double a = i * 3.14159265 / 3;
        Segment(cr, {160, 160}, {160 + std::cos(a) * 18, 160 + std::sin(a) * 18}, 2.6, Hex(0x8A5030), kInk,
                1.0);
    }
    cairo_arc(cr, 160, 160, 5, 0, 6.2832);
    FillOutline(cr, Hex(0xF0C030), kInk, 1.2);
    EndCell(c);
    BeginCell(c, 192, 128, 64, 128, "flame 64x128");
    Pillar(cr, 192, 128, 64, 128, edge, mid, core, 597);
    EndCell(c);
    BeginCell(c, 256, 128, 64, 192, "flame 64x192");
    Pillar(cr, 256, 128, 64, 192, edge, mid, core, 598);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00596", 512, 512, bosses::Draw, "boss: vermilion general (fights 15, 16)");

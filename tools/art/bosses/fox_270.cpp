// Boss sheet of fight 20: the nine-tailed fox, the true master of the mountain god's castle,
// a white fox spirit in a court robe with a violet blade, foxfire bombs and three familiars.
// 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (4,0) charge  (5,0) slash A (frames 0-4)   (6,0) slash B (frames 5-9)   (7,0) hurt
//   (0,1) recoil  (1,1) hop   (2,1) wave cast   (3,1) bomb throw   (6,1) defeated
// Effects: slash A 192x64 at (0,128), slash B 192x64 at (192,128), wave 128x128 at (384,128),
//   bomb 32x32 at (0,192), explosion 64x64 at (32,192), familiar poses 64x64 at (128,192),
//   (192,192) and (256,192).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Tails(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt h = {r.hip.x - 3 * s, r.hip.y - 2 * s};
    for (int i = 8; i >= 0; i--) {
        // each tail a plump tapered plume, fanned from low behind to high behind
        double a = (-205 + i * 15) * 3.14159265 / 180;
        double len = (27 - std::abs(i - 4) * 1.3) * s;
        Pt d = {std::cos(a), std::sin(a)}, n = {-d.y, d.x};
        Pt tip = {h.x + d.x * len + n.x * 7 * s, h.y + d.y * len + n.y * 7 * s};
        Pt m = {h.x + d.x * len * 0.55, h.y + d.y * len * 0.55};
        double w = 5.0 * s;
        cairo_move_to(cr, h.x + n.x * 1.2 * s, h.y + n.y * 1.2 * s);
        cairo_curve_to(cr, m.x + n.x * w, m.y + n.y * w, tip.x + n.x * w * 0.6, tip.y + n.y * w * 0.6, tip.x,
                       tip.y);
        cairo_curve_to(cr, tip.x - n.x * w * 0.3, tip.y - n.y * w * 0.3, m.x - n.x * w, m.y - n.y * w,
                       h.x - n.x * 1.2 * s, h.y - n.y * 1.2 * s);
        cairo_close_path(cr);
        FillOutline(cr, i % 2 ? Hex(0xE8D8B0) : Hex(0xFBF6EC), kInk, 1.0);
        // golden tip
        Pt t0 = {h.x + d.x * len * 0.8 + n.x * 2.6 * s, h.y + d.y * len * 0.8 + n.y * 2.6 * s};
        cairo_move_to(cr, t0.x + n.x * 2.2 * s, t0.y + n.y * 2.2 * s);
        cairo_line_to(cr, tip.x, tip.y);
        cairo_line_to(cr, t0.x - n.x * 2.2 * s, t0.y - n.y * 2.2 * s);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xE8A040));
        cairo_fill(cr);
    }
}

Look FoxLook() {
    Look l = BaseLook();
    l.skin = Hex(0xF8F4EC);
    l.skinDark = Hex(0xD0C8B8);
    l.top = Hex(0x6A2A8A);
    l.topDark = Hex(0x441A5C);
    l.topLight = Hex(0xF0C040);
    l.legs = Hex(0xC02838);
    l.legsDark = Hex(0x881A26);
    l.trim = Hex(0xF0C040);
    l.hair = Hex(0xE8E0D0);
    l.head = kHeadFox;
    l.hat = kHatNone;
    l.weapon = kWeaponKatana;
    l.metal = Hex(0xD8B8FF);
    l.bulk = 0.95;
    l.back = Tails;
    l.sleeves = true;
    return l;
}

Rgb FxEdge() {
    return Hex(0x6A2AB0);
}
Rgb FxMid() {
    return Hex(0xD8A0FF);
}
Rgb FxCore() {
    return Hex(0xFFFFFF);
}

void Familiar(cairo_t* cr, double x, double y, int pose) {
    // a foxfire spirit with a small fox mask
    double sway = (pose - 1) * 14;
    Fireball(cr, x + 10, y + 4, 44, 56, sway, Hex(0x2A60C0), Hex(0x80D8FF), Hex(0xE8FFFF));
    double cx = x + 32, cy = y + 38;
    cairo_move_to(cr, cx - 9, cy - 4);
    cairo_line_to(cr, cx - 7, cy - 13);
    cairo_line_to(cr, cx - 2, cy - 7);
    cairo_line_to(cr, cx + 2, cy - 7);
    cairo_line_to(cr, cx + 7, cy - 13);
    cairo_line_to(cr, cx + 9, cy - 4);
    cairo_line_to(cr, cx, cy + 8);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFFFFF), kInk, 1.2);
    cairo_move_to(cr, cx - 6, cy - 3);
    cairo_line_to(cr, cx - 2, cy - 1);
    cairo_move_to(cr, cx + 6, cy - 3);
    cairo_line_to(cr, cx + 2, cy - 1);
    SetColor(cr, Hex(0xD02030));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void Draw(ArtCanvas& c) {
    Look l = FoxLook();
    const double s = 0.92;
    Pose st = PoseStand();
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseWindup(), "wind-up");
    FigureCell(c, 4, 0, 64, 64, s, l, PoseDash(), "charge");
    FigureCell(c, 5, 0, 64, 64, s, l, PoseSlash(), "slash A");
    Pose sb = PoseSlash();
    sb.shF = 140, sb.weapon = 50, sb.lean = 8;
    FigureCell(c, 6, 0, 64, 64, s, l, sb, "slash B");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "hop");
    Pose wc = PoseThrust();
    wc.weapon = 88, wc.shB = 100, wc.elB = 0;
    FigureCell(c, 2, 1, 64, 64, s, l, wc, "wave cast");
    Pose th = PoseThrow();
    th.weaponInBack = true, th.showWeapon = true, th.weapon = 200;
    FigureCell(c, 3, 1, 64, 64, s, l, th, "bomb throw");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    BeginCell(c, 0, 128, 192, 64, "slash A 192x64");
    ArcSlash(cr, 0, 128, 192, 64, true, FxEdge(), FxMid(), FxCore());
    EndCell(c);
    BeginCell(c, 192, 128, 192, 64, "slash B 192x64");
    ArcSlash(cr, 192, 128, 192, 64, false, FxEdge(), FxMid(), FxCore());
    EndCell(c);
    BeginCell(c, 384, 128, 128, 128, "wave 128x128");
    Crescent(cr, 384 + 20, 128 + 64, 100, 60, -80, 80, 0.55, FxEdge(), FxMid(), FxCore());
    Crescent(cr, 384 + 4, 128 + 64, 70, 40, -75, 75, 0.5, FxEdge(), FxMid(), FxCore());
    EndCell(c);
    BeginCell(c, 0, 192, 32, 32, "bomb");
    cairo_arc(cr, 16, 208, 13, 0, 6.2832);
    FillOutline(cr, Hex(0x2A60C0), kInk, 1.4);
    cairo_arc(cr, 14, 206, 8, 0, 6.2832);
    SetColor(cr, Hex(0x80D8FF));
    cairo_fill(cr);
    cairo_arc(cr, 12, 203, 3.5, 0, 6.2832);
    SetColor(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    EndCell(c);
    BeginCell(c, 32, 192, 64, 64, "explosion");
    Burst(cr, 32, 192, 64, 64, 10, Hex(0x2A60C0), Hex(0x80D8FF), Hex(0xFFFFFF), 270);
    EndCell(c);
    for (int p = 0; p < 3; p++) {
        BeginCell(c, 128 + p * 64, 192, 64, 64, p == 0 ? "familiar A" : p == 1 ? "familiar B" : "familiar C");
        Familiar(cr, 128 + p * 64, 192, p);
        EndCell(c);
    }
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00270", 512, 512, bosses::Draw, "boss: nine-tailed fox (fight 20)");

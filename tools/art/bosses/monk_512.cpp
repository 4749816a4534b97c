// Boss sheet of fight 8: the warrior monk of the bridge, a hooded giant in black robes with a
// glaive, who prays down a rain of fire. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (4,0) strike A (low sweep)   (5,0) strike B (overhead)   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (1,1) hop   (2,1) back-step   (3,1) prayer (fire rain)   (6,1) defeated
// Effects: strike A 192x128 at (0,128), strike B 192x192 at (192,128), position marker 64x64 at
//   (384,128), falling drop 64x64 at (448,128), burst A 64x64 at (384,192), burst B 64x64 at
//   (448,192), flame 64x256 at (384,256).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Beads(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    for (int i = 0; i < 7; i++) {
        double t = i / 6.0;
        double x = r.shoulder.x + (-3 + 8 * t) * s, y = r.shoulder.y + (1 + 8 * t - 5 * t * t) * s;
        cairo_arc(cr, x, y, 1.3 * s, 0, 6.2832);
        FillOutline(cr, Hex(0x7A3A20), kInk, 0.6);
    }
}

Look MonkLook() {
    Look l = BaseLook();
    l.skin = Hex(0xD89C70);
    l.skinDark = Hex(0xA87450);
    l.top = Hex(0x2A2A30);
    l.topDark = Hex(0x18181C);
    l.topLight = Hex(0xE8E4DC);
    l.legs = Hex(0xE0DCD2);
    l.legsDark = Hex(0xA8A49A);
    l.trim = Hex(0xC8A040);
    l.hat = kHatMonk;
    l.weapon = kWeaponNaginata;
    l.bulk = 1.35;
    l.front = Beads;
    l.sleeves = true;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = MonkLook();
    const double s = 0.98;
    Pose st = PoseStand();
    st.weapon = 10, st.shF = 25, st.elF = 60;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 15, wb.weapon = 8;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseWindup(), "wind-up");
    Pose sa = PoseSlash();
    sa.weapon = 105;
    FigureCell(c, 4, 0, 64, 64, s, l, sa, "strike A");
    Pose sb = PoseSlash();
    sb.shF = 150, sb.elF = 0, sb.weapon = 30, sb.lean = 2;
    FigureCell(c, 5, 0, 64, 64, s, l, sb, "strike B");
    Pose gd = PoseGuard();
    gd.weapon = 20;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "hop");
    Pose bs = PoseRecoil();
    bs.lean = 6, bs.shF = 40, bs.weapon = 60;
    FigureCell(c, 2, 1, 64, 64, s, l, bs, "back-step");
    Pose pr = PoseStand();
    pr.shF = 60, pr.elF = 100, pr.shB = 50, pr.elB = 100, pr.neck = 10, pr.eyesShut = true;
    pr.showWeapon = false;
    FigureCell(c, 3, 1, 64, 64, s, l, pr, "prayer");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x6A5A90), mid = Hex(0xC8C0F0), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 128, 192, 128, "strike A 192x128");
    Crescent(cr, 20, 128 + 120, 166, 110, -92, -2, 0.5, edge, mid, core);
    EndCell(c);
    BeginCell(c, 192, 128, 192, 192, "strike B 192x192");
    Crescent(cr, 192 + 20, 128 + 186, 166, 178, -92, -2, 0.5, edge, mid, core);
    EndCell(c);
    Rgb fe = Hex(0xC02810), fm = Hex(0xFF8A20), fc = Hex(0xFFF0A0);
    BeginCell(c, 384, 128, 64, 64, "marker");
    Marker(cr, 384, 128, 64, 64, fe, fc);
    EndCell(c);
    BeginCell(c, 448, 128, 64, 64, "drop");
    Fireball(cr, 448 + 8, 128 + 2, 48, 60, 180, fe, fm, fc);
    EndCell(c);
    BeginCell(c, 384, 192, 64, 64, "burst A");
    Burst(cr, 384 + 8, 192 + 16, 48, 48, 8, fe, fm, fc, 512);
    EndCell(c);
    BeginCell(c, 448, 192, 64, 64, "burst B");
    Burst(cr, 448, 192, 64, 64, 11, fe, fm, fc, 513);
    EndCell(c);
    BeginCell(c, 384, 256, 64, 256, "flame 64x256");
    Pillar(cr, 384, 256, 64, 256, fe, fm, fc, 514);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00512", 512, 512, bosses::Draw, "boss: warrior monk (fight 8)");

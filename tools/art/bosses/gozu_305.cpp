// Boss sheet of fight 17: the ox-headed gatekeeper of the world of the dead, tall in grey
// armour with an iron club, flanked by two floating spirit fins. 64 x 128 body cells (row 0):
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up 1   (4,0) wind-up 2
//   (5,0) strike  (6,0) parry stance   (7,0) hurt
// Row 1 (y 128): recoil 64x128 at (0,128), defeated 64x128 at (64,128); the 64x64 body of maps
//   41 and 57: stand (128,128), walk (192,128); fin A 32x64 at (256,128), fin B 32x64 at
//   (288,128); shot 32x32 at (320,128).
// Effects: strike 128x192 at (0,256) (stands over the body, from 64 px above its top to its feet).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look GozuLook() {
    Look l = BaseLook();
    l.skin = Hex(0x6A4A3A);
    l.skinDark = Hex(0x4A3024);
    l.top = Hex(0x6A7080);
    l.topDark = Hex(0x444856);
    l.topLight = Hex(0x9AA0B0);
    l.legs = Hex(0x3A2E2A);
    l.legsDark = Hex(0x261E1A);
    l.trim = Hex(0xB03030);
    l.head = kHeadOx;
    l.hat = kHatNone;
    l.weapon = kWeaponKanabo;
    l.armour = true;
    l.bulk = 0.95;
    l.legScale = 1.25;
    l.headScale = 1.1;
    l.metal = Hex(0xB8C0C8);
    return l;
}

void Fin(cairo_t* cr, double x, double y, bool b) {
    // a flame-edged spirit blade hovering upright
    cairo_move_to(cr, x + 16, y + 2);
    cairo_curve_to(cr, x + (b ? 30 : 28), y + 18, x + 28, y + 44, x + 16, y + 62);
    cairo_curve_to(cr, x + 4, y + 44, x + (b ? 4 : 2), y + 18, x + 16, y + 2);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x3A9AB0), kInk, 1.4);
    cairo_move_to(cr, x + 16, y + 10);
    cairo_curve_to(cr, x + 23, y + 22, x + 23, y + 40, x + 16, y + 54);
    cairo_curve_to(cr, x + 9, y + 40, x + 9, y + 22, x + 16, y + 10);
    SetColor(cr, Hex(0xA8F0FF));
    cairo_fill(cr);
    cairo_arc(cr, x + 16, y + (b ? 26 : 36), 3.5, 0, 6.2832);
    FillOutline(cr, Hex(0xFFFFFF), Hex(0x1A5A70), 1.0);
}

// Keeps the tall body within its narrow cell: shorter strides and a tucked weapon.
Pose Narrow(Pose p) {
    p.hipB *= 0.6, p.hipF *= 0.6, p.knB *= 0.8, p.knF *= 0.8;
    return p;
}

void Cell128(ArtCanvas& c, int col, int row, const Look& l, const Pose& p, const char* label) {
    FigureCell(c, col, row, 64, 128, 1.6, l, Narrow(p), label);
}

void Draw(ArtCanvas& c) {
    Look l = GozuLook();
    Pose st = PoseStand();
    st.weapon = 5, st.shF = 15, st.elF = 70;
    Cell128(c, 0, 0, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 18, wb.weapon = 12;
    Cell128(c, 1, 0, l, wa, "walk A");
    Cell128(c, 2, 0, l, wb, "walk B");
    Pose w1 = PoseGuard();
    w1.weapon = -20, w1.shF = 90, w1.elF = 80;
    Cell128(c, 3, 0, l, w1, "wind-up 1");
    Pose w2 = PoseWindup();
    w2.shF = 100, w2.elF = 75, w2.weapon = -60, w2.mouthOpen = true;
    Cell128(c, 4, 0, l, w2, "wind-up 2");
    Pose sk = PoseSlash();
    sk.weapon = 165, sk.shF = 40, sk.elF = 20, sk.dx = -2, sk.lean = 12;
    Cell128(c, 5, 0, l, sk, "strike");
    Pose pa = PoseGuard();
    pa.weapon = 35, pa.lean = -4;
    Cell128(c, 6, 0, l, pa, "parry stance");
    Pose hu = PoseHurt();
    hu.dx = 0;
    Cell128(c, 7, 0, l, hu, "hurt");
    Pose rc = PoseRecoil();
    rc.dx = -1, rc.weapon = 30, rc.shF = 90;
    Cell128(c, 0, 1, l, rc, "recoil");
    Pose df = PoseDefeated();
    df.lean = 22, df.neck = 18, df.dx = -7, df.weapon = 120, df.shF = 30, df.elF = 0;
    Cell128(c, 1, 1, l, df, "defeated");
    c.Cell(128, 128, 64, 64, "map stand");
    DrawFigure(c.cr, 128, 128, 64, 64, 0.95, l, st);
    c.Cell(192, 128, 64, 64, "map walk");
    DrawFigure(c.cr, 192, 128, 64, 64, 0.95, l, wa);

    cairo_t* cr = c.cr;
    BeginCell(c, 256, 128, 32, 64, "fin A");
    Fin(cr, 256, 128, false);
    EndCell(c);
    BeginCell(c, 288, 128, 32, 64, "fin B");
    Fin(cr, 288, 128, true);
    EndCell(c);
    BeginCell(c, 320, 128, 32, 32, "shot");
    Fireball(cr, 320, 128, 32, 32, 90, Hex(0x2A8AB0), Hex(0x90E8FF), Hex(0xFFFFFF));
    EndCell(c);
    BeginCell(c, 0, 256, 128, 192, "strike 128x192");
    Crescent(cr, 0, 256 + 120, 124, 116, -95, 95, 0.62, Hex(0x3A7A90), Hex(0xA0E0F0), Hex(0xFFFFFF));
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00305", 512, 512, bosses::Draw, "boss: ox-headed gatekeeper (fight 17)");

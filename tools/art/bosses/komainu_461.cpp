// Boss sheet of fight 14: the lion-dog guardian of the headless shrine, a gilded beast-warrior
// with a green curly mane whose leaps send shock waves along the ground. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up A   (4,0) wind-up B (step)
//   (5,0) leap    (6,0) guard   (7,0) hurt
//   (0,1) recoil  (1,1) landing strike   (6,1) defeated
// Effects: strike 128x64 at (0,128), strike 192x256 at (128,128), shock wave 64x64 at
//   (320,128) (travelling right; mirrored for the left one).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Tail(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s;
    Pt h = {r.hip.x - 4 * s, r.hip.y - 2 * s};
    cairo_move_to(cr, h.x, h.y);
    cairo_curve_to(cr, h.x - 8 * s, h.y - 2 * s, h.x - 10 * s, h.y - 10 * s, h.x - 6 * s, h.y - 14 * s);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 4.4 * s);
    cairo_stroke(cr);
    cairo_move_to(cr, h.x, h.y);
    cairo_curve_to(cr, h.x - 8 * s, h.y - 2 * s, h.x - 10 * s, h.y - 10 * s, h.x - 6 * s, h.y - 14 * s);
    SetColor(cr, l.skin);
    cairo_set_line_width(cr, 2.6 * s);
    cairo_stroke(cr);
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, h.x - 6 * s + (i - 1) * 2.6 * s, h.y - 15 * s + (i == 1 ? -1.5 : 0) * s, 2.8 * s, 0,
                  6.2832);
        FillOutline(cr, l.hair, kInk, 0.8);
    }
}

Look KomainuLook() {
    Look l = BaseLook();
    l.skin = Hex(0xE0B040);
    l.skinDark = Hex(0xA87C20);
    l.top = Hex(0xC8A038);
    l.topDark = Hex(0x8E6E1C);
    l.topLight = Hex(0xF0D070);
    l.legs = Hex(0xC8A038);
    l.legsDark = Hex(0x8E6E1C);
    l.trim = Hex(0xC03028);
    l.hair = Hex(0x3A9A6A);
    l.head = kHeadLion;
    l.hat = kHatNone;
    l.weapon = kWeaponClaw;
    l.hakama = false;
    l.plainTorso = true;
    l.bulk = 1.25;
    l.headScale = 1.25;
    l.legScale = 0.9;
    l.back = Tail;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = KomainuLook();
    const double s = 0.92;
    Pose st = PoseStand();
    st.lean = 14, st.shF = 40, st.elF = 50, st.shB = 20, st.elB = 50;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    Pose wa = PoseCrouch();
    wa.shF = 110, wa.elF = 40, wa.shB = 90, wa.elB = 40, wa.mouthOpen = true;
    FigureCell(c, 3, 0, 64, 64, s, l, wa, "wind-up A");
    Pose wb = PoseThrust();
    wb.shF = 120, wb.elF = 30, wb.shB = 100, wb.elB = 30;
    FigureCell(c, 4, 0, 64, 64, s, l, wb, "wind-up B");
    Pose lp = PoseJump();
    lp.shF = 160, lp.elF = 10, lp.shB = 150, lp.elB = 10, lp.lift = 4;
    FigureCell(c, 5, 0, 64, 64, s, l, lp, "leap");
    Pose gd = PoseGuard();
    gd.twoHands = false, gd.shF = 100, gd.elF = 80, gd.shB = 90, gd.elB = 80;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    Pose ls = PoseCrouch();
    ls.shF = 40, ls.elF = -30, ls.shB = 30, ls.elB = -30, ls.lean = 50;
    FigureCell(c, 1, 1, 64, 64, s, l, ls, "landing strike");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x2A8A5A), mid = Hex(0x9AF0C0), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 128, 128, 64, "strike 128x64");
    ArcSlash(cr, 0, 128, 128, 64, true, edge, mid, core);
    EndCell(c);
    BeginCell(c, 128, 128, 192, 256, "strike 192x256");
    Crescent(cr, 128 + 20, 128 + 150, 164, 140, -100, 70, 0.5, edge, mid, core);
    Crescent(cr, 128 + 20, 128 + 150, 110, 96, -90, 60, 0.45, edge, mid, core);
    EndCell(c);
    BeginCell(c, 320, 128, 64, 64, "shock wave");
    Crescent(cr, 320 + 8, 128 + 62, 52, 58, -90, 0, 0.55, edge, mid, core);
    Crescent(cr, 320 + 2, 128 + 62, 30, 36, -90, 0, 0.55, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00461", 512, 512, bosses::Draw, "boss: lion-dog guardian (fight 14)");

// Boss sheet of fight 0: the mountain oni, a red giant in a tiger-skin with an iron club.
// A 4 x 4 grid of 128-pixel cells (column, row):
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up (club raised, hopping)
//   (0,1) recovery (club on the ground)   (1,1) strike   (2,1)-(3,1) slash 192x128 at (256,128)
//   (0,2) recoil  (1,2) hurt     (2,2) defeated (3,2) slash 128x128 (the Normal and Easy size)
// The 40-frame walk cycle shows stand, walk A, stand, walk B. The Normal and Easy strike may
// squeeze the 192x128 slash into its 128x128 quad or use the 128x128 slash cell.
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void TigerSkin(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt h = r.hip;
    cairo_move_to(cr, h.x - 6.5 * s, h.y - 2.5 * s);
    cairo_line_to(cr, h.x + 6.5 * s, h.y - 3.0 * s);
    cairo_line_to(cr, h.x + 7.5 * s, h.y + 4.5 * s);
    cairo_line_to(cr, h.x + 2.0 * s, h.y + 7.5 * s);
    cairo_line_to(cr, h.x - 1.0 * s, h.y + 5.0 * s);
    cairo_line_to(cr, h.x - 7.5 * s, h.y + 6.5 * s);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xE8B030), kInk, 1.2);
    for (int i = 0; i < 4; i++) {
        double x = h.x - 5 * s + i * 3.4 * s;
        cairo_move_to(cr, x, h.y - 2.2 * s);
        cairo_line_to(cr, x + 1.2 * s, h.y + 1.5 * s);
        cairo_line_to(cr, x + 0.2 * s, h.y + 4.5 * s);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 1.2 * s);
        cairo_stroke(cr);
    }
}

Look OniLook() {
    Look l = BaseLook();
    l.skin = Hex(0xD84830);
    l.skinDark = Hex(0x9A2A1C);
    l.top = l.skin;
    l.topDark = l.skinDark;
    l.topLight = Hex(0xF07858);
    l.legs = l.skin;
    l.legsDark = l.skinDark;
    l.trim = Hex(0x2A1A14);
    l.hair = Hex(0x2A1C30);
    l.head = kHeadOni;
    l.hat = kHatNone;
    l.weapon = kWeaponKanabo;
    l.bulk = 1.45;
    l.hakama = false;
    l.front = TigerSkin;
    l.headScale = 1.15;
    l.muscles = true;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = OniLook();
    const double s = 2.0;
    Pose st = PoseStand();
    st.lean = 8, st.weapon = 30, st.shF = 20, st.elF = 50, st.dx = 2;
    FigureCell(c, 0, 0, 128, 128, s, l, st, "stand");
    Pose wa = PoseWalkA();
    wa.weapon = 35, wa.dx = 2;
    FigureCell(c, 1, 0, 128, 128, s, l, wa, "walk A");
    Pose wb = PoseWalkB();
    wb.weapon = 25, wb.dx = 2;
    FigureCell(c, 2, 0, 128, 128, s, l, wb, "walk B");
    Pose wu = PoseWindup();
    wu.weapon = -105, wu.shF = 70, wu.elF = 105, wu.lean = -4, wu.lift = 3, wu.mouthOpen = true, wu.dx = 2;
    FigureCell(c, 3, 0, 128, 128, s, l, wu, "wind-up");
    Pose rec = PoseSlash();
    rec.weapon = 150, rec.shF = 60, rec.lean = 28, rec.dx = -4;
    FigureCell(c, 0, 1, 128, 128, s, l, rec, "recovery");
    Pose st1 = PoseSlash();
    st1.weapon = 100, st1.shF = 95, st1.mouthOpen = true, st1.dx = -6;
    FigureCell(c, 1, 1, 128, 128, s, l, st1, "strike");
    Pose rc = PoseRecoil();
    rc.weapon = 10;
    FigureCell(c, 0, 2, 128, 128, s, l, rc, "recoil");
    FigureCell(c, 1, 2, 128, 128, s, l, PoseHurt(), "hurt");
    Pose df = PoseDefeated();
    df.weapon = 95, df.shF = 40, df.elF = 0;
    FigureCell(c, 2, 2, 128, 128, s, l, df, "defeated");

    Rgb edge = Hex(0xC02818), mid = Hex(0xFF9A40), core = Hex(0xFFF0C0);
    BeginCell(c, 256, 128, 192, 128, "slash 192x128");
    Crescent(c.cr, 256 + 70, 128 + 60, 118, 62, -80, 80, 0.55, edge, mid, core);
    EndCell(c);
    BeginCell(c, 384, 256, 128, 128, "slash 128x128");
    Crescent(c.cr, 384 + 40, 256 + 64, 84, 62, -80, 80, 0.55, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00553", 512, 512, bosses::Draw, "boss: mountain oni (fight 0)");

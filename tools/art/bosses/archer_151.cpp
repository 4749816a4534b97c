// Boss sheet of fight 7: the archer of the cliff village, a woman warrior with a longbow whose
// arrows cannot be parried. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) nock   (4,0) draw   (5,0) full draw
//   (6,0) guard   (7,0) hurt   (1,1) leap (shooting in the air)   (6,1) defeated
// Effects: bolt 256x32 at (0,128) (an arrow with its glowing trail, flying right).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

bool gArrow = false;

void Quiver(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s;
    Pt a = {r.shoulder.x - 5 * s, r.shoulder.y - 3 * s}, b = {r.hip.x - 6 * s, r.hip.y - 1 * s};
    Segment(cr, a, b, 4.5 * s, Hex(0x5A3A22), kInk, 1.0);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, a.x + (i - 1) * 1.5 * s, a.y);
        cairo_line_to(cr, a.x + (i - 1) * 1.5 * s - 1 * s, a.y - 4 * s);
        SetColor(cr, l.trim);
        cairo_set_line_width(cr, 1.2 * s);
        cairo_stroke(cr);
    }
}

void Arrow(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    if (!gArrow) return;
    double s = r.s;
    Pt a = r.handB, b = {r.handF.x + 8 * s, r.handF.y};
    Segment(cr, a, b, 1.0 * s, Hex(0xD8C8A0), kInk, 0.5);
    cairo_move_to(cr, b.x + 3 * s, b.y);
    cairo_line_to(cr, b.x - 1 * s, b.y - 1.6 * s);
    cairo_line_to(cr, b.x - 1 * s, b.y + 1.6 * s);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xE0E4EC), kInk, 0.6);
}

Look ArcherLook() {
    Look l = BaseLook();
    l.skin = Hex(0xF0C8A4);
    l.skinDark = Hex(0xC89A78);
    l.top = Hex(0xE8E0D0);
    l.topDark = Hex(0xB0A898);
    l.topLight = Hex(0xC83838);
    l.legs = Hex(0xB82A30);
    l.legsDark = Hex(0x801A20);
    l.trim = Hex(0x3A5A9A);
    l.hair = Hex(0x1A1418);
    l.hat = kHatLongHair;
    l.weapon = kWeaponBow;
    l.bulk = 0.9;
    l.back = Quiver;
    l.front = Arrow;
    return l;
}

Pose Aim(double pull) {
    Pose p = PoseStand();
    p.shF = 88, p.elF = 0, p.weapon = 0;
    p.shB = 90 - 150 * pull, p.elB = 170 * pull + 10 * (1 - pull);
    p.hipB = -22, p.knB = 8, p.hipF = 20, p.knF = 10;
    p.dx = -6;
    return p;
}

void Draw(ArtCanvas& c) {
    Look l = ArcherLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.shF = 10, st.elF = 20, st.weapon = 10;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 10, wb.weapon = 10, wa.shF = 10, wb.shF = 30;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    gArrow = true;
    FigureCell(c, 3, 0, 64, 64, s, l, Aim(0.2), "nock");
    FigureCell(c, 4, 0, 64, 64, s, l, Aim(0.6), "draw");
    FigureCell(c, 5, 0, 64, 64, s, l, Aim(1.0), "full draw");
    gArrow = false;
    Pose gd = PoseGuard();
    gd.weapon = 20, gd.twoHands = false, gd.shF = 70, gd.elF = 40;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    gArrow = true;
    Pose lp = Aim(1.0);
    lp.hipB = 30, lp.knB = 90, lp.hipF = 60, lp.knF = 95, lp.lift = 6;
    FigureCell(c, 1, 1, 64, 64, s, l, lp, "leap");
    gArrow = false;
    Pose df = PoseDefeated();
    df.weapon = 60;
    FigureCell(c, 6, 1, 64, 64, s, l, df, "defeated");

    cairo_t* cr = c.cr;
    BeginCell(c, 0, 128, 256, 32, "bolt 256x32");
    Streak(cr, 0, 128 + 4, 220, 24, Hex(0x2A60C0), Hex(0x90D0FF), Hex(0xFFFFFF));
    Segment(cr, {150, 144}, {240, 144}, 2.4, Hex(0xD8C8A0), kInk, 1.0);
    cairo_move_to(cr, 254, 144);
    cairo_line_to(cr, 238, 137);
    cairo_line_to(cr, 238, 151);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xE8ECF4), kInk, 1.2);
    for (int f = 0; f < 2; f++) {
        double y = f == 0 ? -1 : 1;
        cairo_move_to(cr, 150, 144);
        cairo_line_to(cr, 164, 144);
        cairo_line_to(cr, 156, 144 + y * 8);
        cairo_line_to(cr, 144, 144 + y * 8);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0xF0F0F0), kInk, 1.0);
    }
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00151", 512, 512, bosses::Draw, "boss: archer (fight 7)");

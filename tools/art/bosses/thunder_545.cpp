// Boss sheet of fight 13: the thunder oni of the god's castle, a blue demon with a ring of
// drums on its back who leaps, claws and calls lightning down. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) crouch
//   (4,0) rising slash   (5,0) landing (fist to the ground)   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (1,1) falling   (6,1) defeated
// Effects: slash 192x64 at (0,128), lightning pillar 256x320 at (0,192).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Drums(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt c0 = {r.shoulder.x - 6 * s, r.shoulder.y - 4 * s};
    cairo_arc(cr, c0.x, c0.y, 13 * s, 3.3, 6.0);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 3.2 * s);
    cairo_stroke(cr);
    cairo_arc(cr, c0.x, c0.y, 13 * s, 3.3, 6.0);
    SetColor(cr, Hex(0xC89030));
    cairo_set_line_width(cr, 1.6 * s);
    cairo_stroke(cr);
    for (int i = 0; i < 5; i++) {
        double a = 3.4 + i * 0.62;
        double x = c0.x + std::cos(a) * 13 * s, y = c0.y + std::sin(a) * 13 * s;
        cairo_arc(cr, x, y, 3.0 * s, 0, 6.2832);
        FillOutline(cr, Hex(0xB83020), kInk, 0.9);
        cairo_arc(cr, x, y, 1.5 * s, 0, 6.2832);
        SetColor(cr, Hex(0xF0D060));
        cairo_fill(cr);
    }
}

void Loincloth(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt h = r.hip;
    cairo_move_to(cr, h.x - 5.5 * s, h.y - 2 * s);
    cairo_line_to(cr, h.x + 5.5 * s, h.y - 2.5 * s);
    cairo_line_to(cr, h.x + 6 * s, h.y + 4 * s);
    cairo_line_to(cr, h.x - 6 * s, h.y + 5 * s);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xF0F0F0), kInk, 1.0);
    cairo_move_to(cr, h.x - 5 * s, h.y + 1 * s);
    cairo_line_to(cr, h.x + 5.5 * s, h.y + 0.5 * s);
    SetColor(cr, Hex(0x2A60C0));
    cairo_set_line_width(cr, 1.4 * s);
    cairo_stroke(cr);
}

Look ThunderLook() {
    Look l = BaseLook();
    l.skin = Hex(0x4A78D0);
    l.skinDark = Hex(0x2E4E98);
    l.top = l.skin;
    l.topDark = l.skinDark;
    l.legs = l.skin;
    l.legsDark = l.skinDark;
    l.hair = Hex(0xF0E8D0);
    l.head = kHeadOni;
    l.hat = kHatNone;
    l.weapon = kWeaponClaw;
    l.hakama = false;
    l.plainTorso = true;
    l.bulk = 1.2;
    l.back = Drums;
    l.front = Loincloth;
    l.muscles = true;
    return l;
}

// A zigzag bolt from (x0, y0) down to (x1, y1).
void Bolt(cairo_t* cr, double x0, double y0, double x1, double y1, double w, uint32_t seed) {
    ArtRandom rnd(seed);
    const int n = 9;
    double px[n + 1], py[n + 1];
    for (int i = 0; i <= n; i++) {
        double t = double(i) / n;
        px[i] = x0 + (x1 - x0) * t + ((i == 0 || i == n) ? 0 : rnd.Range(-w, w));
        py[i] = y0 + (y1 - y0) * t;
    }
    const Rgb cols[3] = {Hex(0x2A40A0), Hex(0x80C8FF), Hex(0xFFFFFF)};
    const double widths[3] = {w * 0.9, w * 0.55, w * 0.22};
    for (int k = 0; k < 3; k++) {
        cairo_move_to(cr, px[0], py[0]);
        for (int i = 1; i <= n; i++) cairo_line_to(cr, px[i], py[i]);
        SetColor(cr, cols[k]);
        cairo_set_line_width(cr, widths[k]);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void Draw(ArtCanvas& c) {
    Look l = ThunderLook();
    const double s = 0.92;
    Pose st = PoseStand();
    st.shF = 40, st.elF = 60, st.shB = 30, st.elB = 50;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    Pose cr0 = PoseCrouch();
    cr0.shF = 120, cr0.elF = 40, cr0.mouthOpen = true;
    FigureCell(c, 3, 0, 64, 64, s, l, cr0, "crouch");
    Pose rs = PoseJump();
    rs.shF = 150, rs.elF = 10, rs.shB = 100, rs.elB = 20, rs.lift = 4;
    FigureCell(c, 4, 0, 64, 64, s, l, rs, "rising slash");
    Pose ld = PoseCrouch();
    ld.shF = 40, ld.elF = -20, ld.lean = 45, ld.mouthOpen = true;
    FigureCell(c, 5, 0, 64, 64, s, l, ld, "landing");
    Pose gd = PoseGuard();
    gd.shF = 100, gd.elF = 70, gd.twoHands = false, gd.shB = 90, gd.elB = 70;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    Pose fa = PoseJump();
    fa.shF = 60, fa.elF = 20, fa.hipF = 30, fa.knF = 40, fa.hipB = -10, fa.knB = 30;
    FigureCell(c, 1, 1, 64, 64, s, l, fa, "falling");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    BeginCell(c, 0, 128, 192, 64, "slash 192x64");
    ArcSlash(cr, 0, 128, 192, 64, false, Hex(0x2A40A0), Hex(0x80C8FF), Hex(0xFFFFFF));
    Bolt(cr, 20, 128 + 40, 180, 128 + 30, 8, 545);
    EndCell(c);
    BeginCell(c, 0, 192, 256, 320, "lightning pillar 256x320");
    Pillar(cr, 48, 192, 160, 320, Hex(0x2A40A0), Hex(0x5A90E8), Hex(0xA8D8FF), 546);
    Bolt(cr, 128, 192, 128, 192 + 316, 30, 547);
    Bolt(cr, 70, 192 + 10, 100, 192 + 250, 16, 548);
    Bolt(cr, 190, 192 + 10, 156, 192 + 260, 16, 549);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00545", 512, 512, bosses::Draw, "boss: thunder oni (fight 13)");

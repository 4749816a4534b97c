// Boss sheet of fight 1: the hihi, a great mountain ape that leaps and slams the ground.
// 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up (coiled)
//   (4,0) leap (rising, flying forward)   (5,0) slam (fists down at the top of the leap)
//   (6,0) landing hold   (7,0) hurt   (6,1) defeated
// Effects: ground-slam shock ring 448x192 at (0,128).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

// The pale mane runs from the head down over the shoulders and back in shaggy points.
void Mane(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s;
    Pt h = r.head, sh = r.shoulder, hip = r.hip;
    Pt back = {(sh.x + hip.x) / 2 - 6 * s, (sh.y + hip.y) / 2};
    cairo_move_to(cr, h.x + 2 * s, h.y - 6 * s);
    cairo_curve_to(cr, h.x - 8 * s, h.y - 6 * s, sh.x - 12 * s, sh.y - 2 * s, back.x - 3 * s, back.y);
    for (int i = 0; i < 4; i++) {
        double t = (i + 1) / 4.0;
        double x = back.x - 3 * s + (sh.x + 4 * s - back.x + 3 * s) * t;
        double y = back.y + (sh.y + 2 * s - back.y) * t;
        cairo_line_to(cr, x + 2 * s, y + 3.5 * s);
        cairo_line_to(cr, x + 3 * s, y);
    }
    cairo_close_path(cr);
    FillOutline(cr, l.hair, kInk, 1.0);
}

void Belly(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt a = {r.hip.x + (r.shoulder.x - r.hip.x) * 0.45 + 2.5 * s, r.hip.y + (r.shoulder.y - r.hip.y) * 0.45};
    cairo_save(cr);
    cairo_translate(cr, a.x, a.y);
    cairo_rotate(cr, r.lean * 3.14159265 / 180);
    cairo_scale(cr, 3.0 * s, 5.5 * s);
    cairo_arc(cr, 0, 0, 1, 0, 6.2832);
    cairo_restore(cr);
    SetColor(cr, Hex(0xC08860));
    cairo_fill(cr);
}

Look ApeLook() {
    Look l = BaseLook();
    l.skin = Hex(0xD85A4A);
    l.skinDark = Hex(0xA83A30);
    l.top = Hex(0x8A4A2A);
    l.topDark = Hex(0x5E2E18);
    l.topLight = Hex(0xB06A40);
    l.legs = l.top;
    l.legsDark = l.topDark;
    l.trim = Hex(0x5E2E18);
    l.hair = Hex(0xE8DCC8);
    l.head = kHeadApe;
    l.hat = kHatNone;
    l.weapon = kWeaponClaw;
    l.bulk = 1.3;
    l.hakama = false;
    l.headScale = 1.3;
    l.armScale = 1.35;
    l.legScale = 0.8;
    l.plainTorso = true;
    l.overTorso = Mane;
    l.front = Belly;
    return l;
}

Pose Hunch(Pose p) {
    p.lean += 32;
    p.neck -= 30;
    return p;
}

void Draw(ArtCanvas& c) {
    Look l = ApeLook();
    const double s = 0.95;
    Pose st = Hunch(PoseStand());
    st.shF = 20, st.elF = 10, st.shB = 5, st.elB = 10, st.hipF = 24, st.knF = 30, st.hipB = 4, st.knB = 28;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = Hunch(PoseWalkA());
    wa.shF = 45, wa.elF = 10, wa.shB = -20, wa.elB = 10;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    Pose wb = Hunch(PoseWalkB());
    wb.shF = -10, wb.elF = 10, wb.shB = 35, wb.elB = 10;
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    Pose wu = PoseCrouch();
    wu.shF = 150, wu.elF = 20, wu.shB = 140, wu.elB = 20, wu.mouthOpen = true;
    FigureCell(c, 3, 0, 64, 64, s, l, wu, "wind-up");
    Pose lp = PoseJump();
    lp.lean = 40, lp.shF = 120, lp.elF = 10, lp.shB = 100, lp.elB = 10, lp.lift = 8;
    FigureCell(c, 4, 0, 64, 64, s, l, lp, "leap");
    Pose sl = PoseJump();
    sl.lean = 10, sl.shF = 20, sl.elF = -10, sl.shB = 10, sl.elB = -10, sl.hipF = 40, sl.knF = 60;
    sl.hipB = -30, sl.knB = 40, sl.lift = 6, sl.mouthOpen = true;
    FigureCell(c, 5, 0, 64, 64, s, l, sl, "slam");
    Pose ld = PoseCrouch();
    ld.shF = 30, ld.elF = -20, ld.shB = 20, ld.elB = -10, ld.lean = 45;
    FigureCell(c, 6, 0, 64, 64, s, l, ld, "landing");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    Pose df = PoseDefeated();
    df.lean = 55, df.shF = 5, df.shB = 0;
    FigureCell(c, 6, 1, 64, 64, s, l, df, "defeated");

    // the shock ring: a wide double arc of wind with flying rocks
    BeginCell(c, 0, 128, 448, 192, "ground slam 448x192");
    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x8A6A40), mid = Hex(0xD8C090), core = Hex(0xFFF8E0);
    Crescent(cr, 224, 128 + 110, 220, 78, 182, 358, 0.42, edge, mid, core);
    Crescent(cr, 224, 128 + 100, 220, 86, 2, 178, 0.36, edge, mid, core);
    Crescent(cr, 224, 128 + 104, 150, 52, 190, 350, 0.4, edge, mid, core);
    ArtRandom rnd(574);
    for (int i = 0; i < 12; i++) {
        double x = 20 + i * 36 + rnd.Range(-6, 6), y = 128 + 150 + rnd.Range(-30, 28);
        double r = rnd.Range(5, 10);
        cairo_move_to(cr, x - r, y);
        cairo_line_to(cr, x - r * 0.3, y - r);
        cairo_line_to(cr, x + r, y - r * 0.4);
        cairo_line_to(cr, x + r * 0.6, y + r * 0.7);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0x7A6048), kInk, 1.2);
    }
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00574", 512, 512, bosses::Draw, "boss: mountain ape (fight 1)");

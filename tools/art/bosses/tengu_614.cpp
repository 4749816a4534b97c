// Boss sheet of fight 12: the great tengu of the castle roof, a red-faced, long-nosed mountain
// lord with vast black wings and a leaf fan. 1024 x 1024, 256-pixel body cells (column, row):
//   (0,0) hover A (wings raised)   (1,0) hover B (wings lowered)   (2,0) strike (fan swept)
//   (3,0) climb   (0,1) swoop   (1,1) hurt and recoil   (2,1) defeated
// The 128x128 body of the maps where it only appears: stand (768,256), walk A (896,256),
//   walk B (768,384), defeated (896,384).
// Effects: strike gust 384x256 at (0,512), swoop wind 256x128 at (384,512) (below its body).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

double gWing = 0;  // wing raise in degrees: positive lifts the wings

void Wing(cairo_t* cr, Pt root, double s, double ang, Rgb fill, Rgb shade) {
    cairo_save(cr);
    cairo_translate(cr, root.x, root.y);
    cairo_rotate(cr, ang * 3.14159265 / 180);
    cairo_scale(cr, s, s);
    // leading edge out to the tip (towards -x, up), then scalloped primaries back
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -8, -14, -22, -22, -38, -24);
    const int n = 7;
    for (int i = 0; i < n; i++) {
        double t0 = double(i) / n, t1 = double(i + 1) / n;
        double x0 = -38 + 30 * t0, y0 = -24 + 44 * t0;
        double x1 = -38 + 30 * t1, y1 = -24 + 44 * t1;
        cairo_curve_to(cr, x0 - 10, y0 + 8, x1 - 10, y1 + 2, x1, y1);
    }
    cairo_curve_to(cr, -4, 16, 2, 8, 0, 0);
    cairo_close_path(cr);
    FillOutline(cr, fill, kInk, 1.2);
    // covert feathers
    cairo_move_to(cr, -2, -2);
    cairo_curve_to(cr, -10, -12, -20, -16, -30, -17);
    cairo_curve_to(cr, -22, -6, -14, 2, -4, 8);
    cairo_close_path(cr);
    SetColor(cr, shade);
    cairo_fill(cr);
    for (int i = 1; i < n; i++) {
        double t = double(i) / n;
        cairo_move_to(cr, -6 - 8 * t, -2 + 4 * t);
        cairo_line_to(cr, -38 + 30 * t - 4, -24 + 44 * t + 1);
        SetColor(cr, Hex(0x5A5A6A));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Wings(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    Pt root = {r.shoulder.x - 3 * r.s, r.shoulder.y + 2 * r.s};
    double base = r.lean * 0.6;
    Wing(cr, {root.x + 3 * r.s, root.y - 1 * r.s}, r.s, base + gWing - 8, Hex(0x202028), Hex(0x14141A));
    Wing(cr, root, r.s, base + gWing + 6, Hex(0x2E2E3A), Hex(0x1E1E28));
}

void Pompoms(cairo_t* cr, const Rig& r, const Look& l) {
    (void)l;
    double s = r.s;
    Pt ax = {r.shoulder.x - r.hip.x, r.shoulder.y - r.hip.y};
    for (int i = 0; i < 3; i++) {
        double t = 0.45 + i * 0.17;
        cairo_arc(cr, r.hip.x + ax.x * t + 4.5 * s, r.hip.y + ax.y * t, 1.7 * s, 0, 6.2832);
        FillOutline(cr, Hex(0xF0F0F0), kInk, 0.8 * s);
    }
}

Look TenguLook() {
    Look l = BaseLook();
    l.skin = Hex(0xD83A2A);
    l.skinDark = Hex(0x9A2218);
    l.top = Hex(0xE8DCB8);
    l.topDark = Hex(0xB0A080);
    l.topLight = Hex(0xF8F4E8);
    l.legs = Hex(0x6A5A40);
    l.legsDark = Hex(0x4A3E2A);
    l.trim = Hex(0x8A2A20);
    l.hair = Hex(0xF4F0E8);
    l.head = kHeadTengu;
    l.hat = kHatTokin;
    l.weapon = kWeaponFan;
    l.bulk = 1.1;
    l.back = Wings;
    l.front = Pompoms;
    l.sleeves = true;
    return l;
}

void Body(ArtCanvas& c, double x, double y, double cell, double s, double wing, const Look& l, const Pose& p,
          const char* label) {
    gWing = wing;
    c.Cell(x, y, cell, cell, label);
    DrawFigure(c.cr, x, y, cell, cell, s, l, p);
}

Pose Hover(double sway) {
    Pose p = PoseStand();
    p.lift = 20, p.lean = 6;
    p.hipB = -4 + sway, p.knB = 30, p.hipF = 16 + sway, p.knF = 36;
    p.shF = 40, p.elF = 50, p.weapon = 60, p.shB = -10, p.elB = 40;
    return p;
}

void Draw(ArtCanvas& c) {
    Look l = TenguLook();
    const double s = 2.5;
    Body(c, 0, 0, 256, s, 30, l, Hover(0), "hover A");
    Body(c, 256, 0, 256, s, -20, l, Hover(6), "hover B");
    Pose st = Hover(0);
    st.shF = 100, st.elF = 0, st.weapon = 120, st.lean = 18, st.mouthOpen = true;
    Body(c, 512, 0, 256, s, 10, l, st, "strike");
    Pose cl = Hover(-6);
    cl.lean = -12, cl.shF = 160, cl.elF = 10, cl.weapon = 10, cl.hipB = -20, cl.hipF = -10;
    Body(c, 768, 0, 256, s, 45, l, cl, "climb");
    Pose sw = Hover(0);
    sw.rot = 60, sw.shF = 60, sw.elF = 20, sw.weapon = 90, sw.lift = 30, sw.dx = -6;
    Body(c, 0, 256, 256, s, 10, l, sw, "swoop");
    Pose hu = PoseHurt();
    hu.lift = 16;
    Body(c, 256, 256, 256, s, 35, l, hu, "hurt / recoil");
    Pose df = PoseDefeated();
    df.weapon = 140;
    Body(c, 512, 256, 256, s, -35, l, df, "defeated");
    Pose ms = PoseStand();
    ms.weapon = 40;
    Body(c, 768, 256, 128, 1.15, -30, l, ms, "map stand");
    Body(c, 896, 256, 128, 1.15, -30, l, PoseWalkA(), "map walk A");
    Body(c, 768, 384, 128, 1.15, -30, l, PoseWalkB(), "map walk B");
    Body(c, 896, 384, 128, 1.15, -35, l, df, "map defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x3A7A60), mid = Hex(0xB0F0D0), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 512, 384, 256, "strike 384x256");
    Crescent(cr, 40, 512 + 128, 330, 120, -80, 80, 0.5, edge, mid, core);
    Crescent(cr, 40, 512 + 128, 250, 84, -70, 70, 0.45, edge, mid, core);
    Crescent(cr, 40, 512 + 128, 170, 50, -60, 60, 0.5, edge, mid, core);
    EndCell(c);
    BeginCell(c, 384, 512, 256, 128, "swoop 256x128");
    Crescent(cr, 384 + 128, 512 + 8, 124, 112, 10, 170, 0.4, edge, mid, core);
    Streak(cr, 384 + 20, 512 + 34, 220, 26, edge, mid, core);
    Streak(cr, 384 + 50, 512 + 66, 190, 22, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00614", 1024, 1024, bosses::Draw, "boss: great tengu (fight 12)");

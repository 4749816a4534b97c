// Boss sheet of fight 11: the masked assassin of the castle town, a kabuki-painted killer with a
// long red mane and two daggers. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (4,0) jab A (high)   (5,0) jab B (low)   (6,0) guard (crossed blades)   (7,0) hurt
//   (0,1) recoil  (1,1) hop   (3,1) thrust   (6,1) defeated
// Effects: jab A 192x128 at (0,128), jab B 192x64 at (192,128), thrust 256x64 at (0,256).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void WarPaint(cairo_t* cr, const Rig& r, const Look& l) {
    (void)r, (void)l;
    // red kumadori sweeps over the white face (head space)
    cairo_move_to(cr, 1.4, -3.6);
    cairo_curve_to(cr, 3.0, -5.0, 5.0, -5.0, 6.2, -3.2);
    cairo_move_to(cr, 2.4, 1.2);
    cairo_curve_to(cr, 3.4, 2.6, 5.0, 2.2, 6.0, 1.0);
    SetColor(cr, Hex(0xD01818));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

bool gSecondBlade = true;

void OffBlade(cairo_t* cr, const Rig& r, const Look& l) {
    if (!gSecondBlade || r.pose.twoHands) return;
    double s = r.s;
    Pt h = r.handB;
    double a = std::atan2(h.y - r.elbowB.y, h.x - r.elbowB.x);
    cairo_save(cr);
    cairo_translate(cr, h.x, h.y);
    cairo_rotate(cr, a);
    cairo_scale(cr, s, s);
    cairo_rectangle(cr, -2, -1, 4, 2);
    FillOutline(cr, Hex(0x2A2030), kInk, 0.6);
    cairo_move_to(cr, 2, -1);
    cairo_line_to(cr, 12, 0);
    cairo_line_to(cr, 2, 1.2);
    cairo_close_path(cr);
    FillOutline(cr, l.metal, kInk, 0.8);
    cairo_restore(cr);
}

Look AssassinLook() {
    Look l = BaseLook();
    l.skin = Hex(0xF4F0EA);
    l.skinDark = Hex(0xC8C4BE);
    l.top = Hex(0x1E1A22);
    l.topDark = Hex(0x100E12);
    l.topLight = Hex(0xD8B040);
    l.legs = Hex(0x2A2430);
    l.legsDark = Hex(0x18141C);
    l.trim = Hex(0xD8B040);
    l.hair = Hex(0xD02020);
    l.hat = kHatLongHair;
    l.weapon = kWeaponTanto;
    l.bulk = 0.95;
    l.headExtra = WarPaint;
    l.back = OffBlade;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = AssassinLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.weapon = 100, st.shB = 20, st.elB = 40;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 100, wb.weapon = 100;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    Pose wu = PoseCrouch();
    wu.shF = 10, wu.elF = 120, wu.weapon = 60, wu.shB = -60;
    FigureCell(c, 3, 0, 64, 64, s, l, wu, "wind-up");
    Pose ja = PoseThrust();
    ja.shF = 120, ja.weapon = 65;
    FigureCell(c, 4, 0, 64, 64, s, l, ja, "jab A");
    Pose jb = PoseThrust();
    jb.shF = 75, jb.weapon = 100, jb.shB = 60, jb.elB = 10;
    FigureCell(c, 5, 0, 64, 64, s, l, jb, "jab B");
    Pose gd = PoseGuard();
    gd.twoHands = false, gd.shF = 50, gd.elF = 90, gd.weapon = 20, gd.shB = 60, gd.elB = 80;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "hop");
    Pose th = PoseThrust();
    th.lean = 30, th.hipF = 60, th.knF = 60, th.weapon = 92;
    FigureCell(c, 3, 1, 64, 64, s, l, th, "thrust");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0xA01830), mid = Hex(0xFF7088), core = Hex(0xFFF0F0);
    BeginCell(c, 0, 128, 192, 128, "jab A 192x128");
    Streak(cr, 50, 128 + 10, 140, 30, edge, mid, core);
    Streak(cr, 20, 128 + 48, 170, 34, edge, mid, core);
    Streak(cr, 60, 128 + 88, 130, 30, edge, mid, core);
    EndCell(c);
    BeginCell(c, 192, 128, 192, 64, "jab B 192x64");
    Streak(cr, 192 + 30, 128 + 4, 160, 26, edge, mid, core);
    Streak(cr, 192 + 10, 128 + 32, 180, 28, edge, mid, core);
    EndCell(c);
    BeginCell(c, 0, 256, 256, 64, "thrust 256x64");
    Streak(cr, 0, 256 + 6, 256, 52, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00436", 512, 512, bosses::Draw, "boss: masked assassin (fight 11)");

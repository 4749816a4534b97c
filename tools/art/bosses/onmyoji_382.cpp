// Boss sheet of fight 19: the court sorcerer of the mountain god's castle, in white hunting
// robes and a tall black cap, who strikes with a ceremonial sword and raises pillars of light.
// 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up (hand seal)
//   (4,0) strike  (5,0) summon (arms raised)   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (6,1) defeated
// Effects: strike 256x64 at (0,128), pillar base 64x64 at (256,128), pillar column 64x320 at
//   (320,128).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Talisman(cairo_t* cr, double x, double y, double a) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    cairo_rectangle(cr, -5, -10, 10, 20);
    FillOutline(cr, Hex(0xF4ECD0), kInk, 1.2);
    cairo_move_to(cr, 0, -7);
    cairo_line_to(cr, 0, 6);
    cairo_move_to(cr, -3, -3);
    cairo_line_to(cr, 3, -3);
    cairo_move_to(cr, -3, 2);
    cairo_line_to(cr, 3, 3);
    SetColor(cr, Hex(0xC02020));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

Look OnmyojiLook() {
    Look l = BaseLook();
    l.skin = Hex(0xF0D4B8);
    l.skinDark = Hex(0xC8A890);
    l.top = Hex(0xF2F0EA);
    l.topDark = Hex(0xB8B6C8);
    l.topLight = Hex(0x7A3AA0);
    l.legs = Hex(0x6A3A9A);
    l.legsDark = Hex(0x482470);
    l.trim = Hex(0x7A3AA0);
    l.hat = kHatEboshi;
    l.weapon = kWeaponKatana;
    l.metal = Hex(0xF0F0C8);
    l.bulk = 1.05;
    l.sleeves = true;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = OnmyojiLook();
    const double s = 0.92;
    Pose st = PoseStand();
    st.weapon = 150, st.shF = 10, st.elF = 20;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 150, wb.weapon = 150;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    Pose wu = PoseStand();
    wu.shB = 70, wu.elB = 100, wu.shF = -10, wu.elF = 20, wu.weapon = 200, wu.eyesShut = true;
    FigureCell(c, 3, 0, 64, 64, s, l, wu, "wind-up");
    Pose sk = PoseSlash();
    sk.twoHands = false, sk.weapon = 95, sk.shF = 90;
    FigureCell(c, 4, 0, 64, 64, s, l, sk, "strike");
    Pose su = PoseStand();
    su.shF = 160, su.elF = 10, su.shB = 150, su.elB = 10, su.weapon = 0, su.neck = -10, su.mouthOpen = true;
    FigureCell(c, 5, 0, 64, 64, s, l, su, "summon");
    FigureCell(c, 6, 0, 64, 64, s, l, PoseGuard(), "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x6A3AA0), mid = Hex(0xD8B0FF), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 128, 256, 64, "strike 256x64");
    ArcSlash(cr, 0, 128, 256, 64, true, edge, mid, core);
    for (int i = 0; i < 4; i++) Talisman(cr, 70 + i * 48, 128 + 22 + (i % 2) * 8, -0.5 + i * 0.35);
    EndCell(c);
    BeginCell(c, 256, 128, 64, 64, "pillar base");
    Marker(cr, 256, 128, 64, 64, edge, Hex(0xF8E8FF));
    Talisman(cr, 288, 128 + 34, 0.0);
    EndCell(c);
    BeginCell(c, 320, 128, 64, 320, "pillar column 64x320");
    Pillar(cr, 320, 128, 64, 320, edge, mid, core, 382);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00382", 512, 512, bosses::Draw, "boss: court sorcerer (fight 19)");

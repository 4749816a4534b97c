// Boss sheet of fight 10: the general of the mountain's foot, a samurai in black and gold
// armour with a great two-handed sword. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (4,0) rising strike (blade above)   (5,0) level slash   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (2,1) dash   (3,1) rush   (6,1) defeated
// Effects: strike 128x128 at (0,128) (the arc above its body), slash A 384x64 at (128,128),
//   slash B 384x64 at (128,192).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look GeneralLook() {
    Look l = BaseLook();
    l.top = Hex(0x2A2A34);
    l.topDark = Hex(0x16161C);
    l.topLight = Hex(0x50505E);
    l.legs = Hex(0x5A3A2A);
    l.legsDark = Hex(0x3A2418);
    l.trim = Hex(0xE8C040);
    l.hat = kHatKabuto;
    l.weapon = kWeaponNodachi;
    l.armour = true;
    l.bulk = 1.2;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = GeneralLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.weapon = 30, st.twoHands = true, st.shF = 35, st.elF = 50;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 35, wb.weapon = 28;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseWindup(), "wind-up");
    Pose up = PoseSlash();
    up.shF = 140, up.elF = 10, up.weapon = 40, up.lean = 0;
    FigureCell(c, 4, 0, 64, 64, s, l, up, "rising strike");
    Pose sl = PoseSlash();
    sl.weapon = 125, sl.shF = 80;
    FigureCell(c, 5, 0, 64, 64, s, l, sl, "level slash");
    FigureCell(c, 6, 0, 64, 64, s, l, PoseGuard(), "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 2, 1, 64, 64, s, l, PoseDash(), "dash");
    Pose ru = PoseDash();
    ru.shF = 80, ru.elF = 0, ru.weapon = 95, ru.lean = 30, ru.twoHands = true;
    FigureCell(c, 3, 1, 64, 64, s, l, ru, "rush");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0xB08820), mid = Hex(0xFFE080), core = Hex(0xFFFFF0);
    BeginCell(c, 0, 128, 128, 128, "strike 128x128");
    Crescent(cr, 64, 128 + 92, 60, 84, 160, 380, 0.42, edge, mid, core);
    EndCell(c);
    BeginCell(c, 128, 128, 384, 64, "slash A 384x64");
    ArcSlash(cr, 128, 128, 384, 64, true, edge, mid, core);
    EndCell(c);
    BeginCell(c, 128, 192, 384, 64, "slash B 384x64");
    ArcSlash(cr, 128, 192, 384, 64, false, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00191", 512, 512, bosses::Draw, "boss: black general (fight 10)");

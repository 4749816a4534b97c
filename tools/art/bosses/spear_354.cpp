// Boss sheet of fight 5: the spear general, a samurai in teal armour with a long spear.
// 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up (spear drawn back)
//   (4,0) thrust A   (5,0) thrust B (high)   (6,0) guard   (7,0) hurt
//   (0,1) recoil  (1,1) jump   (6,1) defeated
// Effects: thrust A 384x64 at (0,128), thrust B 384x64 at (0,192) (the spear's reach, pointed right).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look SpearLook() {
    Look l = BaseLook();
    l.top = Hex(0x2A7A78);
    l.topDark = Hex(0x184A4A);
    l.topLight = Hex(0x50A8A0);
    l.legs = Hex(0x3A3A48);
    l.legsDark = Hex(0x24242E);
    l.trim = Hex(0xE8D8A0);
    l.hat = kHatKabuto;
    l.weapon = kWeaponYari;
    l.armour = true;
    l.bulk = 1.15;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = SpearLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.weapon = 8, st.shF = 30, st.elF = 60;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 12, wb.weapon = 5;
    FigureCell(c, 1, 0, 64, 64, s, l, wa, "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, wb, "walk B");
    Pose wu = PoseThrust();
    wu.shF = 20, wu.elF = 70, wu.weapon = 88, wu.lean = -4, wu.dx = 4, wu.twoHands = true;
    wu.hipF = 30, wu.knF = 20, wu.hipB = -30, wu.knB = 20;
    FigureCell(c, 3, 0, 64, 64, s, l, wu, "wind-up");
    Pose ta = PoseThrust();
    ta.twoHands = true;
    FigureCell(c, 4, 0, 64, 64, s, l, ta, "thrust A");
    Pose tb = PoseThrust();
    tb.shF = 110, tb.weapon = 75, tb.twoHands = true;
    FigureCell(c, 5, 0, 64, 64, s, l, tb, "thrust B");
    Pose gd = PoseGuard();
    gd.weapon = 35;
    FigureCell(c, 6, 0, 64, 64, s, l, gd, "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    Pose jp = PoseJump();
    jp.weapon = 80;
    FigureCell(c, 1, 1, 64, 64, s, l, jp, "jump");
    Pose df = PoseDefeated();
    df.weapon = 140;
    FigureCell(c, 6, 1, 64, 64, s, l, df, "defeated");

    Rgb edge = Hex(0x1A8A88), mid = Hex(0x8AF0E0), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 128, 384, 64, "thrust A 384x64");
    Streak(c.cr, 40, 128 + 10, 344, 44, edge, mid, core);
    EndCell(c);
    BeginCell(c, 0, 192, 384, 64, "thrust B 384x64");
    Streak(c.cr, 10, 192 + 2, 374, 34, edge, mid, core);
    Streak(c.cr, 60, 192 + 30, 300, 32, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00354", 512, 512, bosses::Draw, "boss: spear general (fight 5)");

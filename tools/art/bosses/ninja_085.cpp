// Boss sheet of fights 3 and 9 (and the travelling seller): the ninja master, a wiry
// fighter in indigo with a red scarf and a straight blade. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) pause before the dash
//   (4,0) slash A (5,0) slash B  (6,0) guard    (7,0) hurt
//   (0,1) recoil  (1,1) jump     (2,1) dash     (3,1) spin     (6,1) defeated
// Effects: slash A 192x64 at (0,128), slash B 192x64 at (192,128), spin 256x192 at (0,192).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look NinjaLook() {
    Look l = BaseLook();
    l.top = Hex(0x34386A);
    l.topDark = Hex(0x1E2044);
    l.topLight = Hex(0x5A60A0);
    l.legs = Hex(0x2C2E58);
    l.legsDark = Hex(0x1A1A38);
    l.trim = Hex(0xC83030);
    l.head = kHeadNinja;
    l.hat = kHatNone;
    l.weapon = kWeaponKatana;
    l.hakama = false;
    l.bulk = 0.95;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = NinjaLook();
    const double s = 1.0;
    FigureCell(c, 0, 0, 64, 64, s, l, PoseStand(), "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseCrouch(), "pause");
    FigureCell(c, 4, 0, 64, 64, s, l, PoseSlash(), "slash A");
    Pose up = PoseSlash();
    up.shF = 140, up.weapon = 60, up.lean = 10;
    FigureCell(c, 5, 0, 64, 64, s, l, up, "slash B");
    FigureCell(c, 6, 0, 64, 64, s, l, PoseGuard(), "guard");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "jump");
    FigureCell(c, 2, 1, 64, 64, s, l, PoseDash(), "dash");
    Pose spin = PoseJump();
    spin.rot = 90;
    FigureCell(c, 3, 1, 64, 64, s, l, spin, "spin");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    Rgb edge = Hex(0x4858C8), mid = Hex(0xA8C0FF), core = Hex(0xFFFFFF);
    BeginCell(c, 0, 128, 192, 64, "slash A");
    ArcSlash(c.cr, 0, 128, 192, 64, true, edge, mid, core);
    EndCell(c);
    BeginCell(c, 192, 128, 192, 64, "slash B");
    ArcSlash(c.cr, 192, 128, 192, 64, false, edge, mid, core);
    EndCell(c);
    BeginCell(c, 0, 192, 256, 192, "spin");
    Whirl(c.cr, 0, 192, 256, 192, edge, mid, core);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00085", 512, 512, bosses::Draw, "boss: ninja master (fights 3, 9)");

// Boss sheet of fight 2: the bandit chief, a burly village raider with a headband and a heavy
// blade, who grabs and throws. 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) crouch
//   (4,0) charge  (5,0) grab hold   (6,0) slash behind   (7,0) hurt
//   (0,1) recoil  (1,1) jump   (6,1) defeated
// Effects: grab 64x64 at (0,128) (covers the body), slash behind 192x64 at (64,128).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look BanditLook() {
    Look l = BaseLook();
    l.skin = Hex(0xC88A5E);
    l.skinDark = Hex(0x9A6440);
    l.top = Hex(0x6A7A3A);
    l.topDark = Hex(0x485426);
    l.topLight = Hex(0x98A860);
    l.legs = Hex(0x5A4A36);
    l.legsDark = Hex(0x3A3022);
    l.trim = Hex(0xB83A2A);
    l.hair = Hex(0x2A2018);
    l.hat = kHatHeadband;
    l.weapon = kWeaponNodachi;
    l.bulk = 1.3;
    l.bareArms = true;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = BanditLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.weapon = 20, st.shF = 15;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    FigureCell(c, 3, 0, 64, 64, s, l, PoseCrouch(), "crouch");
    Pose ch = PoseDash();
    ch.shF = 70, ch.elF = 10, ch.weapon = 240, ch.weaponInBack = false;
    FigureCell(c, 4, 0, 64, 64, s, l, ch, "charge");
    Pose gr = PoseThrust();
    gr.shF = 80, gr.elF = 0, gr.shB = 70, gr.elB = 10, gr.showWeapon = false, gr.mouthOpen = true;
    FigureCell(c, 5, 0, 64, 64, s, l, gr, "grab hold");
    Pose bk = PoseSlash();
    bk.lean = -6, bk.shF = -70, bk.elF = 0, bk.weapon = -110, bk.twoHands = false, bk.dx = 6;
    bk.hipF = 30, bk.knF = 10, bk.hipB = -40, bk.knB = 30;
    FigureCell(c, 6, 0, 64, 64, s, l, bk, "slash behind");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 1, 1, 64, 64, s, l, PoseJump(), "jump");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    // grab: a clutching hand with a burst behind it
    BeginCell(c, 0, 128, 64, 64, "grab");
    Burst(cr, 2, 130, 60, 60, 9, Hex(0xC84020), Hex(0xFFA040), Hex(0xFFF0B0), 236);
    cairo_save(cr);
    cairo_translate(cr, 30, 162);
    for (int f = 0; f < 4; f++) {
        double a = -0.9 + f * 0.5;
        cairo_save(cr);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, 4, -3, 16, 6);
        FillOutline(cr, l.skin, kInk, 1.2);
        cairo_restore(cr);
    }
    cairo_arc(cr, 0, 0, 10, 0, 6.2832);
    FillOutline(cr, l.skin, kInk, 1.4);
    cairo_rectangle(cr, -24, -5, 16, 10);
    FillOutline(cr, l.skinDark, kInk, 1.2);
    cairo_restore(cr);
    EndCell(c);
    // slash behind: sweeps leftwards, heaviest at the left end
    BeginCell(c, 64, 128, 192, 64, "slash behind 192x64");
    Crescent(cr, 64 + 96, 128 + 6, 94, 55, 5, 175, 0.5, Hex(0xB83020), Hex(0xFFB070), Hex(0xFFF6E0));
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00236", 512, 512, bosses::Draw, "boss: bandit chief (fight 2)");

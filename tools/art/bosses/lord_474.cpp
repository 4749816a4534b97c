// Boss sheet of fight 4: the armoured lord, a giant in lacquered crimson armour with a great
// sword that also calls pillars of fire out of the ground. 128-pixel body cells (column, row):
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) wind-up
//   (0,1) strike 1 (down)   (1,1) strike 2 (rising)   (2,1) cast (blade in the ground)
//   (3,1) hurt and recoil   (0,2) defeated
// Effects: slash 256x192 at (128,256) (both melee strikes), pillar 64x192 at (384,256),
//   blast 64x64 at (448,256), warning marker 64x64 at (448,320).
// The 64x64 body of the maps where the lord only appears: stand (0,384), walk A (64,384),
//   walk B (0,448), defeated (64,448).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

Look LordLook() {
    Look l = BaseLook();
    l.top = Hex(0xA82828);
    l.topDark = Hex(0x6A1618);
    l.topLight = Hex(0xD85048);
    l.legs = Hex(0x3A2A2A);
    l.legsDark = Hex(0x241A1A);
    l.trim = Hex(0xE0B848);
    l.hair = Hex(0x1A1818);
    l.hat = kHatKabuto;
    l.weapon = kWeaponNodachi;
    l.armour = true;
    l.bulk = 1.5;
    l.metal = Hex(0xE0E4EC);
    return l;
}

void Body(ArtCanvas& c, double x, double y, double cell, double s, const Look& l, const Pose& p,
          const char* label) {
    c.Cell(x, y, cell, cell, label);
    DrawFigure(c.cr, x, y, cell, cell, s, l, p);
}

void Draw(ArtCanvas& c) {
    Look l = LordLook();
    Pose st = PoseStand();
    st.weapon = 20, st.shF = 25, st.elF = 40;
    Pose wa = PoseWalkA(), wb = PoseWalkB();
    wa.weapon = 30, wb.weapon = 25;
    Pose wu = PoseWindup();
    wu.shF = 100, wu.elF = 75, wu.weapon = -100;
    Pose s1 = PoseSlash();
    s1.weapon = 125;
    Pose s2 = PoseSlash();
    s2.shF = 135, s2.elF = 0, s2.weapon = 50, s2.lean = 6;
    Pose cast = PoseDefeated();
    cast.lean = 18, cast.neck = -10, cast.eyesShut = false, cast.shF = 60, cast.elF = 30, cast.weapon = 180;
    cast.twoHands = true;
    Pose hurt = PoseHurt();
    Pose df = PoseDefeated();
    df.weapon = 100, df.shF = 45, df.elF = 0;
    const double s = 2.0;
    Body(c, 0, 0, 128, s, l, st, "stand");
    Body(c, 128, 0, 128, s, l, wa, "walk A");
    Body(c, 256, 0, 128, s, l, wb, "walk B");
    Body(c, 384, 0, 128, s, l, wu, "wind-up");
    Body(c, 0, 128, 128, s, l, s1, "strike 1");
    Body(c, 128, 128, 128, s, l, s2, "strike 2");
    Body(c, 256, 128, 128, s, l, cast, "cast");
    Body(c, 384, 128, 128, s, l, hurt, "hurt / recoil");
    Body(c, 0, 256, 128, s, l, df, "defeated");
    Body(c, 0, 384, 64, 1.0, l, st, "map stand");
    Body(c, 64, 384, 64, 1.0, l, wa, "map walk A");
    Body(c, 0, 448, 64, 1.0, l, wb, "map walk B");
    Body(c, 64, 448, 64, 1.0, l, df, "map defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0xB02010), mid = Hex(0xFF8830), core = Hex(0xFFF4C8);
    BeginCell(c, 128, 256, 256, 192, "slash 256x192");
    Crescent(cr, 128 + 96, 256 + 100, 150, 90, -95, 85, 0.55, edge, mid, core);
    EndCell(c);
    BeginCell(c, 384, 256, 64, 192, "pillar 64x192");
    Pillar(cr, 384, 256, 64, 192, edge, mid, core, 474);
    EndCell(c);
    BeginCell(c, 448, 256, 64, 64, "blast");
    Burst(cr, 448, 256, 64, 64, 10, edge, mid, core, 475);
    EndCell(c);
    BeginCell(c, 448, 320, 64, 64, "warning marker");
    Marker(cr, 448, 320, 64, 64, Hex(0xD02020), Hex(0xFFD040));
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00474", 512, 512, bosses::Draw, "boss: armoured lord (fight 4)");

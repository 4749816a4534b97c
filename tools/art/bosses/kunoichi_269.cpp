// Boss sheet of fight 6: the kunoichi, a swift woman of the shadows with a chain sickle.
// 64-pixel body cells:
//   (0,0) stand   (1,0) walk A   (2,0) walk B   (3,0) back-off
//   (4,0) dash    (5,0) slash A (chain flung low)   (6,0) slash B (chain swung high)   (7,0) hurt
//   (0,1) recoil  (6,1) defeated
// Effects: chain slash A 320x64 at (0,128), chain slash B 320x64 at (0,192).
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Ponytail(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s;
    Pt h = r.head;
    cairo_move_to(cr, h.x - 4 * s, h.y - 5 * s);
    cairo_curve_to(cr, h.x - 12 * s, h.y - 6 * s, h.x - 15 * s, h.y + 2 * s, h.x - 17 * s, h.y + 6 * s);
    cairo_curve_to(cr, h.x - 12 * s, h.y + 1 * s, h.x - 9 * s, h.y - 1 * s, h.x - 4 * s, h.y - 1 * s);
    cairo_close_path(cr);
    FillOutline(cr, l.hair, kInk, 1.0);
}

// A dark cloth over the nose and mouth (head space).
void Mask(cairo_t* cr, const Rig& r, const Look& l) {
    (void)r, (void)l;
    cairo_move_to(cr, 0.6, 1.4);
    cairo_line_to(cr, 6.8, 1.0);
    cairo_curve_to(cr, 7.0, 3.0, 5.4, 6.0, 1.8, 6.2);
    cairo_line_to(cr, -1.0, 4.6);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x2A1A2A), kInk, 0.8);
}

Look KunoichiLook() {
    Look l = BaseLook();
    l.skin = Hex(0xF0C8A8);
    l.skinDark = Hex(0xC89A7A);
    l.top = Hex(0x8A2048);
    l.topDark = Hex(0x581430);
    l.topLight = Hex(0xC04878);
    l.legs = Hex(0x2A2030);
    l.legsDark = Hex(0x1A1420);
    l.trim = Hex(0xE8C040);
    l.hair = Hex(0x181420);
    l.hat = kHatNone;
    l.headExtra = Mask;
    l.weapon = kWeaponKama;
    l.hakama = false;
    l.bulk = 0.85;
    l.back = Ponytail;
    return l;
}

void Draw(ArtCanvas& c) {
    Look l = KunoichiLook();
    const double s = 0.95;
    Pose st = PoseStand();
    st.weapon = 60;
    FigureCell(c, 0, 0, 64, 64, s, l, st, "stand");
    FigureCell(c, 1, 0, 64, 64, s, l, PoseWalkA(), "walk A");
    FigureCell(c, 2, 0, 64, 64, s, l, PoseWalkB(), "walk B");
    Pose bo = PoseRecoil();
    bo.shF = 60, bo.weapon = 70, bo.lean = -6;
    FigureCell(c, 3, 0, 64, 64, s, l, bo, "back-off");
    FigureCell(c, 4, 0, 64, 64, s, l, PoseDash(), "dash");
    Pose sa = PoseThrow();
    sa.shF = 95, sa.elF = 0, sa.showWeapon = true, sa.weapon = 100;
    FigureCell(c, 5, 0, 64, 64, s, l, sa, "slash A");
    Pose sb = PoseThrow();
    sb.shF = 150, sb.elF = -10, sb.showWeapon = true, sb.weapon = 40, sb.lean = 0;
    FigureCell(c, 6, 0, 64, 64, s, l, sb, "slash B");
    FigureCell(c, 7, 0, 64, 64, s, l, PoseHurt(), "hurt");
    FigureCell(c, 0, 1, 64, 64, s, l, PoseRecoil(), "recoil");
    FigureCell(c, 6, 1, 64, 64, s, l, PoseDefeated(), "defeated");

    cairo_t* cr = c.cr;
    Rgb edge = Hex(0x7A2060), mid = Hex(0xE890D0), core = Hex(0xFFF0FF);
    for (int k = 0; k < 2; k++) {
        double y = 128 + 64 * k;
        BeginCell(c, 0, y, 320, 64, k == 0 ? "chain slash A 320x64" : "chain slash B 320x64");
        if (k == 0)
            ArcSlash(cr, 0, y, 320, 64, true, edge, mid, core);
        else
            ArcSlash(cr, 0, y, 320, 64, false, edge, mid, core);
        // the chain running out to the sickle at the far end
        double cy = y + (k == 0 ? 44 : 20);
        for (int i = 0; i < 22; i++) {
            cairo_save(cr);
            cairo_translate(cr, 30 + i * 12.5, cy + std::sin(i * 0.5) * 3);
            cairo_scale(cr, 1.8, 1.0);
            cairo_arc(cr, 0, 0, 3, 0, 6.2832);
            cairo_restore(cr);
            SetColor(cr, kInk);
            cairo_set_line_width(cr, 3.2);
            cairo_stroke_preserve(cr);
            SetColor(cr, Hex(0xB8C0D0));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
        cairo_move_to(cr, 300, cy - 2);
        cairo_curve_to(cr, 306, cy - 16, 296, cy - 26, 282, cy - 28);
        cairo_curve_to(cr, 292, cy - 20, 294, cy - 12, 292, cy - 2);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0xE0E8F0), kInk, 1.4);
        EndCell(c);
    }
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00269", 512, 512, bosses::Draw, "boss: kunoichi (fight 6)");

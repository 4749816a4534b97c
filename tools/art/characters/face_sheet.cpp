// The face sheet: 90 portraits of 96 x 96 in 10 columns by 9 rows (cast in content/faces.txt).
#include <cstdio>
#include <cstdlib>

#include "tools/art/characters/face.h"
#include "tools/art/characters/face_cast.h"
#include "tools/art/characters/figure.h"

namespace {

// How each member of the cast looks: backdrop, skin, hair, iris, clothes, collar, accent,
// hair, headgear, eyes, extras, face width, headband.
const FaceWho kWho[kCastCount] = {
    /* villager */ {0x8A7A5A, 0xE8BC94, 0x3A2A22, 0x3A2418, 0x7A6A4A, 0xE8E0D0, 0x6A8AB0, kFHShort,
                    kFHatScarf, kEyesNormal, kFXStubble, 1.05, 0},
    /* heroine 0 */
    {0x6A86B8, 0xF6D2B0, 0x2A1F2E, 0x7A4226, 0xF4EEE2, 0xC8262C, 0xD02830, kFHPonytail, kFHatNone, kEyesBig,
     kFXBlush | kFXLips, 0.95, 0},
    /* heroine 1 */
    {0x5A7A62, 0xF6D2B0, 0x2A1F2E, 0x7A4226, 0x5A3A78, 0xD8D0C0, 0x5CA05A, kFHPonytail, kFHatBand, kEyesBig,
     kFXBlush | kFXLips, 0.95, 0},
    /* heroine 2 */
    {0x8A5A3A, 0xF6D2B0, 0x2A1F2E, 0x7A4226, 0xECE6DA, 0xF4F0E6, 0xB8302C, kFHPonytail, kFHatBand, kEyesBig,
     kFXBlush | kFXLips | kFXArmour, 0.95, 0xE8C050},
    /* mountain oni */
    {0x6A3A22, 0xD04A3A, 0x2A1A14, 0xF8E050, 0xE8B030, 0x3A2A22, 0xE8B030, kFHWild, kFHatNone, kEyesBeast,
     kFXHorns | kFXFangs, 1.2, 0},
    /* ape */
    {0x4A6A4A, 0xB88A64, 0xE8E0D0, 0xE8B040, 0x8A6A4A, 0xE8E0D0, 0x8A6A4A, kFHWild, kFHatNone, kEyesBeast,
     kFXMuzzle | kFXFangs, 1.15, 0},
    /* bandit chief */
    {0x6A4A3A, 0xC88A5E, 0x2A1E18, 0x3A2010, 0x6A4A32, 0xB8A888, 0x9A4A2A, kFHWild, kFHatBand, kEyesSharp,
     kFXBeard | kFXScar, 1.18, 0},
    /* ninja */
    {0x3A4068, 0xE8C4A0, 0x1E2044, 0x4A3A5A, 0x34386A, 0xC83030, 0x34386A, kFHNone, kFHatHood, kEyesSharp,
     kFXScarf, 0.98, 0},
    /* armoured lord */
    {0x7A2A22, 0xE0B48C, 0x1A1A1A, 0x2A1A10, 0x3A1A1A, 0xE8E0D0, 0xB02A2A, kFHNone, kFHatKabuto, kEyesSharp,
     kFXBeard | kFXArmour, 1.15, 0},
    /* spear general */
    {0x2A5A5A, 0xE0B48C, 0x1A1A1A, 0x2A1A10, 0x1E3A3A, 0xE8E0D0, 0x2A7A72, kFHNone, kFHatKabuto, kEyesSharp,
     kFXMoustache | kFXArmour, 1.05, 0},
    /* kunoichi */
    {0x4A3A5A, 0xF0CCB0, 0x2A1A2E, 0x6A2A6A, 0x3A2A4A, 0x8A3A6A, 0x3A2A4A, kFHBun, kFHatNone, kEyesSharp,
     kFXLips, 0.92, 0},
    /* archer */
    {0x5A6A3A, 0xF2CCAE, 0x3A2418, 0x5A3A1A, 0x6A5A3A, 0xE8E0D0, 0xE8E0D0, kFHTied, kFHatBand, kEyesSharp,
     kFXLips, 0.92, 0},
    /* bridge monk */
    {0x8A3A2A, 0xD89C70, 0x2A1A14, 0x2A1A10, 0x2A2A30, 0xC8A040, 0xE8E4DC, kFHBald, kFHatVeil, kEyesSharp,
     kFXBeard, 1.2, 0},
    /* general */
    {0x3A3020, 0xE0B48C, 0x1A1A1A, 0x2A1A10, 0x1E1A1A, 0xE8C050, 0x2A2424, kFHNone, kFHatKabuto, kEyesSharp,
     kFXMenpo | kFXArmour, 1.08, 0},
    /* assassin */
    {0x5A2A3A, 0xF8F4F0, 0xC8302A, 0x2A1A1A, 0x2A2228, 0xC8302A, 0x2A2228, kFHWild, kFHatNone, kEyesSharp,
     kFXKumadori | kFXLips, 0.95, 0},
    /* great tengu */
    {0x5A7A8A, 0xD0483A, 0xF0ECE4, 0xC89A20, 0x2A2A36, 0xE8E4DC, 0x1E1A20, kFHWild, kFHatTokin, kEyesSharp,
     kFXLongNose | kFXBeard, 1.1, 0},
    /* thunder oni */
    {0x2A3A6A, 0x4A7AB8, 0x2A2228, 0xF8E050, 0xE8B030, 0x3A2A22, 0xE8B030, kFHWild, kFHatNone, kEyesBeast,
     kFXHorns | kFXFangs, 1.15, 0},
    /* komainu */
    {0x3A5A3A, 0xD8B040, 0x3A9A5A, 0xE86A20, 0x8A6A2A, 0xE8C050, 0x8A6A2A, kFHWild, kFHatNone, kEyesBeast,
     kFXMuzzle | kFXFangs, 1.15, 0},
    /* vermilion */
    {0xA84A1A, 0xE8BC94, 0x2A1A14, 0x8A2A10, 0x3A1A1A, 0xE8C050, 0xC83020, kFHNone, kFHatKabuto, kEyesSharp,
     kFXMoustache | kFXArmour, 1.08, 0},
    /* core */
    {0x3A1A2A, 0xC83A2A, 0x1A1A1A, 0xF8D040, 0x1A1A1A, 0x1A1A1A, 0xF8A030, kFHNone, kFHatNone, kEyesBeast,
     kFXOrb, 1.0, 0},
    /* gozu */
    {0x3A3A4A, 0x6A4A3A, 0x2A1E1A, 0xE83020, 0x6A6A74, 0x3A3A44, 0x6A6A74, kFHShort, kFHatNone, kEyesBeast,
     kFXHorns | kFXMuzzle | kFXNoseRing | kFXArmour, 1.2, 0},
    /* death lord */
    {0x1E1A2A, 0xE8E4D8, 0x1A1A1A, 0x7AE0F0, 0x1E1A22, 0x3A3444, 0x1E1A22, kFHNone, kFHatVeil, kEyesNormal,
     kFXSkull, 1.0, 0},
    /* sorcerer */
    {0x4A3A6A, 0xF4E8E0, 0x1A1A22, 0x8A2A8A, 0xF0EEE8, 0x8A4AA8, 0x8A4AA8, kFHShort, kFHatEboshi, kEyesNarrow,
     kFXMoustache, 0.95, 0},
    /* nine tails */
    {0x4A2A5A, 0xFAF4F0, 0xF4F0EA, 0xE8A020, 0x6A3A8A, 0xF8F4F0, 0xE8B83A, kFHLong, kFHatFoxEars, kEyesBeast,
     kFXEyeMarks | kFXLips, 0.9, 0},
    /* elder */
    {0x7A6A4A, 0xE8C0A0, 0xE8E4DC, 0x3A2A20, 0x5A4A3A, 0xE0D8C8, 0x5A4A3A, kFHBald, kFHatNone, kEyesOld,
     kFXBeard | kFXWrinkles, 1.05, 0},
    /* master */
    {0x4A5A4A, 0xE0B894, 0xC8C8C8, 0x2A2A2A, 0x3A4A3A, 0xE0D8C8, 0x3A4A3A, kFHTopknot, kFHatNone, kEyesNarrow,
     kFXMoustache | kFXWrinkles, 1.05, 0},
    /* princess */
    {0xA85A7A, 0xF8E0D0, 0x1A1424, 0x4A2A3A, 0xC83A6A, 0xF8F0E0, 0xE8B83A, kFHLong, kFHatNone, kEyesBig,
     kFXLips | kFXBlush, 0.9, 0},
    /* miko */
    {0x6A4A7A, 0xF6D8C0, 0x1A1420, 0x5A2A2A, 0xF4F2EE, 0x7A4A9A, 0x7A4A9A, kFHTied, kFHatNone, kEyesBig,
     kFXLips | kFXBlush, 0.9, 0},
    /* lord */
    {0x5A4A7A, 0xE8C4A0, 0x1A1A1A, 0x2A1A10, 0x4A3A7A, 0xE8E0D0, 0x1E1A20, kFHTopknot, kFHatEboshi,
     kEyesNormal, kFXMoustache, 1.05, 0},
    /* merchant */
    {0x8A7A3A, 0xF0C8A0, 0x3A2A20, 0x3A2A20, 0x4A6A4A, 0xE8E0D0, 0x3A5A8A, kFHTopknot, kFHatNone, kEyesOld, 0,
     1.14, 0},
    /* innkeeper */
    {0x8A5A4A, 0xF2CCAE, 0x2A1E1A, 0x3A2A20, 0x8A3A4A, 0xF0E8D8, 0xE8C050, kFHBun, kFHatNone, kEyesNormal,
     kFXLips, 0.95, 0},
    /* boy */
    {0x6A8A6A, 0xF0C8A0, 0x2A2018, 0x3A2A18, 0x4A6A9A, 0xE0D8C8, 0x4A6A9A, kFHShort, kFHatNone, kEyesBig,
     kFXBlush, 0.9, 0},
    /* girl */
    {0xA87A8A, 0xF6D4B8, 0x2A1A18, 0x4A2A1A, 0xE87A4A, 0xF8F0E0, 0xC83A3A, kFHBun, kFHatNone, kEyesBig,
     kFXBlush, 0.88, 0},
    /* old woman */
    {0x6A5A6A, 0xE8C4A8, 0xD8D4D0, 0x3A2A20, 0x5A4A5A, 0xE0D8C8, 0x5A4A5A, kFHBun, kFHatNone, kEyesOld,
     kFXWrinkles, 1.0, 0},
    /* captain */
    {0x4A5A6A, 0xE8B890, 0x2A2020, 0x201010, 0x3A5A8A, 0xC8C0B0, 0x4A3A32, kFHShort, kFHatJingasa,
     kEyesNarrow, kFXStubble, 1.05, 0},
    /* shinobi */
    {0x3A4A5A, 0xE8C4A0, 0x2A2A3A, 0x3A3A5A, 0x2E3452, 0x4A506A, 0x7A2A2A, kFHShort, kFHatBand, kEyesSharp, 0,
     0.95, 0},
    /* townswoman */
    {0x7A8A9A, 0xF2CCAE, 0x2A1E1A, 0x3A2A20, 0x4A7AA8, 0xF0E8D8, 0xE8C050, kFHBun, kFHatNone, kEyesNormal,
     kFXLips, 0.95, 0},
    /* farmer */
    {0x7A8A4A, 0xD8A47A, 0x2A2018, 0x2A2018, 0x6A7A5A, 0xD8D0C0, 0xC8A868, kFHShort, kFHatKasa, kEyesNormal,
     kFXStubble, 1.08, 0},
    /* monk */
    {0x8A7A5A, 0xE8C0A0, 0x2A2020, 0x2A2020, 0x3A3A3A, 0xC88A3A, 0xC88A3A, kFHBald, kFHatNone, kEyesOld, 0,
     1.05, 0},
};

const FaceMood kMoodOf[] = {kMoodNeutral, kMoodSmile, kMoodGrin, kMoodAngry, kMoodSad,   kMoodSurprised,
                            kMoodShout,   kMoodCalm,  kMoodSmug, kMoodHurt,  kMoodFierce};

void PaintFace(cairo_t* cr, const void* ctx) {
    const FaceCastCell* f = static_cast<const FaceCastCell*>(ctx);
    DrawFace(cr, kWho[f->who], kMoodOf[f->mood]);
}

void DrawFaceSheet(ArtCanvas& c) {
    static FaceCastCell cast[kFaceCells];
    std::string error;
    if (!LoadFaceCast(MIRAVEL_SOURCE_DIR "/content/faces.txt", cast, &error)) {
        fprintf(stderr, "mkart: %s\n", error.c_str());
        exit(1);
    }
    for (int n = 0; n < 90; n++) {
        int col = n % 10, row = n / 10;
        char what[32];
        snprintf(what, sizeof what, "AE00109 face %d", n);
        PaintCell(c, col * 96, row * 96, 96, 96, PaintFace, &cast[n], what);
        char label[8];
        snprintf(label, sizeof label, "%d", n);
        c.Cell(col * 96, row * 96, 96, 96, label);
    }
}

}  // namespace

ART_PICTURE("AE00109", 1024, 1024, DrawFaceSheet, "face sheet: 90 portraits");

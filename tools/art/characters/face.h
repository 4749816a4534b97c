// Portraits for the face sheet: a front view drawn from a few parameters (who) and an
// expression (how), inside a framed 96 x 96 cell.
#pragma once
#include <cairo.h>
#include <cstdint>

enum FaceHair {
    kFHPonytail,  // high ponytail with a fringe (the heroine)
    kFHTopknot,   // shaved pate and topknot
    kFHBald,
    kFHBun,
    kFHLong,   // long, parted in the middle
    kFHShort,  // short and tousled
    kFHWild,   // a spiky mane
    kFHTied,   // long hair tied low at the back, loose fringe
    kFHNone,   // covered by a hood or helmet
};

enum FaceHat {
    kFHatNone,
    kFHatBand,      // headband in `accent`
    kFHatScarf,     // cloth tied over the head in `accent`
    kFHatJingasa,   // soldier's conical hat
    kFHatKabuto,    // helmet with a golden crest
    kFHatHood,      // ninja hood, only the eyes show
    kFHatKasa,      // wide straw hat
    kFHatEboshi,    // tall black court cap
    kFHatTokin,     // small black cap of a mountain ascetic
    kFHatVeil,      // a monk's white head cloth
    kFHatTriangle,  // the white triangle of the dead
    kFHatCrown,     // golden hair ornaments / a diadem
    kFHatFoxEars,
};

enum FaceEyes { kEyesBig, kEyesNormal, kEyesNarrow, kEyesOld, kEyesSharp, kEyesBeast };

enum FaceMood {
    kMoodNeutral,
    kMoodSmile,
    kMoodGrin,
    kMoodAngry,
    kMoodSad,
    kMoodSurprised,
    kMoodShout,
    kMoodCalm,  // eyes closed
    kMoodSmug,
    kMoodHurt,
    kMoodFierce,  // burning resolve: a golden aura
};

enum FaceExtra : uint32_t {
    kFXBeard = 1,
    kFXMoustache = 2,
    kFXScar = 4,
    kFXLongNose = 8,
    kFXFangs = 16,
    kFXMenpo = 32,  // iron half-mask over mouth and chin
    kFXWrinkles = 64,
    kFXBlush = 128,
    kFXHorns = 256,
    kFXThirdEye = 512,
    kFXBeak = 1024,      // a crow's beak in place of nose and mouth
    kFXEyeMarks = 2048,  // red fox marks under the eyes
    kFXStubble = 4096,
    kFXOrb = 8192,      // not a face: a floating eye in an orb
    kFXArmour = 16384,  // lacquered breastplate and shoulder guards instead of a collar
    kFXLips = 32768,
    kFXSkull = 65536,      // bone face: dark sockets with glowing pupils, bared teeth
    kFXMuzzle = 131072,    // a beast's broad muzzle with nostrils
    kFXNoseRing = 262144,  // a gold ring through the muzzle (the ox-headed)
    kFXKumadori = 524288,  // red kabuki lines sweeping up from the eyes
    kFXScarf = 1048576,    // a scarf wrapped over mouth and chin in `under`
};

struct FaceWho {
    uint32_t bg;  // backdrop colour of the frame
    uint32_t skin, hair, iris, cloth, under, accent;
    FaceHair hair_style;
    FaceHat hat;
    FaceEyes eyes;
    uint32_t extras;
    double width;   // 1 = the heroine's face; 0.9 a slim one, 1.15 a broad one
    uint32_t band;  // headband colour when it differs from `accent` (0: the accent)
};

void DrawFace(cairo_t* cr, const FaceWho& who, FaceMood mood);

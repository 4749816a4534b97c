// Who is drawn in each of the 90 cells of the face sheet, read from content/faces.txt (the one
// place that says it; its comment lists the cells the game itself relies on). The enums are the
// drawing vocabulary of the face painter; the file names them in snake case.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

enum FaceCastWho {
    kCastVillager,
    kCastHeroine0,  // costume 0: white kimono, red hakama, red ribbon
    kCastHeroine1,  // costume 1: violet travelling outfit, green headband
    kCastHeroine2,  // costume 2: battle dress with a red breastplate, gold headband
    // The bosses, as their own sheets draw them.
    kCastMountainOni,   // row 0: red giant oni in a tiger skin
    kCastApe,           // row 1: the hihi, a great ape with a pale mane
    kCastBanditChief,   // row 2: burly raider with a headband
    kCastNinja,         // rows 3 and 9: the ninja master in indigo with a red scarf, also a seller
    kCastArmouredLord,  // row 4: giant in crimson armour
    kCastSpearGeneral,  // row 5: samurai in teal armour
    kCastKunoichi,      // row 6: woman of the shadows with a chain sickle
    kCastArcher,        // row 7: woman warrior with a longbow
    kCastBridgeMonk,    // row 8: hooded warrior monk of the bridge
    kCastGeneral,       // row 10: samurai in black and gold armour
    kCastAssassin,      // row 11: kabuki-painted killer with a red mane
    kCastGreatTengu,    // row 12: red-faced, long-nosed lord of the roof
    kCastThunderOni,    // row 13: blue demon of the god's castle
    kCastKomainu,       // row 14: gilded lion-dog with a green mane
    kCastVermilion,     // row 15: the vermilion general in scarlet and gold
    kCastCore,          // row 16: the dragon core, a burning pearl in a vermilion dragon's coils
    kCastGozu,          // row 17: the ox-headed gatekeeper in grey armour
    kCastDeathLord,     // row 18: hooded skull, lord of the dead
    kCastSorcerer,      // row 19: court sorcerer in white robes and a tall black cap
    kCastNineTails,     // row 20: the nine-tailed fox in a court robe
    // Story characters and townsfolk.
    kCastElder,
    kCastMaster,
    kCastPrincess,
    kCastMiko,
    kCastLord,
    kCastMerchant,
    kCastInnkeeper,
    kCastBoy,
    kCastGirl,
    kCastOldWoman,
    kCastCaptain,
    kCastShinobi,
    kCastTownswoman,
    kCastFarmer,
    kCastMonk,
    kCastCount
};

enum FaceCastMood {
    kCastNeutral,
    kCastSmile,
    kCastGrin,
    kCastAngry,
    kCastSad,
    kCastSurprised,
    kCastShout,
    kCastCalm,
    kCastSmug,
    kCastHurt,
    kCastFierce
};

struct FaceCastCell {
    FaceCastWho who;
    FaceCastMood mood;
};

constexpr int kFaceCells = 90;

const char* const kCastNames[kCastCount] = {
    "villager",     "heroine_0", "heroine_1",     "heroine_2",     "mountain_oni", "ape",
    "bandit_chief", "ninja",     "armoured_lord", "spear_general", "kunoichi",     "archer",
    "bridge_monk",  "general",   "assassin",      "great_tengu",   "thunder_oni",  "komainu",
    "vermilion",    "core",      "gozu",          "death_lord",    "sorcerer",     "nine_tails",
    "elder",        "master",    "princess",      "miko",          "lord",         "merchant",
    "innkeeper",    "boy",       "girl",          "old_woman",     "captain",      "shinobi",
    "townswoman",   "farmer",    "monk"};
const char* const kMoodNames[] = {"neutral", "smile", "grin", "angry", "sad",   "surprised",
                                  "shout",   "calm",  "smug", "hurt",  "fierce"};
constexpr int kMoodCount = sizeof(kMoodNames) / sizeof(kMoodNames[0]);

// Reads the cast file: one line "cell who mood" per cell, '#' comments, every cell exactly
// once. On failure *error says the line and what is wrong.
inline bool LoadFaceCast(const char* path, FaceCastCell cast[kFaceCells], std::string* error) {
    FILE* f = std::fopen(path, "r");
    if (!f) {
        *error = std::string(path) + ": cannot open";
        return false;
    }
    bool seen[kFaceCells] = {};
    char line[256];
    int lineNo = 0;
    bool ok = true;
    while (ok && std::fgets(line, sizeof line, f)) {
        ++lineNo;
        char* hash = std::strchr(line, '#');
        if (hash) *hash = '\0';
        int cell = -1;
        char who[64] = "", mood[64] = "", extra[8] = "";
        const int got = std::sscanf(line, "%d %63s %63s %7s", &cell, who, mood, extra);
        if (got <= 0) continue;  // blank or comment
        auto fail = [&](const std::string& what) {
            *error = std::string(path) + " line " + std::to_string(lineNo) + ": " + what;
            ok = false;
        };
        int w = -1, m = -1;
        for (int i = 0; i < kCastCount; ++i)
            if (!std::strcmp(who, kCastNames[i])) w = i;
        for (int i = 0; i < kMoodCount; ++i)
            if (!std::strcmp(mood, kMoodNames[i])) m = i;
        if (got != 3) {
            fail("expected \"cell who mood\"");
        } else if (cell < 0 || cell >= kFaceCells) {
            fail("cell " + std::to_string(cell) + " is outside 0-89");
        } else if (seen[cell]) {
            fail("cell " + std::to_string(cell) + " is given twice");
        } else if (w < 0) {
            fail(std::string("unknown character '") + who + "'");
        } else if (m < 0) {
            fail(std::string("unknown expression '") + mood + "'");
        } else {
            seen[cell] = true;
            cast[cell] = FaceCastCell{static_cast<FaceCastWho>(w), static_cast<FaceCastMood>(m)};
        }
    }
    std::fclose(f);
    for (int n = 0; ok && n < kFaceCells; ++n) {
        if (!seen[n]) {
            *error = std::string(path) + ": cell " + std::to_string(n) + " is missing";
            ok = false;
        }
    }
    return ok;
}

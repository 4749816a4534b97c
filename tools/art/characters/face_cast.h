// Who is drawn in each of the 90 cells of the face sheet (cell n: column n % 10, row n / 10)
// and with which expression. The game's fixed uses: 0 anonymous townsfolk; the heroine's
// panel faces 1/2 (costume 0, gauge below full / full), 9/21 (costume 1), 41/62 (costume 2);
// the boss portraits of the gallery rows 0-20: 11, 13, 18, 20, 23, 34, 42, 45, 32, 25, 27,
// 16, 56, 60, 67, 59, 71, 47, 72, 75, 82, drawn after the bosses' own sheets (rows 3 and 9 are
// the same ninja master, who also travels as a seller: more of his faces in 22, 24, 26);
// line faces 3 (the switch), 39 and 40 (the heroine in costume 2), 74 (the court sorcerer
// before his fight in the hall), 77 (the shrine maiden who leaves the hall). Every other cell
// is a further expression of a character for the story's lines.
#pragma once

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

const FaceCastCell kFaceCast[90] = {
    // 0-9
    {kCastVillager, kCastNeutral},
    {kCastHeroine0, kCastNeutral},
    {kCastHeroine0, kCastFierce},
    {kCastHeroine0, kCastSurprised},
    {kCastHeroine0, kCastSmile},
    {kCastHeroine0, kCastAngry},
    {kCastHeroine0, kCastSad},
    {kCastHeroine0, kCastShout},
    {kCastHeroine0, kCastCalm},
    {kCastHeroine1, kCastNeutral},
    // 10-19
    {kCastHeroine1, kCastSmile},
    {kCastMountainOni, kCastAngry},
    {kCastHeroine1, kCastSurprised},
    {kCastApe, kCastAngry},
    {kCastHeroine1, kCastAngry},
    {kCastHeroine1, kCastSad},
    {kCastAssassin, kCastSmug},
    {kCastHeroine1, kCastCalm},
    {kCastBanditChief, kCastGrin},
    {kCastHeroine1, kCastShout},
    // 20-29
    {kCastNinja, kCastAngry},
    {kCastHeroine1, kCastFierce},
    {kCastNinja, kCastSmile},
    {kCastArmouredLord, kCastAngry},
    {kCastNinja, kCastNeutral},
    {kCastNinja, kCastFierce},
    {kCastNinja, kCastSurprised},
    {kCastGeneral, kCastShout},
    {kCastElder, kCastNeutral},
    {kCastElder, kCastSmile},
    // 30-39
    {kCastMaster, kCastNeutral},
    {kCastMaster, kCastAngry},
    {kCastBridgeMonk, kCastAngry},
    {kCastPrincess, kCastNeutral},
    {kCastSpearGeneral, kCastAngry},
    {kCastPrincess, kCastSad},
    {kCastBoy, kCastSmile},
    {kCastMonk, kCastCalm},
    {kCastLord, kCastNeutral},
    {kCastHeroine2, kCastAngry},
    // 40-49
    {kCastHeroine2, kCastSurprised},
    {kCastHeroine2, kCastNeutral},
    {kCastKunoichi, kCastSmug},
    {kCastHeroine2, kCastSmile},
    {kCastHeroine2, kCastSad},
    {kCastArcher, kCastAngry},
    {kCastHeroine2, kCastShout},
    {kCastGozu, kCastAngry},
    {kCastHeroine2, kCastCalm},
    {kCastMerchant, kCastSmile},
    // 50-59
    {kCastMerchant, kCastNeutral},
    {kCastInnkeeper, kCastSmile},
    {kCastGirl, kCastSmile},
    {kCastOldWoman, kCastSmile},
    {kCastCaptain, kCastAngry},
    {kCastShinobi, kCastNeutral},
    {kCastGreatTengu, kCastShout},
    {kCastTownswoman, kCastNeutral},
    {kCastFarmer, kCastSmile},
    {kCastVermilion, kCastAngry},
    // 60-69
    {kCastThunderOni, kCastShout},
    {kCastLord, kCastAngry},
    {kCastHeroine2, kCastFierce},
    {kCastHeroine0, kCastHurt},
    {kCastHeroine1, kCastHurt},
    {kCastHeroine2, kCastHurt},
    {kCastHeroine0, kCastGrin},
    {kCastKomainu, kCastAngry},
    {kCastPrincess, kCastSmile},
    {kCastGirl, kCastSurprised},
    // 70-79
    {kCastBoy, kCastSurprised},
    {kCastCore, kCastAngry},
    {kCastDeathLord, kCastAngry},
    {kCastElder, kCastSad},
    {kCastSorcerer, kCastSmug},
    {kCastSorcerer, kCastAngry},
    {kCastMiko, kCastSmile},
    {kCastMiko, kCastNeutral},
    {kCastMiko, kCastSad},
    {kCastMaster, kCastSmile},
    // 80-89
    {kCastShinobi, kCastSmile},
    {kCastHeroine1, kCastGrin},
    {kCastNineTails, kCastAngry},
    {kCastNineTails, kCastSmug},
    {kCastHeroine2, kCastGrin},
    {kCastInnkeeper, kCastNeutral},
    {kCastFarmer, kCastNeutral},
    {kCastMonk, kCastSmile},
    {kCastTownswoman, kCastSurprised},
    {kCastVillager, kCastSmile},
};

// Who is drawn in each of the 90 cells of the face sheet (cell n: column n % 10, row n / 10)
// and with which expression. The game's fixed uses: 0 anonymous townsfolk; the heroine's
// panel faces 1/2 (costume 0, gauge below full / full), 9/21 (costume 1), 41/62 (costume 2);
// the boss portraits of the gallery rows 0-20: 11, 13, 18, 20, 23, 34, 42, 45, 32, 25, 27,
// 16, 56, 60, 67, 59, 71, 47, 72, 75, 82 (rows 3 and 9 are the same wandering swordsman);
// line faces 3 (the switch), 39 and 40 (the heroine in costume 2), 74 (the hall's priestess
// before her fight), 77 (the shrine maiden who leaves the hall). Every other cell is a
// further expression of a character for the story's lines.
#pragma once

enum FaceCastWho {
    kCastVillager,
    kCastHeroine0,     // costume 0: crimson kimono, red headband
    kCastHeroine1,     // costume 1: violet travelling outfit, green headband
    kCastHeroine2,     // costume 2: battle dress with a red breastplate, gold headband
    kCastRival,        // the wandering swordsman, also a seller on the road (boss rows 3 and 9)
    kCastBanditChief,  // row 0
    kCastWarriorMonk,  // row 1
    kCastRonin,        // row 2
    kCastSorcerer,     // row 4
    kCastSpearWoman,   // row 5
    kCastNinjaMaster,  // row 6
    kCastGreatTengu,   // row 7
    kCastFireMonk,     // row 8
    kCastBerserker,    // row 10
    kCastKunoichi,     // row 11
    kCastCrowDemon,    // row 12
    kCastGeneral,      // row 13
    kCastFoxSpirit,    // row 14
    kCastSuzakuLord,   // row 15
    kCastCore,         // row 16
    kCastGatekeeper,   // row 17
    kCastRedOni,       // row 18
    kCastPriestess,    // row 19
    kCastMountainGod,  // row 20
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
    {kCastBanditChief, kCastAngry},
    {kCastHeroine1, kCastSurprised},
    {kCastWarriorMonk, kCastAngry},
    {kCastHeroine1, kCastAngry},
    {kCastHeroine1, kCastSad},
    {kCastKunoichi, kCastSmug},
    {kCastHeroine1, kCastCalm},
    {kCastRonin, kCastGrin},
    {kCastHeroine1, kCastShout},
    // 20-29
    {kCastRival, kCastAngry},
    {kCastHeroine1, kCastFierce},
    {kCastRival, kCastSmile},
    {kCastSorcerer, kCastSmug},
    {kCastRival, kCastNeutral},
    {kCastRival, kCastFierce},
    {kCastRival, kCastSurprised},
    {kCastBerserker, kCastShout},
    {kCastElder, kCastNeutral},
    {kCastElder, kCastSmile},
    // 30-39
    {kCastMaster, kCastNeutral},
    {kCastMaster, kCastAngry},
    {kCastFireMonk, kCastAngry},
    {kCastPrincess, kCastNeutral},
    {kCastSpearWoman, kCastAngry},
    {kCastPrincess, kCastSad},
    {kCastBoy, kCastSmile},
    {kCastMonk, kCastCalm},
    {kCastLord, kCastNeutral},
    {kCastHeroine2, kCastAngry},
    // 40-49
    {kCastHeroine2, kCastSurprised},
    {kCastHeroine2, kCastNeutral},
    {kCastNinjaMaster, kCastAngry},
    {kCastHeroine2, kCastSmile},
    {kCastHeroine2, kCastSad},
    {kCastGreatTengu, kCastShout},
    {kCastHeroine2, kCastShout},
    {kCastGatekeeper, kCastSmug},
    {kCastHeroine2, kCastCalm},
    {kCastMerchant, kCastSmile},
    // 50-59
    {kCastMerchant, kCastNeutral},
    {kCastInnkeeper, kCastSmile},
    {kCastGirl, kCastSmile},
    {kCastOldWoman, kCastSmile},
    {kCastCaptain, kCastAngry},
    {kCastShinobi, kCastNeutral},
    {kCastCrowDemon, kCastAngry},
    {kCastTownswoman, kCastNeutral},
    {kCastFarmer, kCastSmile},
    {kCastSuzakuLord, kCastAngry},
    // 60-69
    {kCastGeneral, kCastAngry},
    {kCastLord, kCastAngry},
    {kCastHeroine2, kCastFierce},
    {kCastHeroine0, kCastHurt},
    {kCastHeroine1, kCastHurt},
    {kCastHeroine2, kCastHurt},
    {kCastHeroine0, kCastGrin},
    {kCastFoxSpirit, kCastSmug},
    {kCastPrincess, kCastSmile},
    {kCastGirl, kCastSurprised},
    // 70-79
    {kCastBoy, kCastSurprised},
    {kCastCore, kCastAngry},
    {kCastRedOni, kCastShout},
    {kCastElder, kCastSad},
    {kCastPriestess, kCastSmug},
    {kCastPriestess, kCastAngry},
    {kCastMiko, kCastSmile},
    {kCastMiko, kCastNeutral},
    {kCastMiko, kCastSad},
    {kCastMaster, kCastSmile},
    // 80-89
    {kCastShinobi, kCastSmile},
    {kCastHeroine1, kCastGrin},
    {kCastMountainGod, kCastAngry},
    {kCastMountainGod, kCastSmug},
    {kCastHeroine2, kCastGrin},
    {kCastInnkeeper, kCastNeutral},
    {kCastFarmer, kCastNeutral},
    {kCastMonk, kCastSmile},
    {kCastTownswoman, kCastSurprised},
    {kCastVillager, kCastSmile},
};

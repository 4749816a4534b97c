// Which cell of the townsfolk sheet (8 x 8 cells of 64 x 64, cell (c, r) = column c, row r)
// shows whom. Figures face right and stand on the bottom line; the game mirrors them for
// facing left. Cell index i is column i % 8, row i / 8.
#pragma once

enum TownsfolkCell {
    // Row 0: story characters standing.
    kFolkElder = 0,
    kFolkMaster = 1,  // the heroine's old sword master
    kFolkPrincess = 2,
    kFolkLord = 3,
    kFolkMiko = 4,  // the shrine maiden
    kFolkMonk = 5,
    kFolkShinobi = 6,  // the young shinobi who helps her
    kFolkCaptain = 7,  // captain of foot soldiers
    // Row 1: merchants, sellers and townspeople.
    kFolkMerchant = 8,  // travelling merchant with his box
    kFolkBasketSeller = 9,
    kFolkInnkeeper = 10,
    kFolkPedlar = 11,  // with a basket on his back
    kFolkOldWoman = 12,
    kFolkBoy = 13,
    kFolkGirl = 14,
    kFolkFarmer = 15,
    // Row 2: villagers.
    kFolkTownsman = 16,
    kFolkTownswoman = 17,
    kFolkWoodcutter = 18,
    kFolkPilgrim = 19,
    kFolkPriest = 20,
    kFolkGuard = 21,
    kFolkOldMan = 22,
    kFolkRonin = 23,
    // Row 3: the world of the dead and small creatures.
    kFolkGhostMan = 24,
    kFolkGhostWoman = 25,
    kFolkSoulFlame = 26,
    kFolkLanternGhost = 27,
    kFolkJizo = 28,  // stone roadside statue
    kFolkCat = 29,
    kFolkDog = 30,
    kFolkCrow = 31,
    // Row 4: story poses.
    kFolkElderBow = 32,
    kFolkPrincessKneel = 33,
    kFolkMasterSeated = 34,
    kFolkWounded = 35,  // a villager lying hurt
    kFolkPrincessWalk1 = 36,
    kFolkPrincessWalk2 = 37,
    kFolkMessengerRun1 = 38,
    kFolkMessengerRun2 = 39,
    // Row 5: walking props of the scenes.
    kFolkBoyRun1 = 40,  // the opening scene's running boy: two-cell cycle 40, 41
    kFolkBoyRun2 = 41,
    kFolkMessenger = 42,
    kFolkMikoWalk0 = 43,  // cycle 43, 44, 43, 45 (the hall scene's shrine maiden)
    kFolkMikoWalk1 = 44,
    kFolkMikoWalk2 = 45,
    kFolkMikoPray = 46,
    kFolkMikoBow = 47,
    // Row 6: more villagers.
    kFolkRetainer = 48,
    kFolkCourtLady = 49,
    kFolkDrunk = 50,
    kFolkTeaGirl = 51,
    kFolkSmith = 52,
    kFolkLittleGirl = 53,
    kFolkFarmWife = 54,
    kFolkNun = 55,
    // Row 7: the hanafuda card (all ten cards alike) and a few props.
    kFolkCardSpin = 56,  // cell (0, 7): the card turning; shown plain and mirrored in turn
    kFolkShrineLantern = 57,
    kFolkSignpost = 58,
    kFolkBarrel = 59,
    kFolkFox = 60,
    kFolkRabbit = 61,
    kFolkChest = 62,
    kFolkCard = 63,  // cell (7, 7): the card lying in the world
};

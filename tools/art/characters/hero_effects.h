// Where each picture sits on the heroine's sheet 1 (1024 x 1024): texel rectangles
// (x, y, w, h) the game cuts for her sword effects, clash sparks, big digits and the
// hit-counter switch. All face right; the game mirrors them for facing left.
#pragma once

struct SheetRect {
    int x, y, w, h;
};

const SheetRect kEffectCombo0 = {0, 128, 128, 50};       // level slash (reads upside down too)
const SheetRect kEffectCombo1 = {0, 0, 128, 128};        // rising arc
const SheetRect kEffectCombo2 = {128, 128, 256, 64};     // low sweep
const SheetRect kEffectCombo3a = {384, 0, 64, 128};      // first frame: vertical cut
const SheetRect kEffectCombo3b = {128, 0, 256, 128};     // then the great arc
const SheetRect kEffectCombo4a = {0, 192, 128, 64};      // first frame: short thrust
const SheetRect kEffectCombo4b = {0, 448, 388, 64};      // then the long thrust
const SheetRect kEffectCombo5 = {448, 0, 192, 128};      // falling cleave
const SheetRect kEffectCombo6 = {640, 0, 192, 128};      // rising arc over the head
const SheetRect kEffectCombo7 = {384, 128, 256, 64};     // double cut
const SheetRect kEffectCombo8 = {832, 0, 192, 128};      // cross cut
const SheetRect kEffectCombo9 = {0, 384, 320, 64};       // long drawing cut
const SheetRect kEffectSpecial0 = {320, 384, 320, 64};   // wave
const SheetRect kEffectSpecial1 = {128, 192, 256, 64};   // flurry
const SheetRect kEffectSpecial2 = {384, 192, 256, 64};   // stronger flurry
const SheetRect kEffectSpecial3a = {400, 448, 256, 64};  // frames 0-19
const SheetRect kEffectSpecial3b = {0, 512, 320, 64};    // frames 20-39
const SheetRect kEffectSpecial3c = {640, 384, 320, 64};  // frames 40-59
const SheetRect kEffectSpecial3d = {640, 448, 384, 64};  // frames 60-89
// Clash spark k (0 to 7): 64 x 64 at (640 + 64 (k % 4), 128 + 64 (k / 4)).
inline SheetRect EffectSpark(int k) {
    return {640 + 64 * (k % 4), 128 + 64 * (k / 4), 64, 64};
}
// Big digit d: 64 x 128 in the band y 256-384; 1 to 9 from x 0, then 0 at x 576.
inline SheetRect BigDigit(int d) {
    return {d == 0 ? 576 : 64 * (d - 1), 256, 64, 128};
}
const SheetRect kHitSwitchOn = {640, 256, 128, 32};
const SheetRect kHitSwitchOff = {640, 288, 128, 32};

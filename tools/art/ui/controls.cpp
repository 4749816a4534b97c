// The controls picture (menu page 4): the keyboard in the top half, the joystick in the
// bottom half; each half is shown as a 640 x 240 panel at (0, 64).
#include "tools/art/ui/style.h"

using namespace ui;

struct ControlRow {
    const char* keys[3];  // up to three caps, nullptr ends
    const char* what;
};

static void Panel(cairo_t* cr, double y, const char* title) {
    FillRect(cr, 4, y + 4, 632, 232, Hex(0x4A2E1E));
    Washi(cr, 8, y + 8, 624, 224, uint32_t(197 + y));
    StrokeRect(cr, 8, y + 8, 624, 224, Hex(0xB89A66), 1);
    FillRect(cr, 8, y + 8, 624, 28, Hex(0xE4D4B0));
    FillRect(cr, 8, y + 36, 624, 1, Hex(0xB89A66));
    FillRect(cr, 16, y + 14, 6, 16, kVermilion);
    DrawText(cr, title, 28, y + 13, 17, kInk);
}

static void Rows(cairo_t* cr, double x, double y, const ControlRow* rows, int n, double capW, double textX) {
    for (int i = 0; i < n; i++) {
        double ry = y + 32 * i, cx = x;
        for (int k = 0; k < 3 && rows[i].keys[k]; k++) {
            double w = TextWidth(cr, rows[i].keys[k], 14) > capW - 8 ? TextWidth(cr, rows[i].keys[k], 14) + 12
                                                                     : capW;
            KeyCap(cr, cx, ry, w, 26, rows[i].keys[k], 14);
            cx += w + 4;
        }
        DrawText(cr, rows[i].what, x + textX, ry + 5, 15, kInk);
    }
}

static void DrawKeyboard(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    Panel(cr, 0, u8"操作方法　キーボード");
    const ControlRow left[6] = {
        {{u8"←", u8"→", nullptr}, u8"歩く"},
        {{u8"↑", nullptr, nullptr}, u8"話す・出入り・セーブ"},
        {{u8"↓", nullptr, nullptr}, u8"防御"},
        {{u8"Space", nullptr, nullptr}, u8"メニューを開く・閉じる"},
        {{u8"F1", nullptr, nullptr}, u8"あきらめる（ゲームオーバー）"},
        {{u8"Esc", nullptr, nullptr}, u8"ゲームを終わる"},
    };
    const ControlRow right[3] = {
        {{u8"Ｚ", nullptr, nullptr}, u8"攻撃・押し続けて連撃"},
        {{u8"Ｘ", nullptr, nullptr}, u8"奥義・決定・文を送る"},
        {{u8"Ｃ", nullptr, nullptr}, u8"跳ぶ・取り消し"},
    };
    Rows(cr, 20, 44, left, 6, 28, 84);
    Rows(cr, 348, 44, right, 3, 28, 40);
    // A note on the save point beside the right column.
    FillRect(cr, 348, 150, 272, 1, Hex(0xB89A66));
    DrawText(cr, u8"セーブは、セーブ地点で ↑", 352, 160, 14, Hex(0x4A3A2C));
    DrawText(cr, u8"技の続きは、画面の左下に", 352, 182, 14, Hex(0x4A3A2C));
    DrawText(cr, u8"ヒントが出ます（成長の頁）", 352, 202, 14, Hex(0x4A3A2C));
    c.Cell(0, 0, 640, 240, "keyboard");
}

// A joystick drawn from above: the cross on the left, four buttons on the right.
static void DrawPad(cairo_t* cr, double x, double y) {
    FillRoundRect(cr, x, y, 200, 100, 40, Hex(0x2A2420));
    FillRoundRect(cr, x + 3, y + 3, 194, 94, 38, Hex(0x4A4038));
    // Cross.
    FillRect(cr, x + 30, y + 42, 48, 16, Hex(0x1A1410));
    FillRect(cr, x + 46, y + 26, 16, 48, Hex(0x1A1410));
    // Buttons numbered as the game reads them (counted from 1).
    const double bx[4] = {150, 172, 150, 128}, by[4] = {28, 50, 72, 50};
    const char* names[4] = {"4", "3", "2", "1"};
    for (int i = 0; i < 4; i++) {
        FillCircle(cr, x + bx[i], y + by[i], 10, Hex(0x1A1410));
        FillCircle(cr, x + bx[i], y + by[i], 8.5, i == 3 ? Hex(0x8A847A) : kVermilion);
        DrawTextCentered(cr, names[i], x + bx[i] - 8, y + by[i] - 8, 16, 16, 12, kCream);
    }
    FillRoundRect(cr, x + 88, y + 14, 24, 9, 4, Hex(0x1A1410));
    DrawTextCentered(cr, "9", x + 88, y + 2, 24, 12, 10, kCream);
}

static void DrawJoystick(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    Panel(cr, 240, u8"操作方法　ジョイスティック");
    DrawPad(cr, 20, 240 + 52);
    DrawText(cr, u8"ボタンの番号", 70, 240 + 160, 13, Hex(0x4A3A2C));
    DrawText(cr, u8"（1 は使いません）", 56, 240 + 178, 13, Hex(0x4A3A2C));
    const ControlRow rows[6] = {
        {{u8"十字　左右", nullptr, nullptr}, u8"歩く"},
        {{u8"十字　上", nullptr, nullptr}, u8"話す・出入り・セーブ"},
        {{u8"十字　下", nullptr, nullptr}, u8"防御"},
        {{u8"ボタン4", nullptr, nullptr}, u8"攻撃・連撃（Ｚ）"},
        {{u8"ボタン2", nullptr, nullptr}, u8"奥義・決定・文送り（Ｘ）"},
        {{u8"ボタン3", nullptr, nullptr}, u8"跳ぶ・取り消し（Ｃ）"},
    };
    for (int i = 0; i < 6; i++) {
        double ry = 240 + 42 + 28 * i;
        KeyCap(cr, 240, ry, 88, 26, rows[i].keys[0], 14);
        DrawText(cr, rows[i].what, 338, ry + 5, 15, kInk);
    }
    DrawText(cr, u8"ボタン9：メニュー　　F1・Esc はキーボードで", 240, 240 + 42 + 28 * 6 + 4, 13,
             Hex(0x4A3A2C));
    c.Cell(0, 240, 640, 240, "joystick");
}

static void DrawControls(ArtCanvas& c) {
    DrawKeyboard(c);
    DrawJoystick(c);
}

ART_PICTURE("AE00197", 640, 480, DrawControls, "controls picture (menu page 4)");

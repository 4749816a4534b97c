// The dialogue box: its marker's bob and cells, the face, the drawing order, and the
// advance rule with the action-key latch and the lock.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/input.h"
#include "app/modes.h"
#include "panel_test_pictures.h"
#include "render/game_textures.h"
#include "render/text.h"
#include "story/dialogue_box.h"
#include "world/run_state.h"

namespace {

using paneltest::FaceColour;
using paneltest::Rgb;
using paneltest::Sheet;

// Resets the marker clock and the frame flags around each test.
class DialogueState : public ::testing::Test {
protected:
    void SetUp() override {
        DialogueBlinkCount = 0;
        DialogueBobDown = true;
        EventActive = 1;
        KeyHeld = 0;
        AdvanceLock = 0;
        ReleaseKeys();
        InitDialogueQuads();
    }
    void TearDown() override {
        EventActive = KeyHeld = AdvanceLock = 0;
        ReleaseKeys();
    }
    static float MarkerTop() { return DialogueBox.marker.v[0].y; }
};

TEST_F(DialogueState, MarkerBobsBetween442And448WithAPeriodOf64Frames) {
    std::vector<float> ys;
    for (int frame = 0; frame < 192; ++frame) {
        DrawDialogueBox(0, "");
        ys.push_back(MarkerTop());
        EXPECT_EQ(DialogueBox.marker.v[0].x, 603);
    }
    EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), 442);
    EXPECT_EQ(*std::max_element(ys.begin(), ys.end()), 448);
    for (size_t i = 0; i + 64 < ys.size(); ++i) EXPECT_EQ(ys[i], ys[i + 64]) << "frame " << i;
    // From the first frame: 442 for counters 1-4, then a pixel every 5 frames down to
    // 448, the turn, and back up.
    EXPECT_EQ(ys[0], 442);
    EXPECT_EQ(ys[3], 442);
    EXPECT_EQ(ys[4], 443);
    EXPECT_EQ(ys[30], 448);
    EXPECT_EQ(ys[31], 448);  // the turn: counter 0 going up starts at 448
    EXPECT_EQ(ys[36], 447);
    bool moved = false;
    for (size_t i = 1; i < 64; ++i) {
        EXPECT_LE(std::abs(ys[i] - ys[i - 1]), 1) << "glides a pixel at a time";
        moved |= ys[i] != ys[i - 1];
    }
    EXPECT_TRUE(moved);
}

TEST_F(DialogueState, MarkerResumesWhereTheLastConversationLeftIt) {
    for (int i = 0; i < 40; ++i) DrawDialogueBox(0, "");
    const int32_t count = DialogueBlinkCount;
    const bool down = DialogueBobDown;
    // Frames with no box on screen leave the clock alone.
    DrawDialogueBox(0, "");
    EXPECT_EQ(DialogueBlinkCount, count + 1);
    EXPECT_EQ(DialogueBobDown, down);
}

TEST_F(DialogueState, LockedMarkerShowsItsOwnCell) {
    DrawDialogueBox(0, "");
    EXPECT_NEAR(DialogueBox.marker.v[1].u, 0.03125f, 1e-6);
    EXPECT_NEAR(DialogueBox.marker.v[0].u, 0.001f, 1e-6);
    AdvanceLock = 1;
    DrawDialogueBox(0, "");
    EXPECT_NEAR(DialogueBox.marker.v[0].u, 0.0635f, 1e-6);
    EXPECT_NEAR(DialogueBox.marker.v[1].u, 0.09375f, 1e-6);
    EXPECT_NEAR(DialogueBox.marker.v[2].v, 0.625f, 1e-6);
    EXPECT_EQ(DialogueBox.marker.v[0].diffuse >> 24, 200u);
    AdvanceLock = 0;
    DrawDialogueBox(0, "");
    EXPECT_NEAR(DialogueBox.marker.v[0].u, 0.001f, 1e-6);
}

TEST_F(DialogueState, FaceCell89IsTheLastAnd90KeepsThePreviousFace) {
    DrawDialogueBox(89, "");
    EXPECT_NEAR(DialogueBox.face.v[2].u, 0.9375f, 1e-6);   // column 9
    EXPECT_NEAR(DialogueBox.face.v[2].v, 0.84375f, 1e-6);  // row 8
    DrawDialogueBox(90, "");
    EXPECT_NEAR(DialogueBox.face.v[2].u, 0.9375f, 1e-6);
    EXPECT_NEAR(DialogueBox.face.v[2].v, 0.84375f, 1e-6);
    DrawDialogueBox(12, "");
    EXPECT_NEAR(DialogueBox.face.v[2].u, 0.28125f, 1e-6);
    EXPECT_NEAR(DialogueBox.face.v[2].v, 0.1875f, 1e-6);
}

TEST_F(DialogueState, AdvanceNeedsAStoppedWorldAFreshXAndNoLock) {
    struct Case {
        uint8_t event, held, lock;
        bool key, pad;
        bool fires;
    } cases[] = {
        {1, 0, 0, true, false, true},   {1, 0, 0, false, true, true},  {1, 0, 0, true, true, true},
        {1, 0, 0, false, false, false}, {0, 0, 0, true, false, false}, {1, 1, 0, true, false, false},
        {1, 0, 1, true, false, false},  {1, 0, 1, false, true, false},
    };
    for (const Case& c : cases) {
        EventActive = c.event;
        KeyHeld = c.held;
        AdvanceLock = c.lock;
        ReleaseKeys();
        if (c.key) HoldKey(VK_X);
        if (c.pad) PadFlags = PAD_X;
        EXPECT_EQ(DialogueAdvance(), c.fires) << int(c.event) << int(c.held) << int(c.lock) << c.key << c.pad;
    }
    // Other keys never advance a line.
    EventActive = 1;
    KeyHeld = AdvanceLock = 0;
    ReleaseKeys();
    HoldKey(VK_Z);
    HoldKey(VK_C);
    HoldKey(VK_SPACE);
    PadFlags = PAD_Z | PAD_C | PAD_SPACE;
    EXPECT_FALSE(DialogueAdvance());
}

// A conversation's frames: the box, the advance, and the in-game frame's key latch.
class Conversation : public DialogueState {
protected:
    int line = 0;
    void Frame(bool xDown) {
        ReleaseKeys();
        if (xDown) HoldKey(VK_X);
        DrawDialogueBox(0, "");
        if (DialogueAdvance()) line += 1;
        KeyHeld = (KeyDown(VK_Z) || KeyDown(VK_X) || KeyDown(VK_C) || KeyDown(VK_SPACE)) ? 1 : 0;
    }
};

TEST_F(Conversation, HoldingXShowsOneLineOnly) {
    for (int i = 0; i < 60; ++i) Frame(true);
    EXPECT_EQ(line, 1);
    Frame(false);
    EXPECT_EQ(line, 1);
    Frame(true);
    EXPECT_EQ(line, 2);
    for (int i = 0; i < 10; ++i) Frame(i % 2 == 1);  // five fresh presses
    EXPECT_EQ(line, 7);
}

TEST_F(Conversation, LockedStepsIgnorePresses) {
    AdvanceLock = 1;
    for (int i = 0; i < 10; ++i) Frame(i % 2 == 0);
    EXPECT_EQ(line, 0);
    AdvanceLock = 0;
    Frame(false);
    Frame(true);
    EXPECT_EQ(line, 1);
}

// Pictures for the drawing: a light box with a dark strip at its right end, the two
// marker cells, and a face sheet of one colour per cell.
constexpr uint32_t kBox = 0xFFE0D0B0;
constexpr uint32_t kOpen = 0xFF20C020;
constexpr uint32_t kLocked = 0xFFC02020;

Sheet BoxSheet() {
    Sheet s(1024, 256, paneltest::kMagenta);
    s.Fill(0, 0, 640, 96, kBox);
    s.Fill(0, 128, 32, 160, kOpen);
    s.Fill(64, 128, 96, 160, kLocked);
    return s;
}

Sheet FaceSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int cell = 0; cell < 90; ++cell) {
        const int x = 96 * (cell % 10), y = 96 * (cell / 10);
        s.Fill(x, y, x + 96, y + 96, FaceColour(cell));
    }
    return s;
}

class DialogueDrawing : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        g_DialogueBoxTex = Load(BoxSheet());
        g_DialogueFaceSheet = Load(FaceSheet());
        fontReady = InitFont() == FONT_OK;
        InitDialogueQuads();
        DialogueBlinkCount = 0;
        DialogueBobDown = true;
        AdvanceLock = 0;
        video_Clear(0xFF000000u);
    }
    void TearDown() override {
        g_DialogueBoxTex = nullptr;
        g_DialogueFaceSheet = nullptr;
        AdvanceLock = 0;
        video_FreeFont();
        PictureDevice::TearDown();
    }
    bool fontReady = false;
    // Lowest row in [top, 480) with a dark text pixel right of the face.
    int LastInkRow() const {
        int last = -1;
        for (int y = 384; y < 480; ++y)
            for (int x = 96; x < 600; ++x)
                if ((At(x, y) & 0xFF) < 0x60 && (At(x, y) >> 16) < 0x60) {
                    last = y;
                    break;
                }
        return last;
    }
};

TEST_F(DialogueDrawing, BoxFaceMarkerAndTextLandInPlace) {
    DrawDialogueBox(34, "\x82\xa0\x82\xa2\n\t\t\t Line one");  // a label, then one line
    Read();
    EXPECT_EQ(At(300, 470), Rgb(kBox));
    EXPECT_EQ(At(300, 380), 0u) << "nothing above the box";
    EXPECT_EQ(At(48, 430), Rgb(FaceColour(34)));
    EXPECT_EQ(At(95, 479), Rgb(FaceColour(34)));
    const uint32_t marker = At(615, 455);
    EXPECT_GT((marker >> 8) & 0xFF, 0x90u) << "open cell is green";
    EXPECT_LT((marker >> 16) & 0xFF, 0x60u);
    if (!fontReady) GTEST_SKIP() << "no font on this machine";
    const int ink = LastInkRow();
    EXPECT_GE(ink, 398) << "the text line under the label";
    EXPECT_LT(ink, 420);
}

TEST_F(DialogueDrawing, FiveLinesRunDownTheBoxAndTheLockedMarkerShows) {
    AdvanceLock = 1;
    const std::string text = "\n\t\t\t\t one\n\t\t\t\t two\n\t\t\t\t three\n\t\t\t\t four\n\t\t\t\t five";
    DrawDialogueBox(0, text.c_str());
    Read();
    const uint32_t marker = At(615, 455);
    EXPECT_GT((marker >> 16) & 0xFF, 0x90u) << "locked cell is red";
    EXPECT_LT((marker >> 8) & 0xFF, 0x60u);
    if (!fontReady) GTEST_SKIP() << "no font on this machine";
    const int ink = LastInkRow();
    EXPECT_GE(ink, 384 + 5 * 14) << "the fifth line lies below the first four";
    EXPECT_LT(ink, 480);
}

TEST_F(DialogueDrawing, OverlongTextIsCutNotOverrun) {
    std::string text(5000, 'A');
    DrawDialogueBox(0, text.c_str());
    DrawDialogueBox(0, nullptr);
    Read();
    EXPECT_EQ(At(300, 470), Rgb(kBox));
}

}  // namespace

// The dialogue box over the status panel: the speaker's face, one block of text and a
// bobbing marker that tells the player a key press moves on. It keeps no conversation
// state; whoever owns the conversation draws it every frame and advances its own line.
#pragma once
#include <cstdint>

#include "render/quad.h"

enum : int32_t {
    DIALOGUE_TEXT_BYTES = 300,
    DIALOGUE_BLINK_LAST = 31,  // the bob turns round every 32 frames
    DIALOGUE_MARKER_X = 603,
    DIALOGUE_MARKER_TOP = 442,
    DIALOGUE_MARKER_BOTTOM = 448,
};

// Its pictures are g_DialogueBoxTex and g_DialogueFaceSheet (render/game_textures.h).
struct DialogueBoxRecord {
    SpriteQuad box;     // 640 x 96 at (0, 384)
    SpriteQuad face;    // 96 x 96 at (0, 384)
    SpriteQuad marker;  // 32 x 32, alpha 200, at x 603
};

extern DialogueBoxRecord DialogueBox;
// The marker's clock and direction, shared by every conversation and never reset.
extern int32_t DialogueBlinkCount;  // 0-31
extern bool DialogueBobDown;        // false: gliding up from 448; true: down from 442

// Draws the whole box for this frame: box, marker, text, then the face (cell 0-89; a
// larger number keeps the previous face). The text is Shift_JIS, its first line the
// speaker's label; only its first 299 bytes are shown.
void DrawDialogueBox(int32_t faceCell, const char* text);
// The marker's height for the current clock.
float DialogueMarkerY();
// The dialogue advance: true on the frame a fresh X press (key or pad) may move a
// conversation on to its next line. The caller counts its line up.
bool DialogueAdvance();

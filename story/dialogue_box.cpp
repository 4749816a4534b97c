// The one dialogue box every talk and scene draws its lines with.
#include "story/dialogue_box.h"

#include <cstdio>

#include "app/input.h"
#include "app/modes.h"
#include "render/face.h"
#include "render/game_textures.h"
#include "render/text.h"
#include "world/run_state.h"

DialogueBoxRecord DialogueBox;
int32_t DialogueBlinkCount = 0;
bool DialogueBobDown = true;

// Game start: the box and the face sit over the status panel; the marker starts on
// its open cell.
void InitDialogueQuads() {
    InitQuad(&DialogueBox.box, 640, 96, 255);
    PlaceQuad(&DialogueBox.box, 0, 384);
    SetQuadUV(&DialogueBox.box, 0, 0.625f, 0, 0.375f);
    InitQuad(&DialogueBox.face, 96, 96, 255);
    PlaceQuad(&DialogueBox.face, 0, 384);
    InitQuad(&DialogueBox.marker, 32, 32, 200);
    SetQuadUV(&DialogueBox.marker, 0, 0.03125f, 0.5f, 0.625f);
}

float DialogueMarkerY() {
    const int32_t glide = DialogueBlinkCount / 5;
    return DialogueBobDown ? static_cast<float>(DIALOGUE_MARKER_TOP + glide)
                           : static_cast<float>(DIALOGUE_MARKER_BOTTOM - glide);
}

static void StepMarkerClock() {
    if (DialogueBlinkCount >= DIALOGUE_BLINK_LAST) {
        DialogueBlinkCount = 0;
        DialogueBobDown = !DialogueBobDown;
    } else {
        DialogueBlinkCount += 1;
    }
}

void DrawDialogueBox(int32_t faceCell, const char* text) {
    DrawQuad(&g_DialogueBoxTex, &DialogueBox.box);
    char line[DIALOGUE_TEXT_BYTES];
    std::snprintf(line, sizeof line, "%s", text ? text : "");
    StepMarkerClock();
    if (AdvanceLock) {
        SetQuadUV(&DialogueBox.marker, 0.0625f, 0.09375f, 0.5f, 0.625f);
    } else {
        SetQuadUV(&DialogueBox.marker, 0, 0.03125f, 0.5f, 0.625f);
    }
    PlaceQuad(&DialogueBox.marker, DIALOGUE_MARKER_X, DialogueMarkerY());
    DrawQuad(&g_DialogueBoxTex, &DialogueBox.marker);
    DrawLabel(line, 96, 384, 0xFF000000u);
    SelectFaceCell(&DialogueBox.face, faceCell);
    DrawQuad(&g_DialogueFaceSheet, &DialogueBox.face);
}

bool DialogueAdvance() {
    const bool pressed = KeyDown(VK_X) || (PadFlags & PAD_X) != 0;
    return EventActive != 0 && KeyHeld == 0 && pressed && AdvanceLock == 0;
}

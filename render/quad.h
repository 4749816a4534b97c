// The sprite quad: four screen-space vertices drawn as one textured fan. Every picture
// on screen is one; owners keep their quads inside their own records.
#pragma once
#include "platform/video.h"

struct SpriteQuad {
    QuadVertex v[4];  // top-left, top-right, bottom-right, bottom-left
};
static_assert(sizeof(SpriteQuad) == 112, "quads sit 112 bytes apart in their records");

// A texture slot holds one loaded picture (or nothing); it is passed by address.
typedef VideoTexture* TextureSlot;

void InitQuad(SpriteQuad* q, float w, float h, int alpha);
void InitQuadWhite(SpriteQuad* q, float w, float h);
void ResizeQuad(SpriteQuad* q, float w, float h, int alpha);
void PlaceQuad(SpriteQuad* q, float x, float y);
void MoveQuad(SpriteQuad* q, float dx, float dy);
void CopyQuadPos(SpriteQuad* q, const SpriteQuad* source);
void SetQuadColor(SpriteQuad* q, int r, int g, int b);
void SetQuadColorAlpha(SpriteQuad* q, int r, int g, int b, int a);
void SetQuadUV(SpriteQuad* q, float left, float right, float top, float bottom);
void TranslateQuad(SpriteQuad* q, float tx, float ty, float tz);
void RotateQuad(SpriteQuad* q, float degrees);
// The cull test of the draws: false only when the quad lies wholly off the back buffer
// (a quad touching an edge still counts as on screen).
bool QuadMayBeOnScreen(const SpriteQuad* q);
// Draws the quad if any part of it can be on screen.
void DrawQuad(TextureSlot* slot, SpriteQuad* q);
// Draws the quad turned by the angle (clockwise on screen), leaving it as it was.
void DrawQuadRotated(TextureSlot* slot, SpriteQuad* q, float degrees);

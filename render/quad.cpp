#include "render/quad.h"

#include <cmath>

static void SetCorners(SpriteQuad* q, float x, float y, float w, float h) {
    q->v[0].x = x;
    q->v[0].y = y;
    q->v[1].x = x + w;
    q->v[1].y = y;
    q->v[2].x = x + w;
    q->v[2].y = y + h;
    q->v[3].x = x;
    q->v[3].y = y + h;
}

static void SetDiffuse(SpriteQuad* q, uint32_t argb) {
    for (QuadVertex& v : q->v) v.diffuse = argb;
}

void InitQuad(SpriteQuad* q, float w, float h, int alpha) {
    static const float kU[4] = {0, 1, 1, 0}, kV[4] = {0, 0, 1, 1};
    SetCorners(q, 0, 0, w, h);
    for (int i = 0; i < 4; i++) {
        q->v[i].z = 0;
        q->v[i].rhw = 1.0f;
        q->v[i].u = kU[i];
        q->v[i].v = kV[i];
    }
    SetDiffuse(q, uint32_t(alpha) * 0x1000000u + 0xFFFFFFu);
}

void InitQuadWhite(SpriteQuad* q, float w, float h) {
    InitQuad(q, w, h, 255);
    SetDiffuse(q, 0xFFFFFFFFu);
}

void ResizeQuad(SpriteQuad* q, float w, float h, int alpha) {
    SetCorners(q, 0, 0, w, h);
    SetDiffuse(q, uint32_t(alpha) * 0x1000000u + 0xFFFFFFu);
}

void PlaceQuad(SpriteQuad* q, float x, float y) {
    float w = q->v[2].x - q->v[0].x;
    float h = q->v[2].y - q->v[0].y;
    SetCorners(q, x, y, w, h);
}

void MoveQuad(SpriteQuad* q, float dx, float dy) {
    for (QuadVertex& v : q->v) {
        v.x += dx;
        v.y += dy;
    }
}

void CopyQuadPos(SpriteQuad* q, const SpriteQuad* source) {
    for (int i = 0; i < 4; i++) {
        q->v[i].x = source->v[i].x;
        q->v[i].y = source->v[i].y;
    }
}

void SetQuadColor(SpriteQuad* q, int r, int g, int b) {
    SetDiffuse(
        q, 0xFF000000u + uint32_t(r & 0xFF) * 0x10000u + uint32_t(g & 0xFF) * 0x100u + uint32_t(b & 0xFF));
}

void SetQuadColorAlpha(SpriteQuad* q, int r, int g, int b, int a) {
    SetDiffuse(q, uint32_t(a & 0xFF) * 0x1000000u + uint32_t(r & 0xFF) * 0x10000u +
                      uint32_t(g & 0xFF) * 0x100u + uint32_t(b & 0xFF));
}

// The left and top edges move 0.001 inwards so filtering never picks up a neighbouring
// cell; a mirrored rectangle (left > right) moves its inset the other way.
void SetQuadUV(SpriteQuad* q, float left, float right, float top, float bottom) {
    float du = right > left ? 0.001f : -0.001f;
    float dv = bottom > top ? 0.001f : -0.001f;
    q->v[0].u = left + du;
    q->v[0].v = top + dv;
    q->v[1].u = right;
    q->v[1].v = top + dv;
    q->v[2].u = right;
    q->v[2].v = bottom;
    q->v[3].u = left + du;
    q->v[3].v = bottom;
}

void TranslateQuad(SpriteQuad* q, float tx, float ty, float tz) {
    for (QuadVertex& v : q->v) {
        v.x += tx;
        v.y += ty;
        v.z += tz;
    }
}

// Turns the corners about the quad's centre; positive angles turn clockwise on screen.
void RotateQuad(SpriteQuad* q, float degrees) {
    float cx = q->v[0].x + (q->v[2].x - q->v[0].x) * 0.5f;
    float cy = q->v[1].y + (q->v[3].y - q->v[1].y) * 0.5f;
    TranslateQuad(q, -cx, -cy, 0);
    float theta = degrees * 0.017453289f;
    float c = std::cos(theta), s = std::sin(theta);
    for (QuadVertex& v : q->v) {
        float x = v.x, y = v.y;
        v.x = x * c - y * s;
        v.y = x * s + y * c;
    }
    TranslateQuad(q, cx, cy, 0);
}

bool QuadMayBeOnScreen(const SpriteQuad* q) {
    return !(q->v[0].x > 640 || q->v[2].x < 0 || q->v[0].y > 480 || q->v[2].y < 0);
}

void DrawQuad(TextureSlot* slot, SpriteQuad* q) {
    if (!QuadMayBeOnScreen(q)) return;
    video_SetTexture(slot ? *slot : nullptr);
    video_DrawFan(q->v);
}

void DrawQuadRotated(TextureSlot* slot, SpriteQuad* q, float degrees) {
    if (!QuadMayBeOnScreen(q)) return;
    RotateQuad(q, degrees);
    video_SetTexture(slot ? *slot : nullptr);
    video_DrawFan(q->v);
    RotateQuad(q, -degrees);
}

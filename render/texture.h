// Texture slots filled from the DATA pictures. Every slot ever loaded is remembered so
// that ReleaseAll can empty them all.
#pragma once
#include "render/quad.h"

// Loads a picture (magenta is transparent) into the slot, replacing what it held. A picture
// that cannot be loaded shows the fatal box and the program closes.
void LoadTexture(TextureSlot* slot, const char* file);
// Releases every loaded slot and empties it; safe to run twice.
void ReleaseAllTextures();

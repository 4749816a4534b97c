#pragma once

struct NeededPicture {
    const char* name;
    int w, h;
};
extern const NeededPicture kNeededPictures[];
extern const int kNeededPictureCount;

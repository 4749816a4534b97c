// Picture decoding for the texture loader: PNG or JPEG recognised from the bytes,
// turned into ARGB texels with the colour key and the device's one-bit alpha applied.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

enum PictureFormat { PICTURE_UNKNOWN = 0, PICTURE_PNG = 1, PICTURE_JPEG = 2 };

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // row-major, width x height
};

PictureFormat SniffPicture(const uint8_t* bytes, size_t size);

// Decodes; texels equal to colorKey (ARGB, alpha included) become 0 (transparent
// black); colorKey 0 keys nothing. Alpha below 128 becomes 0, the rest 255.
// False on any damage, with a reason in err.
bool DecodePicture(const uint8_t* bytes, size_t size, uint32_t colorKey, Picture* out, char* err,
                   size_t errSize);

// Reads a whole file; false with a reason when it cannot be read or is empty.
bool ReadWholeFile(const char* path, std::vector<uint8_t>* bytes, char* err, size_t errSize);

// Pictures and folders the platform tests make at run time.
#pragma once
#include <ftw.h>
#include <jpeglib.h>
#include <png.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testpics {

// Folders made by TempDir, removed with their contents when the tests end.
struct TempFolders {
    std::vector<std::string> paths;
    ~TempFolders() {
        for (const std::string& p : paths)
            nftw(
                p.c_str(), [](const char* f, const struct stat*, int, FTW*) { return remove(f); }, 16,
                FTW_DEPTH | FTW_PHYS);
    }
};

// A fresh temporary folder.
inline std::string TempDir() {
    static TempFolders folders;
    char tmpl[] = "/tmp/miravel2-platform-XXXXXX";
    if (!mkdtemp(tmpl)) return "/nonexistent";
    folders.paths.push_back(tmpl);
    return tmpl;
}

// PNG bytes of ARGB texels, with an alpha channel.
inline std::vector<uint8_t> Png(int w, int h, const std::vector<uint32_t>& argb) {
    std::vector<uint8_t> rgba;
    for (uint32_t c : argb) {
        rgba.push_back(uint8_t(c >> 16));
        rgba.push_back(uint8_t(c >> 8));
        rgba.push_back(uint8_t(c));
        rgba.push_back(uint8_t(c >> 24));
    }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), w * 4, nullptr);
    std::vector<uint8_t> bytes(size);
    png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), w * 4, nullptr);
    bytes.resize(size);
    return bytes;
}

inline std::vector<uint8_t> SolidPng(int w, int h, uint32_t argb) {
    return Png(w, h, std::vector<uint32_t>(size_t(w) * h, argb));
}

// JPEG bytes of one RGB colour, at top quality.
inline std::vector<uint8_t> SolidJpeg(int w, int h, uint32_t rgb) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row;
    for (int x = 0; x < w; x++) {
        row.push_back(uint8_t(rgb >> 16));
        row.push_back(uint8_t(rgb >> 8));
        row.push_back(uint8_t(rgb));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> bytes(out, out + outSize);
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back(uint8_t(c));
    fclose(f);
    return bytes;
}

}  // namespace testpics

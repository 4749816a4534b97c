#include "platform/common/picture.h"

#include <cstdio>  // before jpeglib.h, which uses FILE

#include <jpeglib.h>
#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdarg>
#include <cstring>

namespace {

// Larger pictures than this are refused before any allocation: no picture of the game
// comes near it, and a damaged header must not ask for gigabytes.
const int kMaxSide = 8192;
const size_t kMaxFileBytes = 64u << 20;

__attribute__((format(printf, 3, 4))) void SetErr(char* err, size_t errSize, const char* fmt, ...) {
    if (!err || !errSize) return;
    va_list args;
    va_start(args, fmt);
    vsnprintf(err, errSize, fmt, args);
    va_end(args);
}

// The colour key and the one-bit alpha of the device's texture format.
uint32_t FinishTexel(uint32_t argb, uint32_t colorKey) {
    if (colorKey != 0 && argb == colorKey) return 0;
    return (argb >> 24) >= 128 ? (argb | 0xFF000000u) : (argb & 0x00FFFFFFu);
}

// ---- PNG ----

struct PngSource {
    const uint8_t* bytes;
    size_t size;
    size_t pos;
    char message[160];
};

void PngError(png_structp png, png_const_charp msg) {
    PngSource* src = static_cast<PngSource*>(png_get_error_ptr(png));
    snprintf(src->message, sizeof src->message, "%s", msg);
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep data, png_size_t length) {
    PngSource* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (src->size - src->pos < length) png_error(png, "the file ends early (truncated)");
    memcpy(data, src->bytes + src->pos, length);
    src->pos += length;
}

// Decodes into RGBA rows in `rgba` (resized here). All C++ objects live outside the
// setjmp scope so that libpng's longjmp skips no destructor.
bool DecodePng(const uint8_t* bytes, size_t size, std::vector<uint8_t>* rgba, int* w, int* h,
               std::vector<png_bytep>* rows, char* err, size_t errSize) {
    PngSource src = {bytes, size, 0, ""};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, PngError, PngWarning);
    if (!png) {
        SetErr(err, errSize, "PNG: out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        SetErr(err, errSize, "PNG: out of memory");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        SetErr(err, errSize, "damaged PNG: %s", src.message);
        return false;
    }
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_read_fn(png, &src, PngRead);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unexpected row layout");
    rgba->resize(size_t(width) * height * 4);
    rows->resize(height);
    for (png_uint_32 y = 0; y < height; y++) (*rows)[y] = rgba->data() + size_t(y) * width * 4;
    png_read_image(png, rows->data());
    png_destroy_read_struct(&png, &info, nullptr);
    *w = int(width);
    *h = int(height);
    return true;
}

// ---- JPEG ----

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    JpegError* e = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->message);
    longjmp(e->jump, 1);
}

// A warning means damaged data (libjpeg fills the missing part with grey and goes on);
// such a picture is refused like any other damaged file.
void JpegEmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) JpegErrorExit(cinfo);
}

bool DecodeJpeg(const uint8_t* bytes, size_t size, std::vector<uint8_t>* rgba, int* w, int* h, char* err,
                size_t errSize) {
    jpeg_decompress_struct cinfo;
    JpegError jerr;
    cinfo.err = jpeg_std_error(&jerr.mgr);
    jerr.mgr.error_exit = JpegErrorExit;
    jerr.mgr.emit_message = JpegEmitMessage;
    jerr.message[0] = '\0';
    if (setjmp(jerr.jump)) {
        jpeg_destroy_decompress(&cinfo);
        SetErr(err, errSize, "damaged JPEG: %s", jerr.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes, (unsigned long)size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > unsigned(kMaxSide) || cinfo.image_height > unsigned(kMaxSide)) {
        jpeg_destroy_decompress(&cinfo);
        SetErr(err, errSize, "JPEG too large");
        return false;
    }
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    int comps = cinfo.output_components;
    size_t width = cinfo.output_width, height = cinfo.output_height;
    rgba->resize(width * height * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        uint8_t* row = rgba->data() + size_t(cinfo.output_scanline) * width * 4;
        JSAMPROW rowp = row;
        jpeg_read_scanlines(&cinfo, &rowp, 1);
        // Spread the comps-byte texels of the row to four bytes each, from the right.
        for (size_t x = width; x-- > 0;) {
            uint8_t* s = row + x * comps;
            uint8_t r, g, b;
            if (comps == 4) {  // Adobe CMYK is stored inverted: the values are already 255 - ink
                r = uint8_t(s[0] * s[3] / 255);
                g = uint8_t(s[1] * s[3] / 255);
                b = uint8_t(s[2] * s[3] / 255);
            } else {
                r = s[0];
                g = s[1];
                b = s[2];
            }
            uint8_t* d = row + x * 4;
            d[0] = r;
            d[1] = g;
            d[2] = b;
            d[3] = 255;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    *w = int(width);
    *h = int(height);
    return true;
}

}  // namespace

PictureFormat SniffPicture(const uint8_t* bytes, size_t size) {
    static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && memcmp(bytes, kPng, 8) == 0) return PICTURE_PNG;
    if (size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PICTURE_JPEG;
    return PICTURE_UNKNOWN;
}

bool DecodePicture(const uint8_t* bytes, size_t size, uint32_t colorKey, Picture* out, char* err,
                   size_t errSize) {
    out->width = out->height = 0;
    out->argb.clear();
    if (!bytes || size == 0) {
        SetErr(err, errSize, "the file is empty");
        return false;
    }
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    int w = 0, h = 0;
    bool ok;
    switch (SniffPicture(bytes, size)) {
        case PICTURE_PNG:
            ok = DecodePng(bytes, size, &rgba, &w, &h, &rows, err, errSize);
            break;
        case PICTURE_JPEG:
            ok = DecodeJpeg(bytes, size, &rgba, &w, &h, err, errSize);
            break;
        default:
            SetErr(err, errSize, "not a PNG or JPEG picture");
            return false;
    }
    if (!ok) return false;
    if (w <= 0 || h <= 0) {
        SetErr(err, errSize, "the picture has no pixels");
        return false;
    }
    out->width = w;
    out->height = h;
    out->argb.resize(size_t(w) * h);
    for (size_t i = 0; i < out->argb.size(); i++) {
        const uint8_t* p = &rgba[i * 4];
        uint32_t argb = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        out->argb[i] = FinishTexel(argb, colorKey);
    }
    return true;
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>* bytes, char* err, size_t errSize) {
    bytes->clear();
    FILE* f = fopen(path, "rb");
    if (!f) {
        SetErr(err, errSize, "%s: cannot open (%s)", path, strerror(errno));
        return false;
    }
    uint8_t buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) {
        if (bytes->size() + n > kMaxFileBytes) {
            fclose(f);
            SetErr(err, errSize, "%s: the file is too large", path);
            return false;
        }
        bytes->insert(bytes->end(), buf, buf + n);
    }
    bool failed = ferror(f) != 0;
    fclose(f);
    if (failed) {
        SetErr(err, errSize, "%s: read error", path);
        return false;
    }
    if (bytes->empty()) {
        SetErr(err, errSize, "%s: the file is empty", path);
        return false;
    }
    return true;
}

// Each subsystem's fields are added here as the subsystem exists.
#include "app/main/state_snapshot.h"

#include <cstdio>

#include "app/app.h"
#include "platform/headless.h"

namespace {

// Escapes a UTF-8 string for JSON.
std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

struct JsonObject {
    std::string body;
    void Field(const char* name, const std::string& raw) {
        if (!body.empty()) body += ", ";
        body += Quote(name) + ": " + raw;
    }
    void Int(const char* name, long long v) { Field(name, std::to_string(v)); }
    std::string Close() const { return "{" + body + "}"; }
};

}  // namespace

std::string StateSnapshotJson(uint32_t frame) {
    JsonObject o;
    o.Int("frame", frame);
    o.Int("topMode", g_Frame);
    if (headless_FatalShown()) {
        JsonObject f;
        f.Field("caption", Quote(headless_FatalCaption()));
        f.Field("text", Quote(headless_FatalText()));
        o.Field("fatal", f.Close());
    } else {
        o.Field("fatal", "null");
    }
    return o.Close();
}

// Each subsystem's fields are added here as the subsystem exists.
#include "app/main/state_snapshot.h"

#include <cstdio>

#include "app/app.h"
#include "enemies/enemies.h"
#include "platform/headless.h"
#include "sound/music.h"
#include "world/world_snapshot.h"

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
    // The world's own fields, as a ready JSON fragment.
    size_t need = FormatWorldSnapshot(nullptr, 0);
    std::string world(need + 1, '\0');
    FormatWorldSnapshot(&world[0], world.size());
    world.resize(need);
    if (!world.empty()) o.body += (o.body.empty() ? "" : ", ") + world;
    {
        // The regular enemies in play: every slot of a counted pool whose life is not 3.
        std::string list = "[";
        for (int32_t kind = 1; kind <= ENEMY_KINDS; kind++) {
            for (int32_t i = 0; i < EnemyCounts[kind - 1]; i++) {
                const Actor& a = EnemyPools[kind - 1][i];
                if (a.life == LIFE_INACTIVE) continue;
                JsonObject e;
                e.Int("kind", kind);
                e.Int("slot", i);
                e.Field("x", std::to_string(a.x));
                e.Field("y", std::to_string(a.y));
                e.Int("life", a.life);
                e.Int("hp", a.hp);
                e.Int("state", a.state);
                list += (list.size() > 1 ? ", " : "") + e.Close();
            }
        }
        o.Field("enemies", list + "]");
    }
    o.Int("loadData", g_LoadData);
    o.Int("currentTrack", g_CurrentTrack);
    {
        JsonObject a;
        a.Int("track", GetPlayingTrack());
        const char* media = GetPlayingMedia();
        a.Field("media", media ? Quote(media) : "null");
        int32_t slots[64];
        int n = TakeStartedEffects(slots, 64);
        std::string list = "[";
        for (int i = 0; i < n; i++) list += (i ? ", " : "") + std::to_string(slots[i]);
        a.Field("effects", list + "]");
        o.Field("audio", a.Close());
    }
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

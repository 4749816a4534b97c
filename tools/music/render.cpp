#include "tools/music/render.h"

#include <fluidsynth.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct SynthEvent {
    int64_t frame;
    int order;  // note-offs before note-ons at one frame
    int channel, key, velocity;
};

void Put16(FILE* f, int v) {
    uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    fwrite(b, 1, 2, f);
}
void Put32(FILE* f, uint32_t v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    fwrite(b, 1, 4, f);
}

}  // namespace

std::vector<float> RenderSong(const Song& song, const std::string& soundFont, double seconds) {
    const int64_t frames = int64_t(seconds * kSampleRate + 0.5);
    std::vector<float> out(size_t(frames) * 2, 0.0f);

    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", 0.4);
    fluid_settings_setint(settings, "synth.polyphony", 256);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        std::fprintf(stderr, "mkmusic: cannot load the SoundFont %s\n", soundFont.c_str());
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return {};
    }
    for (int ch = 0; ch < 16; ++ch) {
        const ChannelSetup& c = song.channels[ch];
        if (c.program < 0) continue;
        if (ch != kDrumChannel) fluid_synth_program_change(synth, ch, c.program);
        fluid_synth_cc(synth, ch, 7, c.volume);
        fluid_synth_cc(synth, ch, 10, c.pan);
        fluid_synth_cc(synth, ch, 91, c.reverb);
        fluid_synth_cc(synth, ch, 93, c.chorus);
    }

    std::vector<SynthEvent> events;
    auto frameOf = [&](int tick) { return int64_t(TicksToSeconds(song, tick) * kSampleRate + 0.5); };
    for (const SongNote& n : song.notes) {
        events.push_back({frameOf(n.tick), 1, n.channel, n.key, n.velocity});
        events.push_back({frameOf(n.tick + n.duration), 0, n.channel, n.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const SynthEvent& a, const SynthEvent& b) {
        return a.frame != b.frame ? a.frame < b.frame : a.order < b.order;
    });

    int64_t pos = 0;
    size_t next = 0;
    std::vector<float> left(512), right(512);
    while (pos < frames) {
        while (next < events.size() && events[next].frame <= pos) {
            const SynthEvent& e = events[next++];
            if (e.order == 1)
                fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
            else
                fluid_synth_noteoff(synth, e.channel, e.key);
        }
        int64_t until = frames;
        if (next < events.size()) until = std::min(until, events[next].frame);
        int n = int(std::min<int64_t>(until - pos, 512));
        if (n <= 0) n = 1;
        fluid_synth_write_float(synth, n, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < n && pos + i < frames; ++i) {
            out[size_t(pos + i) * 2] = left[i];
            out[size_t(pos + i) * 2 + 1] = right[i];
        }
        pos += n;
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

float PeakOf(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

void ScaleTo(std::vector<float>& samples, float peak) {
    float p = PeakOf(samples);
    if (p <= 0) return;
    float k = peak / p;
    for (float& s : samples) s *= k;
}

void FadeOut(std::vector<float>& samples, int channels, double seconds) {
    size_t frames = samples.size() / size_t(channels);
    size_t fade = std::min(frames, size_t(seconds * kSampleRate));
    for (size_t i = 0; i < fade; ++i) {
        float g = float(i) / float(fade);  // 0 at the very end
        size_t f = frames - 1 - i;
        for (int c = 0; c < channels; ++c) samples[f * size_t(channels) + size_t(c)] *= g * g;
    }
}

bool WriteWav(const std::string& path, const std::vector<float>& samples, int channels) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    uint32_t dataBytes = uint32_t(samples.size() * 2);
    fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + dataBytes);
    fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1);
    Put16(f, channels);
    Put32(f, kSampleRate);
    Put32(f, uint32_t(kSampleRate * channels * 2));
    Put16(f, channels * 2);
    Put16(f, 16);
    fwrite("data", 1, 4, f);
    Put32(f, dataBytes);
    for (float s : samples) Put16(f, int(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    return std::fclose(f) == 0;
}

bool WriteOgg(const std::string& path, const std::vector<float>& pcm, float quality, int serial) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, kSampleRate, quality) != 0) {
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "mkmusic");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);
    ogg_packet header, comm, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comm, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comm);
    ogg_stream_packetin(&os, &code);
    ogg_page og;
    while (ogg_stream_flush(&os, &og)) {
        fwrite(og.header, 1, size_t(og.header_len), f);
        fwrite(og.body, 1, size_t(og.body_len), f);
    }
    const size_t frames = pcm.size() / 2;
    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        size_t n = std::min<size_t>(1024, frames - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buf = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; ++i) {
                buf[0][i] = pcm[(pos + i) * 2];
                buf[1][i] = pcm[(pos + i) * 2 + 1];
            }
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og)) {
                    fwrite(og.header, 1, size_t(og.header_len), f);
                    fwrite(og.body, 1, size_t(og.body_len), f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
        if (n == 0 && !eos) {
            // Flush whatever is left after the end-of-stream packet.
            while (ogg_stream_flush(&os, &og)) {
                fwrite(og.header, 1, size_t(og.header_len), f);
                fwrite(og.body, 1, size_t(og.body_len), f);
                if (ogg_page_eos(&og)) eos = true;
            }
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return std::fclose(f) == 0;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    size_t n = fwrite(bytes.data(), 1, bytes.size(), f);
    return std::fclose(f) == 0 && n == bytes.size();
}

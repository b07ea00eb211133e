#include "platform/audio.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <map>
#include <memory>

#include "platform/internal.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace platform {

namespace {

struct Sound {
    std::vector<float> samples;  // mono at kMixRate
};

struct Channel {
    MixVoice voice;
    int sound = 0;
    std::shared_ptr<const Sound> data;  // kept alive while the channel plays it
};

std::map<int, std::shared_ptr<const Sound>> sounds;
std::map<int, Channel> channels;
SDL_AudioDeviceID device = 0;
std::vector<float>* capture = nullptr;
int64_t testMixedUntil = 0;  // virtual ms up to which test mode has mixed

void MixInto(float* out, int frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    for (auto& [id, ch] : channels) MixVoices(&ch.voice, 1, out, frames);
}

void Callback(void*, Uint8* stream, int length) {
    int frames = length / static_cast<int>(2 * sizeof(float));
    float* out = reinterpret_cast<float*>(stream);
    MixInto(out, frames);
    for (int i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void Lock() {
    if (device) SDL_LockAudioDevice(device);
}
void Unlock() {
    if (device) SDL_UnlockAudioDevice(device);
}

// Test mode has no device: the channels advance with the virtual clock, which
// makes "is it still playing" exact and repeatable.
void AdvanceTestMixer() {
    if (!detail::Test().enabled) return;
    int64_t now = Millisecs();
    if (now < testMixedUntil) testMixedUntil = now;
    int64_t frames = (now - testMixedUntil) * kMixRate / 1000;
    if (frames <= 0) return;
    testMixedUntil += frames * 1000 / kMixRate;
    std::vector<float> buffer;
    while (frames > 0) {
        int chunk = static_cast<int>(std::min<int64_t>(frames, 4096));
        buffer.assign(2 * chunk, 0.0f);
        MixInto(buffer.data(), chunk);
        if (capture) capture->insert(capture->end(), buffer.begin(), buffer.end());
        frames -= chunk;
    }
}

Channel* Find(int channel) {
    auto it = channels.find(channel);
    return it == channels.end() ? nullptr : &it->second;
}

void LogSound(const char* op, int channel, const Channel* ch) {
    if (!detail::Test().enabled) return;
    auto& log = detail::Test().sounds;
    if (log.size() >= 1000000) log.clear();
    SoundRecord r;
    r.op = op;
    r.channel = channel;
    if (ch) {
        r.sound = ch->sound;
        r.volume = ch->voice.volume;
        r.pan = ch->voice.pan;
        r.rate = ch->voice.rate;
    }
    log.push_back(r);
}

}  // namespace

void CaptureMixedAudio(std::vector<float>* out) {
    AdvanceTestMixer();
    capture = out;
}

std::vector<std::string> AudioDriverNames() {
    std::vector<std::string> names;
    int n = SDL_GetNumAudioDrivers();
    for (int i = 0; i < n; ++i) {
        const char* name = SDL_GetAudioDriver(i);
        if (name) names.emplace_back(name);
    }
    return names;
}

bool AudioDriverExists(const std::string& name) {
    for (const std::string& n : AudioDriverNames())
        if (n == name) return true;
    return false;
}

bool SetAudioDriver(const std::string& name) {
    if (!AudioDriverExists(name)) return false;
    CloseAudio();
    if (detail::Test().enabled) return true;
    if (SDL_AudioInit(name.c_str()) != 0) return false;
    OpenAudio();
    return device != 0;
}

void OpenAudio() {
    if (device || detail::Test().enabled) return;
    InitSystem();
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{}, have{};
    want.freq = kMixRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = Callback;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device) SDL_PauseAudioDevice(device, 0);
}

void CloseAudio() {
    if (device) SDL_CloseAudioDevice(device);
    device = 0;
    if (SDL_WasInit(SDL_INIT_AUDIO)) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int LoadSound(const std::string& path) {
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    InitSystem();
    if (!SDL_LoadWAV(path.c_str(), &spec, &buffer, &length)) return 0;
    // Sounds are kept as mono floats at the mixer's rate.
    SDL_AudioStream* stream = SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 1, kMixRate);
    auto sound = std::make_shared<Sound>();
    if (stream) {
        SDL_AudioStreamPut(stream, buffer, static_cast<int>(length));
        SDL_AudioStreamFlush(stream);
        int available = SDL_AudioStreamAvailable(stream);
        sound->samples.resize(static_cast<size_t>(available) / sizeof(float));
        if (available > 0) SDL_AudioStreamGet(stream, sound->samples.data(), available);
        SDL_FreeAudioStream(stream);
    }
    SDL_FreeWAV(buffer);
    if (sound->samples.empty()) return 0;
    int handle = detail::NewHandle();
    sounds[handle] = sound;
    detail::NoteHandlePath(handle, path);
    return handle;
}

void FreeSound(int sound) {
    sounds.erase(sound);
    detail::ForgetHandle(sound);
}

int SoundFrames(int sound) {
    auto it = sounds.find(sound);
    return it == sounds.end() ? 0 : static_cast<int>(it->second->samples.size());
}

int AllocChannel() {
    OpenAudio();
    int handle = detail::NewHandle();
    Lock();
    // Channels that have finished are recycled once there are many, so a song
    // that takes a new channel for every note cannot grow the mixer without end.
    // A caller holding a recycled handle gets a fresh channel from CueSound.
    if (channels.size() >= 512) {
        for (auto it = channels.begin(); it != channels.end();) {
            if (!it->second.voice.playing) it = channels.erase(it);
            else ++it;
        }
    }
    channels[handle] = Channel{};
    Unlock();
    return handle;
}

int CueSound(int sound, int channel) {
    auto it = sounds.find(sound);
    if (it == sounds.end()) return 0;
    AdvanceTestMixer();
    if (channel == 0 || !Find(channel)) channel = AllocChannel();
    Lock();
    Channel& ch = channels[channel];
    ch.data = it->second;
    ch.sound = sound;
    ch.voice.samples = ch.data->samples.data();
    ch.voice.length = static_cast<int64_t>(ch.data->samples.size());
    ch.voice.position = 0;
    ch.voice.paused = true;
    ch.voice.playing = true;
    Unlock();
    return channel;
}

void ChannelVolume(int channel, double volume) {
    Lock();
    if (Channel* ch = Find(channel)) ch->voice.volume = std::clamp(volume, 0.0, 1.0);
    Unlock();
}

void ChannelPan(int channel, double pan) {
    Lock();
    if (Channel* ch = Find(channel)) ch->voice.pan = std::clamp(pan, -1.0, 1.0);
    Unlock();
}

void ChannelRate(int channel, double rate) {
    Lock();
    if (Channel* ch = Find(channel)) ch->voice.rate = std::clamp(rate, 0.0, 16.0);
    Unlock();
}

void ResumeChannel(int channel) {
    AdvanceTestMixer();
    Lock();
    Channel* ch = Find(channel);
    if (ch) ch->voice.paused = false;
    Unlock();
    if (ch) LogSound("play", channel, ch);
}

bool ChannelPlaying(int channel) {
    AdvanceTestMixer();
    Lock();
    Channel* ch = Find(channel);
    bool playing = ch && ch->voice.playing;
    Unlock();
    return playing;
}

void StopChannel(int channel) {
    AdvanceTestMixer();
    Lock();
    Channel* ch = Find(channel);
    if (ch) {
        ch->voice.playing = false;
        ch->data.reset();
        ch->voice.samples = nullptr;
    }
    Unlock();
    if (ch) LogSound("stop", channel, ch);
}

}  // namespace platform

// Audio: SDL's driver list and choice, WAV sounds, and a small mixer of channels
// running on SDL's audio callback. Sounds and channels are integer handles.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

std::vector<std::string> AudioDriverNames();
bool AudioDriverExists(const std::string& name);
// Chooses the driver and (re)opens the audio device with it.
bool SetAudioDriver(const std::string& name);
// Opens the device with the default driver if none is open yet.
void OpenAudio();
void CloseAudio();

// Loads a WAV file (any format SDL reads), converted to the mixer's format.
int LoadSound(const std::string& path);
void FreeSound(int sound);
// Length of a sound in sample frames at the mixer rate.
int SoundFrames(int sound);

// Channels: a new channel is centred, at rate 1 and volume 1, not playing.
int AllocChannel();
// Puts the sound on the channel from its start, paused. Returns the channel it
// used: the one given, or a new one when that is 0 or was recycled after it
// finished; 0 when the sound is 0.
int CueSound(int sound, int channel);
void ChannelVolume(int channel, double volume);  // 0..1
void ChannelPan(int channel, double pan);        // -1 left .. 1 right
void ChannelRate(int channel, double rate);      // 1 = the sample's own pitch
void ResumeChannel(int channel);
bool ChannelPlaying(int channel);
void StopChannel(int channel);

// The mixer core, a pure function: adds the voices into an interleaved stereo
// float buffer of frames frames. Each voice advances its position by rate per
// output frame with linear interpolation; left gain = volume * min(1, 1 - pan),
// right gain = volume * min(1, 1 + pan). A voice that runs past the end of its
// samples stops (playing = false).
struct MixVoice {
    const float* samples = nullptr;  // mono
    int64_t length = 0;
    double position = 0;
    double rate = 1;
    double volume = 1;
    double pan = 0;
    bool paused = false;
    bool playing = false;
};
void MixVoices(MixVoice* voices, int voiceCount, float* out, int frames);

constexpr int kMixRate = 44100;

}  // namespace platform

#include "services/sound_effects.h"

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/audio.h"

int Channels[260];
int SoundEffects[201];
int SfxSlot = 20;

void PlaySfx(int n, double rate, double volume, double pan) {
    if (n < 1 || n > 200) return;
    if (Settings[12] <= 0 || SoundEffects[n] == 0) return;
    ++SfxSlot;
    if (SfxSlot >= 256) SfxSlot = 20;
    volume = ClampFloat(volume, 0, 1);
    rate = ClampFloat(rate, 0.25, 4);
    pan = ClampFloat(pan, -1, 1);
    int& channel = Channels[SfxSlot];
    // The ring cuts an older effect only when it has come round to its channel
    // while that effect still sounds.
    if (channel != 0 && platform::ChannelPlaying(channel)) {
        platform::StopChannel(channel);
        channel = 0;
    }
    if (channel == 0) channel = platform::AllocChannel();
    // The platform may hand back a new channel when the old one was recycled.
    channel = platform::CueSound(SoundEffects[n], channel);
    if (channel == 0) return;
    // Settings read from the file are clamped here, where they are used.
    int sound = Settings[12] > 100 ? 100 : Settings[12];
    int master = Settings[11] < 0 ? 0 : (Settings[11] > 100 ? 100 : Settings[11]);
    platform::ChannelVolume(channel, (sound * master) / 100.0 / 100.0 * volume);
    platform::ChannelPan(channel, pan);
    platform::ChannelRate(channel, rate);
    platform::ResumeChannel(channel);
}

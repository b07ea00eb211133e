// Building blocks for the synthesised sounds: buffers of samples in -1..1 at
// 44100 Hz, a repeatable noise source, filters, envelopes and the WAV writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSampleRate = 44100;
using Samples = std::vector<double>;

Samples Silence(double seconds);
int SampleCount(double seconds);

// Repeatable white noise in -1..1 (the same seed always gives the same sound).
struct Noise {
  uint32_t state;
  explicit Noise(uint32_t seed) : state(seed ? seed : 1) {}
  double Next();
};

// Second-order filter (the usual audio biquad forms).
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Run(double x);
};
Biquad LowPass(double freq, double q = 0.707);
Biquad HighPass(double freq, double q = 0.707);
Biquad BandPass(double freq, double q);

// One-pole smoother, for gentle tone darkening.
struct OnePole {
  double k = 0, y = 0;
  double Run(double x) { return y += k * (x - y); }
};
OnePole Smoother(double freq);

// Exponential decay: 1 at t = 0, falling by e every tau seconds.
double Decay(double t, double tau);
// Attack-decay-sustain-release envelope for a note held for hold seconds.
double Adsr(double t, double attack, double decay, double sustain, double hold, double release);
// Frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(double midi);

// Adds src into dst starting at sample offset, scaled by gain (dst grows as needed).
void MixInto(Samples& dst, const Samples& src, int offset, double gain = 1.0);
// Removes any DC offset, scales the loudest sample to peak (well below full scale,
// so nothing clips), cuts the inaudible end of the tail and fades both ends.
void Finish(Samples& s, double peak, double fadeInMs = 1.0, double fadeOutMs = 8.0);
// Writes 16-bit PCM mono at 44100 Hz.
bool SaveWav(const Samples& s, const std::string& path);

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int SampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

Samples Silence(double seconds) { return Samples(SampleCount(seconds), 0.0); }

double Noise::Next() {
  // xorshift32: fast, repeatable and good enough for sound.
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return (state / 4294967295.0) * 2.0 - 1.0;
}

double Biquad::Run(double x) {
  double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1;
  x1 = x;
  y2 = y1;
  y1 = y;
  return y;
}

static Biquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
  Biquad f;
  f.b0 = b0 / a0;
  f.b1 = b1 / a0;
  f.b2 = b2 / a0;
  f.a1 = a1 / a0;
  f.a2 = a2 / a0;
  return f;
}

Biquad LowPass(double freq, double q) {
  double w = 2 * M_PI * freq / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad HighPass(double freq, double q) {
  double w = 2 * M_PI * freq / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad BandPass(double freq, double q) {
  double w = 2 * M_PI * freq / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalised(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

OnePole Smoother(double freq) {
  OnePole p;
  p.k = 1 - std::exp(-2 * M_PI * freq / kSampleRate);
  return p;
}

double Decay(double t, double tau) { return t < 0 ? 0 : std::exp(-t / tau); }

double Adsr(double t, double attack, double decay, double sustain, double hold, double release) {
  if (t < 0) return 0;
  auto held = [&](double u) {
    if (u < attack) return u / attack;
    u -= attack;
    return sustain + (1 - sustain) * std::exp(-u / decay);
  };
  if (t < hold) return held(t);
  return held(hold) * std::exp(-(t - hold) / release);
}

double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void MixInto(Samples& dst, const Samples& src, int offset, double gain) {
  if (dst.size() < src.size() + offset) dst.resize(src.size() + offset, 0.0);
  for (size_t i = 0; i < src.size(); ++i) dst[i + offset] += src[i] * gain;
}

void Finish(Samples& s, double peak, double fadeInMs, double fadeOutMs) {
  if (s.empty()) return;
  // A gentle high-pass (a leaky differentiator) takes out DC without touching the tone.
  double prevIn = 0, prevOut = 0;
  for (double& v : s) {
    double out = v - prevIn + 0.9995 * prevOut;
    prevIn = v;
    prevOut = out;
    v = out;
  }
  double loudest = 0;
  for (double v : s) loudest = std::max(loudest, std::fabs(v));
  if (loudest <= 0) return;
  for (double& v : s) v *= peak / loudest;
  // Drop the inaudible end of the decay (below -48 dB of the peak).
  size_t end = s.size();
  while (end > 1 && std::fabs(s[end - 1]) < peak * 0.004) --end;
  s.resize(std::min(s.size(), end + static_cast<size_t>(SampleCount(0.005))));
  int in = std::min<int>(SampleCount(fadeInMs / 1000.0), s.size());
  int out = std::min<int>(SampleCount(fadeOutMs / 1000.0), s.size());
  for (int i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / in;
  for (int i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / out;
}

static void PutLe(std::vector<unsigned char>& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

bool SaveWav(const Samples& s, const std::string& path) {
  uint32_t dataBytes = static_cast<uint32_t>(s.size() * 2);
  std::vector<unsigned char> b;
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  PutLe(b, 36 + dataBytes, 4);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe(b, 16, 4);
  PutLe(b, 1, 2);  // PCM
  PutLe(b, 1, 2);  // mono
  PutLe(b, kSampleRate, 4);
  PutLe(b, kSampleRate * 2, 4);
  PutLe(b, 2, 2);
  PutLe(b, 16, 2);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  PutLe(b, dataBytes, 4);
  for (double v : s) {
    long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    PutLe(b, static_cast<uint32_t>(static_cast<int16_t>(q)) & 0xFFFF, 2);
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  return std::fclose(f) == 0 && ok;
}

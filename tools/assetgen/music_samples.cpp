// The music sample set of the game folder's music/ folder: two drum kits
// (d1-1 .. d1-8 a warm acoustic-style kit, d2-1 .. d2-8 an electronic kit; in both
// 1 kick, 2 snare, 3 closed hat, 4 open hat, 5 low tom, 6 high tom, 7 clap,
// 8 rim shot in kit A and cowbell in kit B) and pitched instruments, each one
// note of C at its own octave, which the music player re-pitches by rate:
// bass1/bass2 at C2, accompany1/accompany2 at C4, lead1/lead2 at C5.
#include <cmath>
#include <string>

#include "art.h"
#include "synth.h"

namespace {

constexpr double kBassHz = 65.406;    // C2
constexpr double kChordHz = 261.626;  // C4
constexpr double kLeadHz = 523.251;   // C5

double Time(size_t i) { return static_cast<double>(i) / kSampleRate; }

Samples Kick(double startHz, double endHz, double sweepTau, double tau, double click) {
  Samples s = Silence(tau * 5);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double hz = endHz + (startHz - endHz) * Decay(t, sweepTau);
    phase += 2 * M_PI * hz / kSampleRate;
    s[i] = std::sin(phase) * Decay(t, tau) + click * std::sin(2 * M_PI * 1800 * t) * Decay(t, 0.002);
  }
  Finish(s, 0.9, 0.1, 20);
  return s;
}

Samples Snare(double toneHz, double noiseHz, double noiseTau, double toneTau, uint32_t seed) {
  Samples s = Silence(std::max(noiseTau, toneTau) * 5);
  Noise n(seed);
  Biquad bp = BandPass(noiseHz, 0.8), hp = HighPass(1200, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double tone = std::sin(2 * M_PI * toneHz * t) + 0.5 * std::sin(2 * M_PI * toneHz * 1.6 * t);
    s[i] = 0.6 * tone * Decay(t, toneTau) + 1.4 * hp.Run(bp.Run(n.Next()) + 0.3 * n.Next()) * Decay(t, noiseTau);
  }
  Finish(s, 0.85, 0.1, 20);
  return s;
}

// Hi-hats: kit A from bright noise, kit B from a cluster of square waves (metallic).
Samples Hat(double tau, bool metallic, uint32_t seed) {
  Samples s = Silence(tau * 5 + 0.01);
  Noise n(seed);
  Biquad hp1 = HighPass(7000, 0.7), hp2 = HighPass(7000, 0.7);
  const double freqs[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i), v = 0;
    if (metallic) {
      for (double f : freqs) v += std::sin(2 * M_PI * f * 2.0 * t) > 0 ? 1 : -1;
      v = v / 6 + 0.2 * n.Next();
    } else {
      v = n.Next();
    }
    s[i] = hp2.Run(hp1.Run(v)) * Decay(t, tau) * std::min(1.0, t / 0.0005);
  }
  Finish(s, 0.6, 0.05, 10);
  return s;
}

Samples Tom(double hz, double tau, double drop) {
  Samples s = Silence(tau * 5);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    phase += 2 * M_PI * hz * (1 + drop * Decay(t, 0.05)) / kSampleRate;
    s[i] = (std::sin(phase) + 0.15 * std::sin(2 * phase)) * Decay(t, tau);
  }
  Finish(s, 0.85, 0.1, 20);
  return s;
}

Samples Clap(double bandHz, double tailTau, uint32_t seed) {
  Samples s = Silence(0.03 + tailTau * 5);
  Noise n(seed);
  Biquad bp = BandPass(bandHz, 1.5);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i), env = 0;
    // Three quick hand hits, then the room.
    for (int k = 0; k < 3; ++k) env = std::max(env, Decay(t - k * 0.011, 0.004) * (t >= k * 0.011 ? 1 : 0));
    env = std::max(env, 0.6 * Decay(t - 0.022, tailTau) * (t >= 0.022 ? 1 : 0));
    s[i] = bp.Run(n.Next()) * env;
  }
  Finish(s, 0.8, 0.05, 20);
  return s;
}

Samples Rim() {
  Samples s = Silence(0.08);
  Noise n(77);
  Biquad bp = BandPass(2500, 2);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    s[i] = (std::sin(2 * M_PI * 1700 * t) + 0.5 * std::sin(2 * M_PI * 480 * t)) * Decay(t, 0.008) + bp.Run(n.Next()) * Decay(t, 0.004);
  }
  Finish(s, 0.75, 0.05, 10);
  return s;
}

Samples Cowbell() {
  Samples s = Silence(0.35);
  Biquad bp = BandPass(800, 1.2);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double sq = (std::sin(2 * M_PI * 540 * t) > 0 ? 1 : -1) + (std::sin(2 * M_PI * 800 * t) > 0 ? 1 : -1);
    s[i] = bp.Run(sq) * (0.6 * Decay(t, 0.02) + 0.4 * Decay(t, 0.12));
  }
  Finish(s, 0.7, 0.05, 20);
  return s;
}

// Bass 1: a saw with a sub sine under a closing low-pass, like an analogue synth.
Samples SynthBass() {
  Samples s = Silence(0.6);
  Biquad lp;
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    if (i % 32 == 0) {
      double cut = 250 + 1400 * Decay(t, 0.09);
      Biquad next = LowPass(cut, 1.1);
      next.x1 = lp.x1, next.x2 = lp.x2, next.y1 = lp.y1, next.y2 = lp.y2;
      lp = next;
    }
    phase += kBassHz / kSampleRate;
    phase -= std::floor(phase);
    double saw = 2 * phase - 1, sub = std::sin(2 * M_PI * phase);
    s[i] = (lp.Run(saw) * 0.8 + 0.6 * sub) * Adsr(t, 0.004, 0.25, 0.6, 0.45, 0.05);
  }
  Finish(s, 0.8, 0.5, 25);
  return s;
}

// Bass 2: a plucked electric bass made by two-operator FM with a falling index.
Samples PluckBass() {
  Samples s = Silence(0.6);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double index = 0.4 + 2.2 * Decay(t, 0.06);
    double mod = std::sin(2 * M_PI * kBassHz * t);
    s[i] = std::sin(2 * M_PI * kBassHz * t + index * mod) * Adsr(t, 0.003, 0.2, 0.45, 0.5, 0.04);
  }
  Finish(s, 0.65, 0.5, 25);
  return s;
}

// Lead 1: a soft square lead with a late, gentle vibrato.
Samples SquareLead() {
  Samples s = Silence(0.8);
  Biquad lp = LowPass(3200, 0.8);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double vib = 1 + 0.006 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, std::max(0.0, (t - 0.2) / 0.2));
    phase += 2 * M_PI * kLeadHz * vib / kSampleRate;
    double sq = std::tanh(2.2 * std::sin(phase));
    s[i] = lp.Run(sq) * Adsr(t, 0.01, 0.15, 0.7, 0.62, 0.06);
  }
  Finish(s, 0.5, 0.5, 30);
  return s;
}

// Lead 2: a breathy flute-like tone: sine with a touch of octave and filtered air.
Samples FluteLead() {
  Samples s = Silence(0.8);
  Noise n(555);
  Biquad air = BandPass(kLeadHz * 2, 3);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    phase += 2 * M_PI * kLeadHz * (1 + 0.004 * std::sin(2 * M_PI * 5 * t)) / kSampleRate;
    double tone = std::sin(phase) + 0.18 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase);
    s[i] = (tone + 0.25 * air.Run(n.Next())) * Adsr(t, 0.04, 0.2, 0.8, 0.62, 0.07);
  }
  Finish(s, 0.7, 0.5, 30);
  return s;
}

// Accompaniment 1: an electric piano: FM body plus a short metallic tine.
Samples ElectricPiano() {
  Samples s = Silence(0.8);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    double body = std::sin(2 * M_PI * kChordHz * t + 1.2 * Decay(t, 0.25) * std::sin(2 * M_PI * kChordHz * t));
    double tine = std::sin(2 * M_PI * kChordHz * 14 * t) * Decay(t, 0.01);
    s[i] = (body * Adsr(t, 0.002, 0.5, 0.3, 0.7, 0.05) + 0.15 * tine);
  }
  Finish(s, 0.7, 0.3, 30);
  return s;
}

// Accompaniment 2: a marimba-like mallet: fundamental and its fourth partial.
Samples Mallet() {
  Samples s = Silence(0.8);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = Time(i);
    s[i] = std::sin(2 * M_PI * kChordHz * t) * Decay(t, 0.28) + 0.35 * std::sin(2 * M_PI * kChordHz * 3.99 * t) * Decay(t, 0.05) +
           0.1 * std::sin(2 * M_PI * kChordHz * 9.9 * t) * Decay(t, 0.012);
    s[i] *= std::min(1.0, t / 0.0015);
  }
  Finish(s, 0.7, 0.2, 40);
  return s;
}

}  // namespace

bool MakeMusicSamples(const std::string& dir) {
  std::string m = dir + "/music/";
  const Samples kitA[8] = {Kick(140, 52, 0.035, 0.12, 0.3), Snare(190, 3200, 0.07, 0.05, 11), Hat(0.025, false, 12),
                           Hat(0.22, false, 13), Tom(98, 0.16, 0.5), Tom(165, 0.13, 0.45), Clap(1300, 0.06, 14), Rim()};
  const Samples kitB[8] = {Kick(170, 44, 0.05, 0.2, 0.6), Snare(240, 5000, 0.05, 0.035, 21), Hat(0.03, true, 22),
                           Hat(0.25, true, 23), Tom(120, 0.2, 1.0), Tom(200, 0.16, 1.0), Clap(1800, 0.1, 24), Cowbell()};
  bool ok = true;
  for (int n = 1; n <= 8; ++n) {
    ok = SaveWav(kitA[n - 1], m + "d1-" + std::to_string(n) + ".wav") && ok;
    ok = SaveWav(kitB[n - 1], m + "d2-" + std::to_string(n) + ".wav") && ok;
  }
  ok = SaveWav(SynthBass(), m + "bass1.wav") && ok;
  ok = SaveWav(PluckBass(), m + "bass2.wav") && ok;
  ok = SaveWav(SquareLead(), m + "lead1.wav") && ok;
  ok = SaveWav(FluteLead(), m + "lead2.wav") && ok;
  ok = SaveWav(ElectricPiano(), m + "accompany1.wav") && ok;
  ok = SaveWav(Mallet(), m + "accompany2.wav") && ok;
  return ok;
}

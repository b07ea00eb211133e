// The numbered sound effects of the game folder (001.wav .. 007.wav) and the
// start-up jingle of the common folder (badgeget.wav), synthesised from sine
// partials, filtered noise and envelopes.
//   1 tick while the score counts (played at rate 2.0 and 1.8)
//   2 tile laid on a board slot: a wooden clack
//   3 tile picked up: a light click with a lift
//   4 tile dropped back to the rack: a soft thud
//   5 word met its target: a bright rising chime (also at rate 2.0 for the bonus)
//   6 word missed its target: a descending buzz
//   7 refusal (band clicked with no valid word): a short dull blip
#include <algorithm>
#include <cmath>
#include <string>

#include "art.h"
#include "synth.h"

namespace {

// A struck wooden body: a few damped resonances excited by a short noise burst.
Samples Knock(double seconds, const double* freqs, const double* taus, const double* gains, int modes, double noiseTau,
              double noiseFreq, uint32_t seed) {
  Samples s = Silence(seconds);
  Noise n(seed);
  Biquad band = BandPass(noiseFreq, 1.2);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate, v = 0;
    for (int m = 0; m < modes; ++m) v += gains[m] * std::sin(2 * M_PI * freqs[m] * t) * Decay(t, taus[m]);
    v += band.Run(n.Next()) * Decay(t, noiseTau) * 1.5;
    s[i] = v;
  }
  // Fade the last 15 ms so a knock can be cut short and layered without a click.
  int fade = std::min<int>(SampleCount(0.015), s.size());
  for (int i = 0; i < fade; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / fade;
  return s;
}

// A bell-like note: a few inharmonic partials with their own decays.
Samples Bell(double hz, double seconds, double brightness) {
  Samples s = Silence(seconds);
  const double ratios[4] = {1.0, 2.0, 3.01, 4.2};
  const double gains[4] = {1.0, 0.45 * brightness, 0.22 * brightness, 0.1 * brightness};
  const double taus[4] = {0.55, 0.3, 0.16, 0.08};
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate, v = 0;
    for (int k = 0; k < 4; ++k) v += gains[k] * std::sin(2 * M_PI * hz * ratios[k] * t) * Decay(t, taus[k] * seconds / 0.8);
    s[i] = v * std::min(1.0, t / 0.002);
  }
  int fade = std::min<int>(SampleCount(0.04), s.size());  // ends softly, however short the note
  for (int i = 0; i < fade; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / fade;
  return s;
}

Samples Tick() {
  Samples s = Silence(0.035);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    s[i] = (std::sin(2 * M_PI * 1250 * t) + 0.3 * std::sin(2 * M_PI * 2500 * t)) * Decay(t, 0.006);
  }
  Finish(s, 0.5, 0.3, 5);
  return s;
}

Samples Clack() {
  const double f[4] = {820, 1480, 2360, 3900}, tau[4] = {0.030, 0.018, 0.011, 0.006}, g[4] = {1.0, 0.7, 0.45, 0.25};
  Samples s = Knock(0.16, f, tau, g, 4, 0.004, 2600, 101);
  // A second, quieter contact a few milliseconds later: the tile settles.
  Samples settle = Knock(0.1, f, tau, g, 4, 0.003, 3000, 202);
  MixInto(s, settle, SampleCount(0.012), 0.35);
  Finish(s, 0.85, 0.2, 20);
  return s;
}

Samples Lift() {
  Samples s = Silence(0.09);
  Noise n(303);
  Biquad hp = HighPass(3000, 0.8);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double hz = 900 + 900 * std::min(1.0, t / 0.06);  // a short upward glide: lifted off the rack
    phase += 2 * M_PI * hz / kSampleRate;
    s[i] = hp.Run(n.Next()) * Decay(t, 0.003) * 1.2 + 0.45 * std::sin(phase) * Decay(t, 0.025) * std::min(1.0, t / 0.004);
  }
  Finish(s, 0.7, 0.2, 15);
  return s;
}

Samples Thud() {
  Samples s = Silence(0.18);
  Noise n(404);
  Biquad lp = LowPass(700, 0.7);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    phase += 2 * M_PI * (210 - 60 * std::min(1.0, t / 0.08)) / kSampleRate;
    s[i] = std::sin(phase) * Decay(t, 0.035) + lp.Run(n.Next()) * Decay(t, 0.012) * 0.8;
  }
  Finish(s, 0.75, 0.3, 30);
  return s;
}

Samples SuccessChime() {
  // C6 E6 G6 C7, each struck a little after the last, with the top note held.
  const double notes[4] = {84, 88, 91, 96};
  Samples s = Silence(1.0);
  for (int k = 0; k < 4; ++k) MixInto(s, Bell(NoteHz(notes[k]), k == 3 ? 0.85 : 0.55, 1.0), SampleCount(k * 0.07), k == 3 ? 0.9 : 0.7);
  Finish(s, 0.8, 0.5, 60);
  return s;
}

Samples FailureBuzz() {
  // Two falling steps of a soft square wave through a closing low-pass: "uh-oh".
  Samples s = Silence(0.65);
  Biquad lp = LowPass(1400, 0.9);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double hz = t < 0.22 ? 330 - 40 * (t / 0.22) : 240 - 80 * std::min(1.0, (t - 0.22) / 0.4);
    phase += 2 * M_PI * hz / kSampleRate;
    double sq = std::tanh(3.0 * std::sin(phase)) + 0.3 * std::sin(phase * 0.5 + 0.3);
    // Two notes with a short gap; every edge is a ramp so there is no click.
    double env = 0;
    if (t < 0.22) env = std::min({1.0, t / 0.01, (0.22 - t) / 0.03}) * (1 - 0.3 * t / 0.22);
    else if (t >= 0.235) env = 0.9 * std::min(1.0, (t - 0.235) / 0.01) * Decay(t - 0.235, 0.2);
    s[i] = lp.Run(sq) * env;
  }
  Finish(s, 0.6, 1, 40);
  return s;
}

Samples RefusalBlip() {
  Samples s = Silence(0.13);
  Biquad lp = LowPass(600, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double tone = std::tanh(2.5 * std::sin(2 * M_PI * 150 * t));
    s[i] = lp.Run(tone) * std::min(1.0, t / 0.004) * Decay(t, 0.04);
  }
  Finish(s, 0.7, 0.5, 20);
  return s;
}

}  // namespace

bool MakeEffects(const std::string& dir) {
  const Samples effects[7] = {Tick(), Clack(), Lift(), Thud(), SuccessChime(), FailureBuzz(), RefusalBlip()};
  bool ok = true;
  for (int n = 1; n <= 7; ++n) ok = SaveWav(effects[n - 1], dir + "/00" + std::to_string(n) + ".wav") && ok;
  return ok;
}

bool MakeJingle(const std::string& dir) {
  // A little fanfare on bells over a soft chord: G5 C6 E6 G6, then C7 with the chord.
  struct Note {
    double start, midi, length, gain;
  };
  const Note notes[] = {{0.00, 79, 0.5, 0.6},  {0.12, 84, 0.5, 0.6},  {0.24, 88, 0.5, 0.6}, {0.36, 91, 0.6, 0.65},
                        {0.56, 88, 0.4, 0.45}, {0.68, 91, 0.5, 0.55}, {0.82, 96, 0.75, 0.8}};
  Samples s = Silence(1.6);
  for (const Note& n : notes) MixInto(s, Bell(NoteHz(n.midi), n.length, 0.9), SampleCount(n.start), n.gain);
  // Warm pad under the last note: C major triad of soft sines.
  Samples pad = Silence(0.78);
  for (size_t i = 0; i < pad.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate, v = 0;
    for (double m : {60.0, 64.0, 67.0, 72.0}) v += std::sin(2 * M_PI * NoteHz(m) * t);
    pad[i] = v * 0.12 * std::min(1.0, t / 0.05) * Decay(t, 0.35);
  }
  MixInto(s, pad, SampleCount(0.82));
  Finish(s, 0.8, 1, 80);
  return SaveWav(s, dir + "/badgeget.wav");
}

#include "assets/music/quillet_remix.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "assets/music/drum_kit.h"
#include "assets/music/loop_effects.h"
#include "assets/music/loop_mix.h"
#include "assets/music/mono_synth.h"
#include "assets/music/poly_voices.h"
#include "assets/music/quillet_score.h"

namespace assets {
namespace {

MonoPatch LeadPatch() {
  MonoPatch patch;
  patch.detuneCents = 8;
  patch.width = 0.5f;
  patch.squareLevel = 0.35f;
  patch.squareOctave = -1;
  patch.glideSeconds = 0.012f;
  patch.vibratoCents = 18;
  patch.vibratoDelay = 0.22f;
  patch.vibratoHz = 5.5f;
  patch.cutoffHz = 1500;
  patch.envelopeHz = 3500;
  patch.envelopeDecay = 0.18f;
  patch.resonance = 1.0f;
  patch.keyTracking = 0.6f;
  patch.amp = {0.004f, 0.35f, 0.75f, 0.12f};
  return patch;
}

MonoPatch BassPatch() {
  MonoPatch patch;
  patch.detuneCents = 5;
  patch.squareLevel = 0.5f;
  patch.cutoffHz = 220;
  patch.envelopeHz = 1600;
  patch.envelopeDecay = 0.1f;
  patch.resonance = 1.3f;
  patch.keyTracking = 0.5f;
  patch.amp = {0.002f, 0.3f, 0.8f, 0.04f};
  return patch;
}

// Levels set so that the lead stays on top, kick and bass below it, the rest further back.
// Each channel: gain, pan, echo send, reverb send, whether it ducks under the kick.
struct Desk {
  Channel lead{0.32f, 0, 0.22f, 0.22f, false};
  Channel harmony{0.16f, -0.3f, 0.25f, 0.3f, false};
  Channel bass{0.29f, 0, 0, 0, true};
  Channel pad{0.18f, 0, 0, 0.45f, true};
  Channel arp{0.21f, 0, 0.35f, 0.25f, true};
  Channel bell{0.21f, 0.15f, 0.4f, 0.45f, false};
  Channel riser{0.12f, 0, 0, 0.3f, false};
  std::array<Channel, kDrumKinds> drums{{
      {0.32f, 0, 0, 0, false},           // kick
      {0.8f, 0, 0, 0.18f, false},        // snare
      {0.32f, 0.3f, 0, 0, false},        // closed hat
      {0.31f, -0.25f, 0, 0.05f, false},  // open hat
      {0.2f, 0, 0, 0.1f, false},         // crash
      {0.3f, -0.35f, 0, 0.15f, false},   // high tom
      {0.3f, 0.35f, 0, 0.15f, false},    // low tom
  }};
};

void PlaceScore(const Score& score, const Timing& timing, LoopMix& mix) {
  const Desk desk;
  for (const AudioBlock& block : RenderMonoLine(score.lead, LeadPatch(), timing))
    mix.Place(block.stereo, block.frame, desk.lead);
  for (const AudioBlock& block : RenderMonoLine(score.harmony, LeadPatch(), timing))
    mix.Place(block.stereo, block.frame, desk.harmony);
  for (const AudioBlock& block : RenderMonoLine(score.bass, BassPatch(), timing))
    mix.Place(block.stereo, block.frame, desk.bass);
  mix.Place(RenderPadLoop(score.pad, timing, mix.frames()), 0, desk.pad);
  for (const Note& note : score.bell) {
    AudioBlock block = RenderBellNote(note, timing);
    mix.Place(block.stereo, block.frame, desk.bell);
  }
  // Arpeggio notes alternate between the sides.
  for (size_t i = 0; i < score.arp.size(); ++i) {
    Channel channel = desk.arp;
    channel.pan = i % 2 ? 0.5f : -0.5f;
    AudioBlock block = RenderPluckNote(score.arp[i], timing);
    mix.Place(block.stereo, block.frame, channel);
  }
  std::array<std::vector<float>, kDrumKinds> kit;
  for (size_t d = 0; d < kit.size(); ++d) kit[d] = RenderDrum(Drum(d), timing.sampleRate);
  for (const DrumHit& hit : score.drums)
    mix.Place(kit[size_t(hit.drum)], timing.Frame(hit.step), desk.drums[size_t(hit.drum)], hit.velocity);
  for (size_t i = 0; i < score.risers.size(); ++i) {
    const Riser& riser = score.risers[i];
    long start = timing.Frame(riser.start), frames = timing.Frame(riser.start + riser.length) - start;
    // Each riser its own noise, so that no two sound exactly alike.
    mix.Place(RenderRiser(frames, timing.sampleRate, uint32_t(101 + 2 * i)), start, desk.riser);
  }
}

}  // namespace

Sound RenderQuilletRemix(int sampleRate) {
  Sound sound;
  sound.sampleRate = sampleRate;
  sound.channels = 2;
  Score score;
  // Below this the filters and the half-rate pad and reverb have no room to work.
  const int lowestSampleRate = 8000;
  if (sampleRate < lowestSampleRate || !WriteQuilletScore(score)) return sound;
  Timing timing;
  timing.sampleRate = sampleRate;
  timing.framesPerStep = sampleRate * 60.0 / (score.beatsPerMinute * 4);
  LoopMix mix(size_t(timing.Frame(score.steps)));
  PlaceScore(score, timing, mix);

  std::vector<long> kicks;
  for (const DrumHit& hit : score.drums)
    if (hit.drum == Drum::Kick) kicks.push_back(timing.Frame(hit.step));
  DuckUnderKicks(mix.pumped(), kicks, 0.4f, sampleRate);
  std::vector<float>& out = mix.dry();
  const float* pumped = mix.pumped().data();
  float* mixed = out.data();
  for (size_t i = 0, n = out.size(); i < n; ++i) mixed[i] += pumped[i];
  // A dotted eighth: the repeats fall between the notes of the melody.
  AddPingPongEcho(mix.echoSend(), timing.Frame(3), 0.42f, sampleRate, out);
  AddReverb(mix.reverbSend(), sampleRate, out);
  HighPass(out, 18, sampleRate);

  float peak = 0;
  for (size_t i = 0, n = out.size(); i < n; ++i) peak = std::fmax(peak, std::fabs(mixed[i]));
  const float minusOneDecibel = 0.891f;
  if (peak > 0)
    for (size_t i = 0, n = out.size(); i < n; ++i) mixed[i] *= minusOneDecibel / peak;
  sound.samples = std::move(out);
  return sound;
}

}  // namespace assets

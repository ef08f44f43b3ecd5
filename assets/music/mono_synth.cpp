#include "assets/music/mono_synth.h"

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

// Pitch, vibrato and filter move once a chunk of this many frames: smooth enough to hear no
// steps, and it spares a tan() and an exp2() on most samples.
constexpr long kChunk = 32;

AudioBlock RenderPhrase(const Note* notes, size_t count, const MonoPatch& patch, const Timing& timing) {
  const float rate = float(timing.sampleRate);
  const long releaseFrames = long(patch.amp.release * rate) + 4;
  AudioBlock block;
  block.frame = timing.Frame(notes[0].start);
  const Note& lastNote = notes[count - 1];
  const long frames = timing.Frame(lastNote.start + lastNote.length) + releaseFrames - block.frame;
  block.stereo.assign(size_t(frames) * 2, 0.0f);
  float* out = block.stereo.data();

  Saw sawUp(0.0f), sawDown(0.5f), squareRise(0.0f), squareFall(0.5f);
  Svf filterLeft, filterRight;
  Envelope amp(patch.amp, rate);
  const float detune = std::exp2(patch.detuneCents / 1200);
  const float squareRatio = std::exp2(float(patch.squareOctave));
  const float glideFactor = patch.glideSeconds > 0 ? std::exp(-kChunk / (patch.glideSeconds * rate)) : 0;
  const float filterFactor = std::exp(-kChunk / (patch.envelopeDecay * rate));
  // The filter opens over a few milliseconds rather than in one jump, which would tick.
  const float openFactor = std::exp(-kChunk / (0.002f * rate));
  const float near = 0.5f + 0.5f * patch.width, far = 0.5f - 0.5f * patch.width;
  const bool mono = patch.width == 0;  // both sides alike: one filter does
  float pitch = float(notes[0].pitch), vibratoPhase = 0, filterEnvelope = 0;

  long previousEnd = -1;
  for (size_t n = 0; n < count; ++n) {
    const Note& note = notes[n];
    const long start = timing.Frame(note.start) - block.frame;
    const long gateEnd = timing.Frame(note.start + note.length) - block.frame;
    const long until = n + 1 < count ? timing.Frame(notes[n + 1].start) - block.frame : frames;
    const bool legato = previousEnd == start;
    if (!legato || glideFactor == 0) pitch = float(note.pitch);
    if (!legato) amp.GateOn();
    previousEnd = gateEnd;
    const float toneScale = 0.4f + 1.2f * note.tone;
    const float keyScale = std::pow(PitchToHz(float(note.pitch)) / 261.63f, patch.keyTracking);
    const float cutoffRest = patch.cutoffHz * toneScale * keyScale;
    const float cutoffPeak = patch.envelopeHz * toneScale * keyScale * note.velocity;
    const float gain = note.velocity * patch.level;
    bool opening = true;

    for (long i = start; i < until;) {
      if (i == gateEnd) amp.GateOff();
      const long run = std::min(kChunk, (i < gateEnd ? gateEnd : until) - i);
      const float age = float(i - start) / rate;
      pitch = float(note.pitch) + (pitch - float(note.pitch)) * glideFactor;
      float vibratoDepth = std::clamp((age - patch.vibratoDelay) / 0.3f, 0.0f, 1.0f);
      vibratoPhase += patch.vibratoHz * float(run) / rate;
      vibratoPhase -= std::floor(vibratoPhase);
      float vibrato = vibratoDepth * patch.vibratoCents / 100 * (4 * std::fabs(vibratoPhase - 0.5f) - 1);
      const float increment = PitchToHz(pitch + vibrato) / rate;
      if (opening) {
        filterEnvelope = 1 - (1 - filterEnvelope) * openFactor;
        opening = filterEnvelope < 0.95f;
      } else {
        filterEnvelope *= filterFactor;
      }
      const float cutoff = cutoffRest + cutoffPeak * filterEnvelope;
      filterLeft.Set(cutoff, patch.resonance, rate);
      if (!mono) filterRight.Set(cutoff, patch.resonance, rate);

      float up[kChunk] = {}, down[kChunk] = {}, middle[kChunk] = {}, left[kChunk], right[kChunk];
      sawUp.Add(up, size_t(run), increment * detune, 1);
      sawDown.Add(down, size_t(run), increment / detune, 1);
      squareRise.Add(middle, size_t(run), increment * squareRatio, patch.squareLevel);
      squareFall.Add(middle, size_t(run), increment * squareRatio, -patch.squareLevel);
      for (long k = 0; k < run; ++k) {
        left[k] = near * up[k] + far * down[k] + middle[k];
        right[k] = far * up[k] + near * down[k] + middle[k];
      }
      filterLeft.Run<Svf::Output::Low>(left, size_t(run));
      if (mono)
        std::copy(left, left + run, right);
      else
        filterRight.Run<Svf::Output::Low>(right, size_t(run));
      float level[kChunk];
      std::fill(level, level + run, gain);
      amp.Apply(level, size_t(run));
      for (long k = 0; k < run; ++k) {
        out[2 * (i + k)] = left[k] * level[k];
        out[2 * (i + k) + 1] = right[k] * level[k];
      }
      i += run;
    }
  }
  return block;
}

}  // namespace

std::vector<AudioBlock> RenderMonoLine(const std::vector<Note>& line, const MonoPatch& patch,
                                       const Timing& timing) {
  std::vector<AudioBlock> phrases;
  const long releaseFrames = long(patch.amp.release * timing.sampleRate) + 4;
  for (size_t first = 0; first < line.size();) {
    size_t count = 1;
    while (first + count < line.size()) {
      const Note& before = line[first + count - 1];
      if (timing.Frame(line[first + count].start) > timing.Frame(before.start + before.length) + releaseFrames)
        break;
      ++count;
    }
    phrases.push_back(RenderPhrase(&line[first], count, patch, timing));
    first += count;
  }
  return phrases;
}

}  // namespace assets

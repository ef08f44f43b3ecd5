#include "assets/music/poly_voices.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/music/synth_parts.h"

namespace assets {
namespace {

// A note's samples while it is rendered, long enough for its release: one channel, or two
// for a voice with its own width.
struct NoteBuffers {
  NoteBuffers(const Note& note, const Timing& timing, float releaseSeconds, bool stereo)
      : frame(timing.Frame(note.start)),
        gate(size_t(timing.Frame(note.start + note.length) - frame)),
        left(gate + size_t(releaseSeconds * timing.sampleRate) + 4),
        right(stereo ? left.size() : 0) {}

  // Shapes the note by the envelope, closing its gate on time.
  void Shape(const Adsr& shape, float sampleRate) {
    Envelope envelope(shape, sampleRate);
    std::vector<float> gainBuffer(right.empty() ? 0 : left.size(), 1.0f);
    float* gain = right.empty() ? left.data() : gainBuffer.data();
    envelope.GateOn();
    envelope.Apply(gain, gate);
    envelope.GateOff();
    envelope.Apply(gain + gate, left.size() - gate);
    if (right.empty()) return;
    float* l = left.data();
    float* r = right.data();
    for (size_t i = 0, n = left.size(); i < n; ++i) {
      l[i] *= gain[i];
      r[i] *= gain[i];
    }
  }

  AudioBlock Interleave(float level) const {
    AudioBlock block;
    block.frame = frame;
    block.stereo.resize(left.size() * 2);
    float* out = block.stereo.data();
    const float* l = left.data();
    const float* r = right.empty() ? left.data() : right.data();
    for (size_t i = 0, n = left.size(); i < n; ++i) {
      out[2 * i] = level * l[i];
      out[2 * i + 1] = level * r[i];
    }
    return block;
  }

  long frame;
  size_t gate;
  std::vector<float> left, right;
};

}  // namespace

std::vector<float> RenderPadLoop(const std::vector<Note>& notes, const Timing& timing, size_t loopFrames) {
  // The pad sounds all the time, so it is rendered at half the sample rate and drawn back up
  // with straight lines between the samples: its filter keeps it far below what the half
  // rate can carry, and it costs half as much.
  Timing half = timing;
  half.sampleRate = timing.sampleRate / 2;
  half.framesPerStep = timing.framesPerStep / 2;
  const float rate = float(half.sampleRate);
  const size_t halfFrames = (loopFrames + 1) / 2;
  std::vector<float> halfLoop(halfFrames * 2, 0.0f);
  const Adsr shape{0.35f, 1, 1, 0.7f};
  const float detune = std::exp2(9.0f / 1200);
  for (const Note& note : notes) {
    NoteBuffers buffers(note, half, shape.release, true);
    const size_t frames = buffers.left.size();
    const float increment = PitchToHz(float(note.pitch)) / rate;
    Saw(0.0f).Add(buffers.left.data(), frames, increment / detune, 1);
    Saw(0.37f).Add(buffers.right.data(), frames, increment * detune, 1);
    Svf filter;
    filter.Set(500 + 2600 * note.tone, 0.6f, rate);
    Svf other = filter;
    filter.Run<Svf::Output::Low>(buffers.left.data(), frames);
    other.Run<Svf::Output::Low>(buffers.right.data(), frames);
    buffers.Shape(shape, rate);
    const float level = 0.5f * note.velocity;
    const float* l = buffers.left.data();
    const float* r = buffers.right.data();
    float* out = halfLoop.data();
    for (size_t i = 0, at = size_t(buffers.frame) % halfFrames; i < frames; ++i) {
      out[2 * at] += level * l[i];
      out[2 * at + 1] += level * r[i];
      if (++at == halfFrames) at = 0;
    }
  }

  std::vector<float> loop(loopFrames * 2);
  const float* in = halfLoop.data();
  float* out = loop.data();
  float lastLeft = in[2 * halfFrames - 2], lastRight = in[2 * halfFrames - 1];
  for (size_t i = 0; i < loopFrames; ++i) {
    const size_t j = i / 2;
    if (i % 2 == 0) {
      out[2 * i] = 0.5f * (lastLeft + in[2 * j]);
      out[2 * i + 1] = 0.5f * (lastRight + in[2 * j + 1]);
    } else {
      out[2 * i] = lastLeft = in[2 * j];
      out[2 * i + 1] = lastRight = in[2 * j + 1];
    }
  }
  return loop;
}

AudioBlock RenderPluckNote(const Note& note, const Timing& timing) {
  const Adsr shape{0.002f, 0.14f, 0, 0.06f};
  const float rate = float(timing.sampleRate);
  NoteBuffers buffers(note, timing, shape.release, false);
  const size_t frames = buffers.left.size();
  const float increment = PitchToHz(float(note.pitch)) / rate;
  float* sound = buffers.left.data();
  Saw rise(0.0f), fall(0.5f), octave(0.0f);
  rise.Add(sound, frames, increment, 0.7f);
  fall.Add(sound, frames, increment, -0.7f);
  octave.Add(sound, frames, 2 * increment, 0.3f);
  // The filter snaps shut from bright to dull, a step every `chunk` frames.
  const size_t chunk = 16;
  const float snap = std::exp(-float(chunk) / (0.05f * rate));
  float opening = (600 + 6000 * note.tone) * note.velocity, rest = 350 + 900 * note.tone;
  Svf filter;
  for (size_t i = 0; i < frames; i += chunk) {
    filter.Set(rest + opening, 1.4f, rate);
    filter.Run<Svf::Output::Low>(sound + i, std::min(chunk, frames - i));
    opening *= snap;
  }
  buffers.Shape(shape, rate);
  return buffers.Interleave(note.velocity);
}

AudioBlock RenderBellNote(const Note& note, const Timing& timing) {
  const Adsr shape{0.002f, 0.9f, 0, 0.5f};
  const float rate = float(timing.sampleRate);
  NoteBuffers buffers(note, timing, shape.release, false);
  const float step = kTwoPi * PitchToHz(float(note.pitch)) / rate;
  // The strike's brightness fades faster than the tone, as a struck bar's overtones do.
  const float strikeFactor = std::exp(-1 / (0.25f * rate));
  float carrier = 0, modulator = 0, strike = 2 * (0.5f + note.tone);
  float* sound = buffers.left.data();
  for (size_t i = 0; i < buffers.left.size(); ++i) {
    sound[i] = std::sin(carrier + (0.35f + strike) * std::sin(modulator));
    carrier += step;
    if (carrier > kTwoPi) carrier -= kTwoPi;
    modulator += 3 * step;
    if (modulator > kTwoPi) modulator -= kTwoPi;
    strike *= strikeFactor;
  }
  buffers.Shape(shape, rate);
  return buffers.Interleave(note.velocity);
}

}  // namespace assets

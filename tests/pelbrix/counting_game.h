#pragma once
#include <functional>
#include <string>
#include <vector>

#include "pelbrix/cgame.h"
#include "platform/headless/headless_host.h"
#include "tests/support/args.h"

// A game that does nothing but note what the shell calls, and when (virtual milliseconds).
class CountingGame : public CGame {
 public:
  CountingGame(platform::HeadlessHost& host, const testing_support::Args& args = {},
               const char* title = "Counting")
      : CGame(host, args.argc(), args.argv(), title, false, false), headless(host) {}

  struct Call {
    char what;  // 'M' move, 'D' draw, 'L' lost device, 'R' reset device
    double milliseconds;
    double accumulator;
  };

  void Move() override {
    Note('M');
    ++moves;
    if (onMove) onMove(*this);
  }
  void Draw() override {
    Note('D');
    ++draws;
    if (onDraw) onDraw(*this);
  }
  void OnLostDevice() override {
    Note('L');
    ++lostDevices;
  }
  void OnResetDevice() override {
    Note('R');
    ++resetDevices;
  }

  // "MDMD..." for the calls in the time range [from, to).
  std::string Sequence(double from = 0, double to = 1e18) const {
    std::string s;
    for (const Call& c : calls)
      if (c.milliseconds >= from && c.milliseconds < to) s += c.what;
    return s;
  }
  int Count(char what, double from, double to) const {
    int n = 0;
    for (const Call& c : calls) n += c.what == what && c.milliseconds >= from && c.milliseconds < to;
    return n;
  }

  // Stops the loop after this many moves.
  void StopAfterMoves(int count) {
    onMove = [count](CountingGame& g) {
      if (g.moves >= count) g.PostQuitMessage();
    };
  }

  platform::HeadlessHost& headless;
  std::vector<Call> calls;
  int moves = 0, draws = 0, lostDevices = 0, resetDevices = 0;
  std::function<void(CountingGame&)> onMove, onDraw;

 private:
  void Note(char what) {
    calls.push_back({what, headless.virtualClock().nowMilliseconds(), frameAccumulator});
  }
};

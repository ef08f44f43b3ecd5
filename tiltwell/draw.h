#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/host.h"
#include "platform/text_face.h"
#include "platform/texture_file.h"

// How the ball looks this frame (its state and counter, from the ball record of play).
struct BallLook {
  int state = 1;      // 0 falling, 2 entering the goal: both fade by the counter
  int counter = 255;  // 0..255
};

// The maze game's whole graphics layer: a 640 x 480 back buffer drawn with screen quads (tiles
// of the tile sheets, the ball, full-screen pictures, the time counter, text) and the black fade
// that carries the game from one mode to the next. Operations return 0 (or 1 on failure), as
// the game's code expects.
class DRAW {
 public:
  static constexpr int kWidth = 640, kHeight = 480;
  static constexpr int kSheets = 8;
  static constexpr int kFadeFrames = 60, kFadeMidpoint = 30;

  explicit DRAW(platform::Host& host) : host_(host) {}
  // Makes the device (three attempts, the last one in software), its states, the fonts and
  // the fixed pictures; 1, after the failure message, when no device can be made.
  int Init(platform::Window& window, bool windowed);
  int Release();
  int BeginFrame();
  // The fade's overlay, then the picture shown; true when the fade passed its midpoint (and
  // changed its target) in this frame.
  bool EndFrame();
  int BeginText() { return 0; }
  int EndText() { return 0; }
  int DrawTileFaded(float x, float y, int column, int row, int sheet, int opacity);
  int DrawTile(float x, float y, int column, int row, int sheet);
  int DrawBall(const BallLook& ball);
  int DrawScreen(int which);  // 0 the title picture, 1 the stage background
  int PrintText(const std::string& textCp932, uint32_t argb, const platform::TextRect& rect, int font);
  int LoadSheet(int index, const std::string& gamePath);  // 1 on failure: the slot is empty
  int LoadBackground(const std::string& gamePath);
  int DrawTime(int frames);
  // A 60-frame fade; at its midpoint *target becomes value. A fade in progress starts over.
  int StartFade(int* target, int value);

  platform::RenderDevice* device() const { return device_.get(); }
  bool fading() const { return fadeActive_; }

 private:
  // A quad filled top-left, top-right, bottom-right, bottom-left, as a fan of two triangles.
  void Quad(float left, float top, float right, float bottom, float u0, float v0, float u1, float v1,
            uint32_t argb, const platform::DeviceTexture* texture);
  int Load(platform::LoadedTexture& slot, const std::string& gamePath);

  platform::Host& host_;
  std::unique_ptr<platform::RenderDevice> device_;
  std::unique_ptr<platform::TextFace> fonts_[2];
  platform::LoadedTexture ball_, timeDigits_, title_, background_, sheets_[kSheets];
  bool fadeActive_ = false;
  int* fadeTarget_ = nullptr;
  int fadeValue_ = 0;
  int fadeCounter_ = 0;
};

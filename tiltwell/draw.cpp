#include "tiltwell/draw.h"

#include <algorithm>

#include "platform/game_path.h"
#include "platform/text_encoding.h"

namespace {

constexpr uint32_t kClearColour = 0xFF000040;
constexpr float kInset = 1.0f / 512;  // a tile's texels stop short of its cell's edges
const char* const kFace = "ＭＳ　Ｐゴシック";
constexpr int kFontHeight = 12;

// The opacity of the fade's black for a counter of 1..60: rising to full at 30, then falling.
int FadeOpacity(int counter) { return counter < 30 ? 8 * counter : 495 - 8 * counter; }

}  // namespace

int DRAW::Init(platform::Window& window, bool windowed) {
  fadeActive_ = false;
  // Hardware with hardware vertices, hardware with software vertices, then the reference
  // device: GL offers no choice of vertex processing, so the first two ask the same. The
  // window shows the back buffer either way (fullscreen is the window's); only in full screen
  // does presenting wait for the display's refresh, and the loop paces itself in both.
  for (bool accelerated : {true, true, false}) {
    platform::DeviceRequest request{kWidth, kHeight, accelerated, !windowed};
    device_ = window.CreateRenderDevice(request);
    if (device_) break;
  }
  if (!device_) {
    host_.dialogs().ShowMessage(nullptr, platform::Cp932Literal("Direct3Dの初期化に失敗しました。"),
                                "Error", platform::MessageButtons::Ok, platform::MessageKind::Plain);
    return 1;
  }
  platform::RenderState& s = device_->state;
  s.depthTest = true;
  s.lighting = false;
  s.blendEnabled = true;
  s.srcBlend = platform::BlendFactor::SrcAlpha;
  s.destBlend = platform::BlendFactor::InvSrcAlpha;
  s.colorOp = platform::TextureOp::Modulate;
  s.alphaOp = platform::TextureOp::Modulate;
  for (auto& font : fonts_) font = platform::TextFace::Open(*device_, platform::Cp932Literal(kFace), kFontHeight);
  // The fixed pictures; one that is missing is drawn without a texture.
  Load(ball_, "img\\pl.png");
  Load(timeDigits_, "img\\time.dds");
  Load(title_, "img\\title.png");
  return 0;
}

int DRAW::Release() {
  for (auto& font : fonts_) font.reset();
  for (platform::LoadedTexture* slot : {&ball_, &timeDigits_, &title_, &background_}) *slot = {};
  for (auto& sheet : sheets_) sheet = {};
  device_.reset();
  return 0;
}

int DRAW::BeginFrame() {
  if (device_) device_->Clear(platform::kClearTarget | platform::kClearDepth, kClearColour, 1.0f);
  return 0;
}

bool DRAW::EndFrame() {
  bool midpoint = false;
  if (fadeActive_) {
    if (fadeCounter_ == 0)
      fadeActive_ = false;
    else
      Quad(0, 0, kWidth, kHeight, 0, 0, 1, 1, uint32_t(FadeOpacity(fadeCounter_)) << 24, nullptr);
    if (fadeCounter_ == kFadeMidpoint) {
      if (fadeTarget_) *fadeTarget_ = fadeValue_;
      midpoint = true;
    }
    --fadeCounter_;
  }
  // A picture that cannot be shown (a lost device) resets the device; the frame is not drawn
  // again.
  if (device_ && !device_->Present()) device_->ResizeBackBuffer(kWidth, kHeight);
  return midpoint;
}

int DRAW::StartFade(int* target, int value) {
  fadeActive_ = true;
  fadeTarget_ = target;
  fadeValue_ = value;
  fadeCounter_ = kFadeFrames;
  return 0;
}

void DRAW::Quad(float left, float top, float right, float bottom, float u0, float v0, float u1,
                float v1, uint32_t argb, const platform::DeviceTexture* texture) {
  if (!device_) return;
  const platform::ScreenVertex fan[4] = {{left, top, 0, 1, argb, u0, v0},
                                         {right, top, 0, 1, argb, u1, v0},
                                         {right, bottom, 0, 1, argb, u1, v1},
                                         {left, bottom, 0, 1, argb, u0, v1}};
  device_->state.texture = texture;
  device_->DrawScreenPrimitive(platform::PrimitiveType::TriangleFan, fan, 4);
}

int DRAW::DrawTile(float x, float y, int column, int row, int sheet) {
  const platform::DeviceTexture* texture =
      sheet >= 0 && sheet < kSheets ? sheets_[sheet].texture.get() : nullptr;
  Quad(x, y, x + 32, y + 32, column / 16.0f + kInset, row / 16.0f + kInset,
       (column + 1) / 16.0f - kInset, (row + 1) / 16.0f - kInset, 0xFFFFFFFF, texture);
  return 0;
}

int DRAW::DrawTileFaded(float x, float y, int column, int row, int sheet, int opacity) {
  const platform::DeviceTexture* texture =
      sheet >= 0 && sheet < kSheets ? sheets_[sheet].texture.get() : nullptr;
  Quad(x, y, x + 32, y + 32, column / 16.0f, row / 16.0f, (column + 1) / 16.0f - kInset,
       (row + 1) / 16.0f - kInset, uint32_t(opacity) << 24 | 0xFFFFFF, texture);
  return 0;
}

int DRAW::DrawBall(const BallLook& ball) {
  const int opacity = ball.state == 0 || ball.state == 2 ? ball.counter : 255;
  const float scale = ball.state == 0 ? ball.counter / 256.0f : 1.0f;
  const float half = scale * 24 * 0.5f;
  Quad(320 - half, 240 - half, 321 + half, 241 + half, 0, 0, 1, 1,
       uint32_t(opacity) << 24 | 0xFFFFFF, ball_.texture.get());
  return 0;
}

int DRAW::DrawScreen(int which) {
  const platform::DeviceTexture* texture = which == 0 ? title_.texture.get() : background_.texture.get();
  Quad(0, 0, kWidth, kHeight, 0, 0, 1, 1, 0xFFFFFFFF, texture);
  return 0;
}

int DRAW::PrintText(const std::string& textCp932, uint32_t argb, const platform::TextRect& rect, int font) {
  if (font >= 0 && font < 2 && fonts_[font]) fonts_[font]->Draw(textCp932, argb, rect, platform::TextAlign::Center);
  return 0;
}

int DRAW::Load(platform::LoadedTexture& slot, const std::string& gamePath) {
  slot = {};
  if (!device_) return 1;
  return platform::LoadTextureFile(*device_, platform::HostPath(gamePath), slot) ? 0 : 1;
}

int DRAW::LoadSheet(int index, const std::string& gamePath) {
  if (index < 0 || index >= kSheets) return 1;
  return Load(sheets_[index], gamePath);
}

int DRAW::LoadBackground(const std::string& gamePath) { return Load(background_, gamePath); }

int DRAW::DrawTime(int frames) {
  const platform::DeviceTexture* texture = timeDigits_.texture.get();
  Quad(320, 400, 384, 432, 0, 0, 0.25f, 1, 0xFFFFFFFF, texture);
  const int seconds = frames < 1 ? 0 : std::min(frames / 60, 999);
  const int digits[3] = {seconds / 100, seconds / 10 % 10, seconds % 10};
  for (int i = 0; i < 3; ++i) {
    const float left = 400.0f + 16 * i, u = digits[i] / 16.0f + 0.375f;
    Quad(left, 400, left + 16, 432, u, 0, u + 0.0625f, 1, 0xFFFFFFFF, texture);
  }
  return 0;
}

#include "quenmark/sprite_graphics.h"

#include <algorithm>
#include <cmath>

#include "platform/d3d_math.h"
#include "platform/game_path.h"
#include "platform/text_encoding.h"

namespace {

const char* const kTitle = "Quivane Ver 0.75 F";
constexpr float kQuarterPi = 0.7853982f;
constexpr float kNear = 10, kFar = 600;
constexpr int kMostSpritesAPass = SpritePools::kPlayDrawn;  // the overlay has 258 at most

// The files of the texture table, in the order they are loaded.
struct TextureFile {
  int id;
  const char* name;
};
constexpr TextureFile kLoadOrder[] = {
    {kSideBarTexture, "SideBar.dds"},  {kShipTexture, "MyShip.dds"},     {kEnemyTexture, "EnemyWhite.dds"},
    {kShotTexture, "bullet.dds"},      {kLoadingTexture, "Loading.dds"}, {kNeedleTexture, "needle.dds"},
    {kAsciiTexture, "ASCII.dds"},      {kLifeTexture, "MagicStone.dds"}, {kEnemyBulletTexture, "EnemyBullet.dds"},
    {kMarkerTexture, "Center.dds"},    {kTitleTexture, "Title.dds"},     {kQuitTexture, "quit.dds"},
    {kStartTexture, "Start.dds"},      {kResultTexture, "result.dds"},
};

bool Drawn(const Sprite& s) { return s.texture != 0 && s.kind != 0; }

}  // namespace

bool SpriteGraphics::InitGraphics(platform::Window& window, bool fullScreen) {
  platform::Dialogs& dialogs = host_.dialogs();
  platform::Size size = window.clientSize();
  if (fullScreen) {
    size = window.screenSize();  // the desktop's current mode
    if (size.width <= 0 || size.height <= 0) {
      dialogs.ShowMessage(nullptr, platform::Cp932Literal("ディスプレイモードの取得に失敗しました"), kTitle,
                          platform::MessageButtons::Ok, platform::MessageKind::Error);
      return false;
    }
  }
  // Hardware vertex processing, software vertex processing, then the reference device: GL
  // offers no choice of vertex processing, so the first two ask the same.
  for (bool accelerated : {true, true, false}) {
    device_ = window.CreateRenderDevice({size.width, size.height, accelerated, true});
    if (device_) break;
  }
  if (!device_) {
    dialogs.ShowMessage(nullptr, platform::Cp932Literal("Direct3Dを初期化できませんでした"), kTitle,
                        platform::MessageButtons::Ok, platform::MessageKind::Error);
    return false;
  }
  platform::RenderState& s = device_->state;
  s.depthTest = true;
  s.cull = platform::CullMode::None;
  s.colorOp = platform::TextureOp::SelectTexture;
  s.minFilter = s.magFilter = s.mipFilter = platform::TextureFilter::Linear;
  batch_.reserve(kMostSpritesAPass);
  return true;
}

bool SpriteGraphics::LoadAllTextures() {
  for (const TextureFile& file : kLoadOrder) {
    platform::LoadedTexture& slot = textures_[file.id];
    // The bare name in the working folder first, then in "images\".
    if (platform::LoadTextureFile(*device_, platform::HostPath(file.name), slot)) continue;
    if (!platform::LoadTextureFile(*device_, platform::HostPath(std::string("images\\") + file.name), slot))
      return false;
  }
  return true;
}

void SpriteGraphics::ReleaseGraphics() {
  for (platform::LoadedTexture& slot : textures_) slot = {};
  device_.reset();
}

CellRect SpriteGraphics::QuadCell(int textureId, int cell) {
  CellRect r;
  if (textureId == kAsciiTexture) {
    // A 16 x 16 sheet of characters in code order.
    const int c = cell & 0xFF;
    r.u0 = float(c & 15) * 0.0625f;
    r.v0 = float(c >> 4) * 0.0625f;
    r.u1 = std::min(r.u0 + 0.0625f, 1.0f);
    r.v1 = std::min(r.v0 + 0.0625f, 1.0f);
  } else if (cell != kWholePicture) {
    // Eight frames stacked from top to bottom.
    r.v0 = float(cell & 7) * 0.125f;
    r.v1 = std::min(r.v0 + 0.125f, 1.0f);
  }
  return r;
}

void SpriteGraphics::SpriteCorners(const Sprite& sprite, platform::WorldVertex corners[4]) {
  // Scaled about its centre, moved to its place, then pulled 2.5 units towards the eye along
  // the line from the eye to its centre.
  const platform::Vector3 fromEye = platform::Normalize({sprite.x, sprite.y, sprite.z - kEyeDistance});
  const float dx = -kPullTowardsEye * fromEye.x, dy = -kPullTowardsEye * fromEye.y,
              dz = -kPullTowardsEye * fromEye.z;
  const float half = 4 * sprite.scale;
  const float xs[4] = {-half, half, -half, half}, ys[4] = {-half, -half, half, half};
  const CellRect cell = QuadCell(sprite.texture, sprite.cell);
  const float us[4] = {cell.u0, cell.u1, cell.u0, cell.u1}, vs[4] = {cell.v0, cell.v0, cell.v1, cell.v1};
  for (int i = 0; i < 4; ++i)
    corners[i] = {sprite.x + xs[i] + dx, sprite.y + ys[i] + dy, sprite.z + dz, 0xFFFFFFFF, us[i], vs[i]};
}

void SpriteGraphics::SetupCamera() {
  platform::RenderState& s = device_->state;
  s.view = platform::MatrixLookAtLH({0, 0, kEyeDistance}, {0, 0, 0}, {0, -1, 0});
  const float aspect = float(device_->backBufferWidth()) / float(device_->backBufferHeight());
  s.projection = platform::MatrixPerspectiveFovLH(kQuarterPi, aspect, kNear, kFar);
  s.world = platform::MatrixIdentity();
}

void SpriteGraphics::SetSpriteRenderStates() {
  platform::RenderState& s = device_->state;
  s.blendEnabled = true;
  s.srcBlend = platform::BlendFactor::SrcAlpha;
  s.destBlend = platform::BlendFactor::InvSrcAlpha;
  // Fully transparent texels are not drawn, and leave the depth as it was.
  s.alphaTestEnabled = true;
  s.alphaRef = 0;
  s.alphaFunc = platform::CompareFunc::NotEqual;
  s.lighting = false;
  s.lightEnabled = false;
  s.ambient = 0xFFFFFFFF;
  s.alphaOp = platform::TextureOp::SelectTexture;
  s.minFilter = s.magFilter = s.mipFilter = platform::TextureFilter::Linear;
}

template <size_t N>
void SpriteGraphics::Collect(const std::array<Sprite, N>& pool, size_t drawn) {
  for (size_t i = 0; i < drawn && i < N; ++i) {
    const Sprite& sprite = pool[i];
    if (!Drawn(sprite)) continue;
    platform::WorldQuad quad;
    quad.texture = texture(sprite.texture);
    SpriteCorners(sprite, quad.corners);
    batch_.push_back(quad);
  }
}

void SpriteGraphics::DrawFrame(const SpritePools& pools) {
  if (!device_) return;
  device_->Clear(platform::kClearTarget | platform::kClearDepth, kClearColour, 1.0f);
  SetupCamera();
  // The sprites are not sorted: within a pass the depth test settles overlaps, and where
  // depths are equal the later sprite covers the earlier one. Consecutive sprites of one
  // picture go out together; the picture is the same as drawing them one by one.
  SetSpriteRenderStates();
  batch_.clear();
  Collect(pools.play, SpritePools::kPlayDrawn);
  device_->DrawWorldQuads(batch_.data(), int(batch_.size()));
  device_->Clear(platform::kClearDepth, 0, 1.0f);  // the overlay lies over everything
  SetSpriteRenderStates();
  batch_.clear();
  Collect(pools.screen, SpritePools::kScreenDrawn);
  Collect(pools.hiScoreText, SpritePools::kTextRow);
  Collect(pools.scoreText, SpritePools::kTextRow);
  Collect(pools.powerText, SpritePools::kTextRow);
  Collect(pools.lifeIcons, SpritePools::kLifeIcons);
  device_->DrawWorldQuads(batch_.data(), int(batch_.size()));
  device_->Present();  // its result is not examined
}

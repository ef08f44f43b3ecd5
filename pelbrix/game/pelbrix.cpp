#include "pelbrix/game/pelbrix.h"

#include "pelbrix/game/font_table.h"
#include "platform/d3d_math.h"

namespace {

const char* const kTitle = "Velquist Sonata";
const char* const kResourceFolder = "..\\Files\\";
// The music's track table: one entry.
const char* const kTracks[] = {"Quillet Remix"};
constexpr int kTrackCount = int(sizeof kTracks / sizeof kTracks[0]);

constexpr uint32_t kFieldClear = 0x00000000;
constexpr uint32_t kPanelClear = 0xFF000078;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kShadow = 0x80000000;

}  // namespace

CPelbrix::CPelbrix(platform::Host& host, int argc, const char* const* argv)
    : CGame(host, argc, argv, kTitle, /*hasMenu=*/false, /*suppressHint=*/true),
      soundPlayer(host.audio()),
      music(host.audio()) {
  // Esc ends the game at once; "-nce" therefore changes nothing here.
  confirmExit = false;
  for (CTaskList* list : {&shipList, &bulletList, &effectList, &sceneList, &enemyList}) list->game = this;
  if (!started()) return;
  window->SetCursorVisible(false);
  titleImage = LoadTexture("title.png");
  logosImage = LoadTexture("logos.png");
  for (Mesh*& mesh : enemyMeshes) mesh = Keep(LoadMesh("magic"));
  shipMesh = Keep(LoadMesh("myship"));
  bulletMeshes[0] = Keep(LoadMesh("bullet"));
  bulletMeshes[1] = Keep(LoadMesh("bullet2"));
  font = LoadFont("font.png", kFontTable);
  crashSound = LoadSound("crash_boss.wav");
  scores.LoadHighScore(kHighScoreFile);
  script = std::make_unique<CScript>(*this, kScriptFile);
}

CPelbrix::~CPelbrix() {
  // What this run scored is kept; a file that cannot be written loses it silently.
  if (started()) scores.SaveHighScore(kHighScoreFile);
  // The tasks go before the resources they draw with.
  ClearLists();
}

void CPelbrix::ClearLists() {
  bulletList.Clear();
  effectList.Clear();
  enemyList.Clear();
  shipList.Clear();
  sceneList.Clear();
}

Mesh* CPelbrix::Keep(std::unique_ptr<Mesh> mesh) {
  meshes_.push_back(std::move(mesh));
  return meshes_.back().get();
}

std::string CPelbrix::ResourcePath(const std::string& name) const {
  return exeDir + kResourceFolder + name;
}

std::unique_ptr<Texture> CPelbrix::LoadTexture(const std::string& name) {
  return std::make_unique<Texture>(graphicsDevice->device.get(), ResourcePath(name));
}

std::unique_ptr<Mesh> CPelbrix::LoadMesh(const std::string& name) {
  return std::make_unique<Mesh>(graphicsDevice->device.get(), ResourcePath(name + ".x"));
}

std::unique_ptr<BitmapFont> CPelbrix::LoadFont(const std::string& name, std::string_view table) {
  return std::make_unique<BitmapFont>(graphicsDevice->device.get(), ResourcePath(name), table,
                                      0.0625f, 0.125f, 16, 32, 2, 2);
}

std::unique_ptr<SoundEffect> CPelbrix::LoadSound(const std::string& name) {
  auto effect = std::make_unique<SoundEffect>(host.audio(), ResourcePath(name));
  soundPlayer.PrepareEffect(*effect);
  return effect;
}

int CPelbrix::fieldSize() const { return graphicsDevice->backBufferHeight; }
int CPelbrix::backBufferWidth() const { return graphicsDevice->backBufferWidth; }

void CPelbrix::ShowTitle() { CreateTask<CTitle>(sceneList); }

void CPelbrix::StartGame() {
  scores.StartGame();
  currentShip = CreateTask<CAppearingMyShip>(shipList);
  CreateTask<CReady>(sceneList);
}

void CPelbrix::PlayMusic(int index) {
  // FIXED: the script could name a track beyond the one-entry table and read past it; such a
  // command is ignored and the music stays as it is.
  if (index < 0 || index >= kTrackCount) return;
  music.OpenMusic(ResourcePath(std::string(kTracks[index]) + ".mp3"));
  music.SetMusicVolume(1.0f);
  music.StartMusic();
}

void CPelbrix::SetMusicVolume(float volume) { music.SetMusicVolume(volume); }

void CPelbrix::Move() {
  if (music.MusicFinished()) {  // the music loops
    music.SeekMusic(0.0f);
    music.StartMusic();
  }
  inputDevices->PollAll();
  // Bullets an enemy fires land in the bullet list, which has moved already: they first move
  // next frame. The ship tests itself against bullets that have moved this frame.
  bulletList.MoveAll();
  enemyList.MoveAll();
  effectList.MoveAll();
  shipList.MoveAll();
  sceneList.MoveAll();
  if (returnToTitle) {
    music.StopMusic();
    ClearLists();
    // The ship task is gone; the pointer is replaced by the next StartGame before anything
    // reads it again.
    ShowTitle();
    returnToTitle = false;
  }
}

void CPelbrix::Draw() {
  platform::RenderDevice& device = *graphicsDevice->device;
  const int h = fieldSize(), w = backBufferWidth();
  device.state.viewport = {0, 0, h, h, 0.0f, 1.0f};
  graphicsDevice->ClearTarget(kFieldClear);
  effectList.DrawAll();
  shipList.DrawAll();
  // Bullets and enemies in batches, with the picture (and the scoring) of drawing them one
  // by one in list order.
  DrawBullets(bulletList, batch_);
  DrawEnemies(enemyList, batch_);
  sceneList.DrawAll();  // last: scene texts lie over the field
  device.state.viewport = {h, 0, w - h, h, 0.0f, 1.0f};
  graphicsDevice->ClearTarget(kPanelClear);
  DrawScorePanel();
}

void CPelbrix::DrawScorePanel() {
  const int h = fieldSize(), w = backBufferWidth();
  const float x = float(h);
  font->DrawShadowText("SCORE", x, 0, kWhite, kShadow);
  font->DrawText(scores.score.digits(), x, 32, kWhite);
  font->DrawShadowText("1ST SCORE", x, 80, kWhite, kShadow);
  font->DrawText(scores.highScore.digits(), x, 116, kWhite);
  // The emblem at its own size, centred in the panel with its bottom margin equal to its sides.
  const int imageWidth = logosImage->imageWidth, imageHeight = logosImage->imageHeight;
  const int margin = (w - imageWidth - h) / 2;
  logosImage->Draw(float(h + margin), float(h - imageHeight - margin), float(imageWidth),
                   float(imageHeight), 0, 0, 1, 1, kWhite);
  if (frameSkip) font->DrawShadowText("DROP FRAMES", x, 560, kWhite, kShadow);
}

void CPelbrix::OnResetDevice() {
  platform::RenderState& s = graphicsDevice->device->state;
  s.blendEnabled = true;
  s.srcBlend = platform::BlendFactor::SrcAlpha;
  s.destBlend = platform::BlendFactor::InvSrcAlpha;
  s.specularEnabled = false;
  s.cull = platform::CullMode::CounterClockwise;
  s.lighting = true;
  s.depthTest = true;
  s.ambient = 0x006F6F6F;
  s.alphaRef = 1;
  s.alphaTestEnabled = true;
  s.alphaFunc = platform::CompareFunc::GreaterEqual;
  s.colorOp = platform::TextureOp::Modulate;
  s.alphaOp = platform::TextureOp::Modulate;
  s.world = platform::MatrixIdentity();
  s.view = platform::MatrixLookAtLH({0, 100, 0}, {0, 0, 0}, {0, 0, 1});
  s.projection = platform::MatrixOrthoLH(100, 100, 1, 1000);
  graphicsDevice->SetSceneLight(0, int(platform::LightType::Directional), -1, -1, -1, 1000);
}

// The shooter's content as the asset maker made it: the meshes drawn with the game's camera and
// light in their place and at their size, the pictures in the places the game draws them, the
// window's icon, and the stage script. The screens are written out to be looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <typeinfo>

#include "platform/file_read.h"
#include "platform/game_path.h"
#include "platform/image.h"
#include "platform/mesh_data.h"
#include "tests/pelbrix/game_fixture.h"
#include "tests/support/offscreen.h"

namespace {

const std::string kGameFolder = std::string(GAMES_LAYOUT_DIR) + "/pelbrix";
constexpr int kField = 600;                 // pixels of the square play field
constexpr float kPixelsPerUnit = kField / 100.0f;

// The box of the pixels that are not black within the play field.
struct PixelBox {
  int left = kField, top = kField, right = 0, bottom = 0;  // right and bottom exclusive
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  float centreX() const { return (left + right) / 2.0f; }
  float centreY() const { return (top + bottom) / 2.0f; }
};

PixelBox InkOnField(const platform::Image& frame) {
  PixelBox box;
  for (int y = 0; y < kField; ++y)
    for (int x = 0; x < kField; ++x)
      if (frame.at(x, y) & 0xFFFFFF) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box;
}

// Inked pixels in rows [top, bottom) of the box.
int InkInRows(const platform::Image& frame, const PixelBox& box, int top, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = box.left; x < box.right; ++x) count += (frame.at(x, y) & 0xFFFFFF) != 0;
  return count;
}

// Sum of each channel over the play field.
struct ChannelSums {
  long red = 0, green = 0, blue = 0;
};
ChannelSums SumChannels(const platform::Image& frame) {
  ChannelSums s;
  for (int y = 0; y < kField; ++y)
    for (int x = 0; x < kField; ++x) {
      uint32_t p = frame.at(x, y);
      s.red += (p >> 16) & 255;
      s.green += (p >> 8) & 255;
      s.blue += p & 255;
    }
  return s;
}

void SaveScreenshot(const std::string& name, platform::Image image) {
  for (uint32_t& p : image.pixels) p |= 0xFF000000;  // the field is cleared to transparent black
  std::string folder = std::string(GAMES_LAYOUT_DIR) + "/../screenshots";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(platform::SavePng(folder + "/pelbrix-" + name + ".png", image));
}

// The game object drawing on the offscreen GL device with its own device state, as at the
// start of its loop.
class ShippedContent : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions o;
    o.drawing = platform::HeadlessDrawing::OffscreenGl;
    o.programFilePath = kGameFolder + "/bin/Pelbrix";
    return o;
  }
  ShippedContent() : game(host, 1, testing_support::Args({}).argv()) {
    game.frameSkip = false;  // as the program sets it
    game.OnResetDevice();
  }

  platform::Image Frame() {
    game.Draw();
    platform::Image image;
    game.graphicsDevice->device->ReadBackBuffer(image);
    return image;
  }
  void ClearField() {
    game.bulletList.Clear();
    game.enemyList.Clear();
    game.shipList.Clear();
    game.sceneList.Clear();
    game.currentShip = nullptr;
  }
  CSmallEnemy* EnemyAt(int kind, float x, float y) {
    kEnemyFactories[kind](game.enemyList, x);
    // The new enemy is the last of its list.
    TaskLinks* task = game.enemyList.first();
    for (int i = 1; i < game.enemyList.capacity() - game.enemyList.freeCount(); ++i) task = task->next;
    auto* enemy = static_cast<CSmallEnemy*>(task);
    enemy->y = y;
    return enemy;
  }
  // Where a field position lands, in pixels.
  static float PixelX(float x) { return (x + 50) * kPixelsPerUnit; }
  static float PixelY(float y) { return (y + 50) * kPixelsPerUnit; }

  testing_support::TempWorkingFolder work;
  platform::HeadlessHost host{Options()};
  CPelbrix game;
};

TEST_F(ShippedContent, TheShipIsDrawnAtItsPlaceFourUnitsLongAndThreeWideNoseUp) {
  ASSERT_TRUE(game.graphicsDevice->device) << "the offscreen device";
  CreateTask<CNormalMyShip>(game.shipList, 12.0f, 30.0f);
  platform::Image frame = Frame();
  PixelBox box = InkOnField(frame);
  EXPECT_NEAR(box.centreX(), PixelX(12), 2) << "the ship is centred on its x";
  EXPECT_NEAR(box.centreY(), PixelY(30), 3) << "and on its y";
  EXPECT_NEAR(box.width(), 3 * kPixelsPerUnit, 3) << "about 3 units wide";
  EXPECT_NEAR(box.height(), 4 * kPixelsPerUnit, 3) << "about 4 units long";
  int quarter = box.height() / 4;
  EXPECT_LT(InkInRows(frame, box, box.top, box.top + quarter), InkInRows(frame, box, box.bottom - quarter, box.bottom))
      << "the nose (narrow) points up the screen, the wings are at the back";
  // Lit from above: the hull's upper faces catch the light, so the ship reads bright.
  uint32_t brightest = 0;
  for (uint32_t p : frame.pixels) brightest = std::max(brightest, std::max({(p >> 16) & 255, (p >> 8) & 255, p & 255}));
  EXPECT_GT(brightest, 220u) << "the ship's upper faces face the camera and the light";
}

TEST_F(ShippedContent, TheCrystalIsFiveUnitsAcrossAtTheEnemysPlace) {
  EnemyAt(0, -20, -10);
  PixelBox box = InkOnField(Frame());
  EXPECT_NEAR(box.centreX(), PixelX(-20), 2);
  EXPECT_NEAR(box.centreY(), PixelY(-10), 2);
  // The points are thinner than a pixel at their very ends, so a few of their pixels stay dark.
  EXPECT_NEAR(box.width(), 5 * kPixelsPerUnit, 5) << "the hit box is 2.5 units each way";
  EXPECT_NEAR(box.height(), 5 * kPixelsPerUnit, 5);
}

TEST_F(ShippedContent, TheTwoBulletsAreSmallAndDifferInColour) {
  ChannelSums sums[2];
  for (int index = 0; index < 2; ++index) {
    ClearField();
    CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, index, 5.0f, 5.0f, 0.25f, 1.0f, 0.0f);
    platform::Image frame = Frame();
    PixelBox box = InkOnField(frame);
    EXPECT_NEAR(box.centreX(), PixelX(5), 1.5) << "bullet " << index;
    EXPECT_NEAR(box.centreY(), PixelY(5), 1.5) << "bullet " << index;
    EXPECT_GE(box.width(), int(1 * kPixelsPerUnit) - 1) << "bullet " << index << " is 1 to 1.5 units across";
    EXPECT_LE(box.width(), int(1.5f * kPixelsPerUnit) + 1) << "bullet " << index;
    EXPECT_LE(box.height(), int(1.5f * kPixelsPerUnit) + 1) << "bullet " << index;
    sums[index] = SumChannels(frame);
  }
  EXPECT_GT(sums[0].red, 3 * sums[0].blue / 2) << "\"bullet\" is a warm colour";
  EXPECT_GT(sums[1].blue, 3 * sums[1].red / 2) << "\"bullet2\" is a cold one";
}

TEST_F(ShippedContent, MeshesKeepToTheirTriangleBudgets) {
  // Two thousand bullets may be on the field, and software GL pays for every triangle.
  const std::pair<const char*, size_t> budgets[] = {{"bullet", 16}, {"bullet2", 16}, {"magic", 72}, {"myship", 200}};
  for (const auto& [name, most] : budgets) {
    platform::MeshData mesh;
    ASSERT_TRUE(platform::LoadXMesh(kGameFolder + "/Files/" + name + ".x", mesh)) << name << ".x loads";
    EXPECT_LE(mesh.indices.size() / 3, most) << name << ".x keeps to its triangles";
    EXPECT_EQ(mesh.subsets.size(), mesh.materials.size()) << name;
  }
}

TEST_F(ShippedContent, BulletsAndCrystalAreOneTexturedMaterialEachColouredByWholeTexels) {
  // One material lets the game draw a run of them in one call; each facet takes one texel's
  // colour whole, so its three corners sample the middle of the same texel.
  for (const char* name : {"bullet", "bullet2", "magic"}) {
    platform::MeshData mesh;
    ASSERT_TRUE(platform::LoadXMesh(kGameFolder + "/Files/" + name + ".x", mesh)) << name << ".x loads";
    ASSERT_EQ(mesh.materials.size(), 1u) << name << ".x has one material";
    const platform::MeshMaterial& material = mesh.materials[0];
    EXPECT_EQ(material.diffuse.r + material.diffuse.g + material.diffuse.b, 3.0f)
        << name << ": a white material, so the texel gives the colour";
    platform::Image palette;
    ASSERT_TRUE(platform::LoadImageFile(kGameFolder + "/Files/" + material.textureFile, palette))
        << name << ".x names a picture beside it: " << material.textureFile;
    EXPECT_EQ(platform::NextPowerOfTwo(palette.width), palette.width) << "the texture is the picture unstretched";
    EXPECT_EQ(platform::NextPowerOfTwo(palette.height), palette.height);
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
      const platform::MeshVertex& a = mesh.vertices[mesh.indices[i]];
      for (size_t k = 1; k < 3; ++k) {
        const platform::MeshVertex& b = mesh.vertices[mesh.indices[i + k]];
        EXPECT_TRUE(a.u == b.u && a.v == b.v) << name << ": facet " << i / 3 << " is one texel";
      }
      float x = a.u * palette.width - 0.5f, y = a.v * palette.height - 0.5f;
      ASSERT_TRUE(x >= 0 && y >= 0 && x < palette.width && y < palette.height) << name << ": inside the picture";
      EXPECT_NEAR(x, std::round(x), 1e-3) << name << ": at a texel's middle, not blended with its neighbour";
      EXPECT_NEAR(y, std::round(y), 1e-3) << name;
      colours.insert(palette.at(int(std::round(x)), int(std::round(y))));
    }
    EXPECT_GE(colours.size(), 2u) << name << ": the facets read apart by colour";
    EXPECT_EQ(colours.count(0xFF000000u), 0u) << name << ": no facet takes the unused black texel";
  }
  for (Mesh* mesh : {game.bulletMeshes[0], game.bulletMeshes[1], game.enemyMeshes[0]}) {
    ASSERT_EQ(mesh->materialCount, 1u);
    ASSERT_TRUE(mesh->textures[0] && mesh->textures[0]->texture) << "the game loads the texture";
  }
}

TEST_F(ShippedContent, PicturesFitWhereTheGameDrawsThem) {
  platform::Image title, logos;
  ASSERT_TRUE(platform::LoadImageFile(kGameFolder + "/Files/title.png", title));
  ASSERT_TRUE(platform::LoadImageFile(kGameFolder + "/Files/logos.png", logos));
  EXPECT_LE(title.width, kField) << "the title fits the play field";
  EXPECT_LE(title.height, 390) << "and ends above the menu";
  EXPECT_EQ(title.at(0, 0) >> 24, 0u) << "transparent around the lettering";
  EXPECT_LE(logos.width, 200) << "the emblem fits the 200-pixel panel";
  EXPECT_LE(logos.height, kField - 116 - 32) << "below the best score";
  EXPECT_EQ(logos.at(0, 0) >> 24, 0u);
  EXPECT_EQ(logos.at(logos.width / 2, logos.height / 2) >> 24, 255u);
}

TEST_F(ShippedContent, TheIconIsReadWithItsAlpha) {
  platform::Image icon;
  ASSERT_TRUE(platform::LoadImageFile(kGameFolder + "/bin/game.ico", icon)) << "the picture reader takes it";
  EXPECT_GE(icon.width, 32);
  EXPECT_EQ(icon.width, icon.height);
  EXPECT_EQ(icon.at(0, 0) >> 24, 0u) << "transparent corners";
  EXPECT_EQ(icon.at(icon.width / 2, icon.height / 2) >> 24, 255u) << "an opaque middle";
}

TEST_F(ShippedContent, ScreensAreWrittenToBeLookedAt) {
  game.ShowTitle();
  SaveScreenshot("title", Frame());

  ClearField();
  game.currentShip = CreateTask<CNormalMyShip>(game.shipList, -6.0f, 32.0f);
  const float enemies[][3] = {{0, -30, -28}, {1, 0, -24}, {2, 26, -14}, {3, -18, -12}, {4, 12, -36}, {5, 36, -30}};
  for (const auto& e : enemies) EnemyAt(int(e[0]), e[1], e[2])->orientation = e[1] / 100;
  for (int i = 0; i < 60; ++i) {
    float angle = 0.1f + 0.3f * float(i % 20) / 20;
    CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, i % 2, -30.0f + 3 * float(i % 20),
                           -20.0f + 8 * float(i / 20) + float(i % 7), angle, 1.0f, 0.0f);
  }
  platform::Image play = Frame();
  EXPECT_GT(InkOnField(play).width(), 100) << "something was drawn";
  SaveScreenshot("play", play);

  // Each mesh eight times its size under the game's camera and light, to see its facets.
  ClearField();
  platform::Image frame = Frame();
  const float places[][2] = {{-30, -25}, {20, -25}, {-25, 25}, {25, 25}};
  Mesh* meshes[] = {game.shipMesh, game.enemyMeshes[0], game.bulletMeshes[0], game.bulletMeshes[1]};
  game.graphicsDevice->device->state.viewport = {0, 0, kField, kField, 0.0f, 1.0f};
  for (int i = 0; i < 4; ++i)
    meshes[i]->Draw(places[i][0], -200, -places[i][1], 8, 8, 8, i == 0 ? 0.05f : 0, i == 0 ? 0 : 0.05f,
                    i == 0 ? -0.04f : 0, 15, 1, false);
  platform::Image closeUp;
  game.graphicsDevice->device->ReadBackBuffer(closeUp);
  SaveScreenshot("meshes", closeUp);
}

class ShippedStage : public ShooterGame {
 protected:
  void SetUp() override {
    game.script = std::make_unique<CScript>(game, *platform::GamePath(kGameFolder + "/script.txt"));
    game.script->Reset();
  }
};

TEST_F(ShippedStage, StartsTheMusicUsesEveryKindFadesOutAndEnds) {
  const auto& commands = game.script->commands;
  ASSERT_FALSE(commands.empty()) << "script.txt is read";
  std::set<EnemyFactory> kinds;
  long waitFrames = 0;
  int firstPlay = -1, firstEnemy = -1, fadeOut = -1, gameOver = -1;
  for (int i = 0; i < int(commands.size()); ++i) {
    CCommand* c = commands[size_t(i)].get();
    if (auto* enemy = dynamic_cast<CEnemyCommand*>(c)) {
      kinds.insert(enemy->factory);
      EXPECT_LE(std::abs(enemy->x), 46.0f) << "command " << i << " places its enemy on the field";
      if (firstEnemy < 0) firstEnemy = i;
    } else if (auto* wait = dynamic_cast<CWaitCommand*>(c)) {
      EXPECT_GE(wait->frames, 0) << "command " << i << ": a negative wait would halt the stage";
      waitFrames += wait->frames;
    } else if (auto* play = dynamic_cast<CPlayCommand*>(c)) {
      EXPECT_EQ(play->track, 0) << "the one track";
      if (firstPlay < 0) firstPlay = i;
    } else if (dynamic_cast<CFadeOutCommand*>(c)) {
      if (fadeOut < 0) fadeOut = i;
    } else if (dynamic_cast<CGameOverCommand*>(c)) {
      if (gameOver < 0) gameOver = i;
    }
  }
  EXPECT_EQ(kinds.size(), size_t(kEnemyKinds)) << "all six kinds appear";
  EXPECT_GE(firstPlay, 0);
  EXPECT_LT(firstPlay, firstEnemy) << "the music starts before the first enemy";
  EXPECT_GE(fadeOut, 0);
  EXPECT_LT(fadeOut, gameOver) << "the music fades before the game ends";
  EXPECT_EQ(gameOver, int(commands.size()) - 1) << "the game ends with the stage";
  EXPECT_GE(waitFrames, 9000) << "at least two and a half minutes at 60 frames a second";
}

TEST_F(ShippedStage, NeverRunsOutOfEnemyOrBulletSlotsInEitherMode) {
  // Enemies that climb out at the top stay in their list until the game ends, and hard mode
  // fires the most: a stage that filled either list would silently lose enemies or bullets.
  game.currentShip = CreateTask<CNormalMyShip>(game.shipList, 0.0f, 40.0f);  // aimed at, never hit
  for (bool hard : {false, true}) {
    game.enemyList.Clear();
    game.bulletList.Clear();
    game.sceneList.Clear();
    game.returnToTitle = false;
    game.script->Reset();
    int mostEnemies = 0, mostBullets = 0, frames = 0;
    while (!game.returnToTitle && frames < 20000) {
      game.hardMode = hard;  // the game-over scene clears it
      game.script->Step();
      game.bulletList.MoveAll();
      game.enemyList.MoveAll();
      game.sceneList.MoveAll();
      mostEnemies = std::max(mostEnemies, Count(game.enemyList));
      mostBullets = std::max(mostBullets, Count(game.bulletList));
      ++frames;
    }
    const char* mode = hard ? "hard mode" : "normal mode";
    EXPECT_TRUE(game.returnToTitle) << "the stage ends by itself in " << mode;
    EXPECT_LT(mostEnemies, CPelbrix::kEnemySlots) << mode;
    EXPECT_LT(mostBullets, CPelbrix::kBulletSlots) << mode;
    std::printf("stage, %s: %d frames; at most %d enemies and %d bullets at once\n", mode, frames, mostEnemies,
                mostBullets);
  }
}

}  // namespace

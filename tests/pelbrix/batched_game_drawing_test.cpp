// The shooter draws its bullets and enemies in batches: the picture, and the score, are exactly
// those of drawing every bullet and enemy one by one in list order.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "platform/game_path.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "platform/image.h"
#include "tests/support/args.h"
#include "tests/support/environment.h"
#include "tests/support/offscreen.h"

namespace {

// A flat diamond facing the camera, in two materials or in one.
std::string Diamond(bool twoMaterials, float length) {
  std::string l = std::to_string(length);
  return std::string("xof 0303txt 0032\n") +
         (twoMaterials ? "Material Warm { 1.0;0.3;0.2;0.9;; 0.0; 0.0;0.0;0.0;; 0.2;0.0;0.0;; }\n" : "") +
         "Material Cold { 0.2;0.4;1.0;0.7;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.2;; }\n"
         "Mesh Diamond {\n"
         " 4; 0.0;0.0;" + l + ";, 1.0;0.0;0.0;, 0.0;0.0;-" + l + ";, -1.0;0.0;0.0;;\n"
         " 2; 3;0,1,2;, 3;2,3,0;;\n"
         " MeshNormals { 1; 0.0;1.0;0.0;; 2; 3;0,0,0;, 3;0,0,0;; }\n" +
         (twoMaterials ? " MeshMaterialList { 2; 2; 0, 1;; {Warm} {Cold} }\n"
                       : " MeshMaterialList { 1; 2; 0, 0;; {Cold} }\n") +
         "}\n";
}

class BatchedGameDrawing : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions o;
    o.drawing = platform::HeadlessDrawing::OffscreenGl;
    o.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
    return o;
  }
  BatchedGameDrawing() : game(host, 1, testing_support::Args({}).argv()) {}

  std::unique_ptr<Mesh> MeshOf(const std::string& name, const std::string& text) {
    testing_support::WriteFile(work.File(name), text);
    return std::make_unique<Mesh>(game.graphicsDevice->device.get(), *platform::GamePath(work.File(name)));
  }
  platform::Image Picture() {
    platform::Image image;
    game.graphicsDevice->device->ReadBackBuffer(image);
    return image;
  }
  void ClearField() {
    game.graphicsDevice->device->state.viewport = {0, 0, 600, 600, 0, 1};
    game.graphicsDevice->ClearTarget(0);
  }

  testing_support::TempWorkingFolder work;
  platform::HeadlessHost host{Options()};
  CPelbrix game;
};

TEST_F(BatchedGameDrawing, BulletsAndEnemiesLookAndScoreAsWhenDrawnOneByOne) {
  ASSERT_NE(game.graphicsDevice, nullptr);
  auto twoMaterials = MeshOf("bullet.x", Diamond(true, 1.5f));
  auto oneMaterial = MeshOf("bullet2.x", Diamond(false, 1.2f));
  auto crystal = MeshOf("magic.x", Diamond(false, 4));
  ASSERT_EQ(twoMaterials->materialCount, 2u);
  ASSERT_EQ(oneMaterial->materialCount, 1u);
  game.bulletMeshes[0] = twoMaterials.get();
  game.bulletMeshes[1] = oneMaterial.get();
  for (Mesh*& mesh : game.enemyMeshes) mesh = crystal.get();
  game.OnResetDevice();
  game.StartGame();
  // Overlapping bullets in runs of each look and alone, and enemies under them.
  for (int i = 0; i < 300; ++i) {
    int look = (i / 7) % 3 == 2 ? 0 : 1;
    auto* bullet = CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, look, float(i % 25) * 3.7f - 45,
                                          float(i / 25) * 6.1f - 40, float(i) * 0.013f, 0.0f, 0.0f);
    bullet->orientation = float(i) * 0.07f;
  }
  for (int i = 0; i < 12; ++i) kEnemyFactories[i % 6](game.enemyList, float(i) * 8 - 44);
  for (CMover* e = game.enemyList.first(); e; e = game.enemyList.following(e)) e->y = e->x * 0.5f;

  ClearField();
  game.bulletList.DrawAll();
  game.enemyList.DrawAll();
  platform::Image oneByOne = Picture();
  const std::string scoredOneByOne = game.scores.score.digits();

  game.scores.score.Set(0);
  ClearField();
  MeshBatch batch(2000);
  DrawBullets(game.bulletList, batch);
  DrawEnemies(game.enemyList, batch);
  platform::Image batched = Picture();

  int covered = 0, different = 0, first = -1;
  for (size_t p = 0; p < oneByOne.pixels.size(); ++p) {
    covered += (oneByOne.pixels[p] & 0xFFFFFF) != 0;
    if (oneByOne.pixels[p] != batched.pixels[p]) {
      ++different;
      if (first < 0) first = int(p);
    }
  }
  ASSERT_GT(covered, 20000) << "the bullets and enemies cover the field";
  EXPECT_EQ(different, 0) << "first at (" << first % 800 << ", " << first / 800 << ")";
  EXPECT_EQ(game.scores.score.digits(), scoredOneByOne) << "every drawn bullet scored";
  EXPECT_EQ(scoredOneByOne, "000000015000") << "300 bullets at rate 50";
  // For a person to look at, beside the other screenshots of the build.
  const std::string folder = std::string(GAMES_LAYOUT_DIR) + "/../screenshots";
  testing_support::MakeFolder(folder);
  platform::SavePng(folder + "/pelbrix-batched-bullets.png", batched);
}

TEST(BatchedGameDrawingCalls, RunsOfOneMaterialMeshesAreOneDrawEach) {
  testing_support::TempWorkingFolder work;
  platform::HeadlessOptions o;
  o.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
  platform::HeadlessHost host(o);
  CPelbrix game(host, 1, testing_support::Args({}).argv());
  testing_support::WriteFile(work.File("a.x"), Diamond(true, 1));
  testing_support::WriteFile(work.File("b.x"), Diamond(false, 1));
  Mesh two(game.graphicsDevice->device.get(), *platform::GamePath(work.File("a.x")));
  Mesh one(game.graphicsDevice->device.get(), *platform::GamePath(work.File("b.x")));
  game.bulletMeshes[0] = &two;
  game.bulletMeshes[1] = &one;
  for (int look : {1, 1, 1, 0, 1, 1, 0, 0, 1})
    CreateTask<CBullet>(game.bulletList, game.bulletMeshes, look, 0.0f, 0.0f);
  MeshBatch batch(2000);
  DrawBullets(game.bulletList, batch);
  const auto& counts = static_cast<platform::RecordingRenderDevice&>(*game.graphicsDevice->device).counts();
  EXPECT_EQ(counts.instancedCalls, 3) << "1 1 1 | 1 1 | 1";
  EXPECT_EQ(counts.meshInstances, 6);
  EXPECT_EQ(counts.meshSubsets, 6) << "the three two-material bullets, each whole in turn";
}

TEST(BatchedGameDrawingCalls, TheShippedBulletsAndCrystalDrawARunInOneCall) {
  testing_support::TempWorkingFolder work;
  platform::HeadlessOptions o;
  o.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
  platform::HeadlessHost host(o);
  CPelbrix game(host, 1, testing_support::Args({}).argv());
  // Runs of each bullet, as a volley leaves them in the list.
  for (int look : {0, 0, 0, 1, 1, 0, 1, 1, 1, 1})
    CreateTask<CBullet>(game.bulletList, game.bulletMeshes, look, 0.0f, 0.0f);
  MeshBatch batch(2000);
  DrawBullets(game.bulletList, batch);
  const auto& counts = static_cast<platform::RecordingRenderDevice&>(*game.graphicsDevice->device).counts();
  EXPECT_EQ(counts.instancedCalls, 4) << "0 0 0 | 1 1 | 0 | 1 1 1 1: a run of a shipped bullet is one draw";
  EXPECT_EQ(counts.meshSubsets, 0) << "no bullet is drawn material by material";
  EXPECT_EQ(game.enemyMeshes[0]->materialCount, 1u) << "the crystal enemies batch as well";
}

}  // namespace

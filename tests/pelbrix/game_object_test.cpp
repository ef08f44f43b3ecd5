// The game object: what it loads and keeps, the fixed orders of its frame, the score panel,
// the device state, the music and the high-score file.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "tests/support/args.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::DrawRecord;
using platform::HeadlessHost;
using platform::HeadlessOptions;
using testing_support::Args;

HeadlessOptions WithTheBuiltContent(double trackSeconds = 120) {
  HeadlessOptions o;
  o.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
  o.trackSeconds = trackSeconds;
  return o;
}

class GameObject : public ::testing::Test {
 protected:
  platform::RecordingRenderDevice& recorder(CPelbrix& game) {
    return static_cast<platform::RecordingRenderDevice&>(*game.graphicsDevice->device);
  }
  testing_support::TempWorkingFolder work;
};

TEST_F(GameObject, DrawsTheFieldThenTheScorePanel) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  ASSERT_TRUE(game.started());
  game.frameSkip = false;  // as the program runs
  game.scores.score.Set(1500);
  game.Draw();
  const std::vector<DrawRecord>& calls = recorder(game).pending();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0].kind, DrawRecord::Kind::Clear);
  EXPECT_EQ(calls[0].clearColor, 0x00000000u);
  EXPECT_EQ(calls[0].state.viewport.width, 600) << "the square field on the left";
  EXPECT_EQ(calls[0].state.viewport.height, 600);
  EXPECT_EQ(calls[1].kind, DrawRecord::Kind::Clear);
  EXPECT_EQ(calls[1].clearColor, 0xFF000078u) << "the dark blue panel";
  EXPECT_EQ(calls[1].state.viewport.x, 600);
  EXPECT_EQ(calls[1].state.viewport.width, 200);
  // "SCORE" with its shadow, the shadow first, two pixels down and right; a quad a letter.
  ASSERT_EQ(calls[2].kind, DrawRecord::Kind::Screen);
  EXPECT_FLOAT_EQ(calls[2].vertices[0].x, 602);
  EXPECT_FLOAT_EQ(calls[2].vertices[0].y, 2);
  EXPECT_EQ(calls[2].vertices[0].color, 0x80000000u);
  EXPECT_FLOAT_EQ(calls[7].vertices[0].x, 600);
  EXPECT_EQ(calls[7].vertices[0].color, 0xFFFFFFFFu);
  // The score's twelve digits at y 32, "1ST SCORE" twice at y 80 (its space has no quad), the
  // best score at y 116, then the emblem, centred in the panel with equal side and bottom
  // margins.
  EXPECT_FLOAT_EQ(calls[12].vertices[0].y, 32);
  EXPECT_FLOAT_EQ(calls[24].vertices[0].y, 82);
  EXPECT_FLOAT_EQ(calls[40].vertices[0].y, 116);
  ASSERT_EQ(calls.size(), 53u) << "nothing after the emblem unless frames are dropped";
  const int w = game.logosImage->imageWidth, h = game.logosImage->imageHeight, margin = (200 - w) / 2;
  EXPECT_FLOAT_EQ(calls[52].vertices[0].x, 600 + margin);
  EXPECT_FLOAT_EQ(calls[52].vertices[0].y, 600 - h - margin);
}

TEST_F(GameObject, DroppedFramesAreNamedInThePanel) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  game.frameSkip = true;
  game.Draw();
  const std::vector<DrawRecord>& calls = recorder(game).pending();
  ASSERT_EQ(calls.size(), 53u + 20u) << "DROP FRAMES with its shadow";
  EXPECT_FLOAT_EQ(calls.back().vertices[0].y, 560);
}

TEST_F(GameObject, ResetSetsTheFixedDeviceState) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  game.OnResetDevice();
  const platform::RenderState& s = game.graphicsDevice->device->state;
  EXPECT_TRUE(s.blendEnabled);
  EXPECT_EQ(s.srcBlend, platform::BlendFactor::SrcAlpha);
  EXPECT_EQ(s.destBlend, platform::BlendFactor::InvSrcAlpha);
  EXPECT_TRUE(s.alphaTestEnabled);
  EXPECT_EQ(s.alphaFunc, platform::CompareFunc::GreaterEqual);
  EXPECT_EQ(s.alphaRef, 1);
  EXPECT_EQ(s.cull, platform::CullMode::CounterClockwise);
  EXPECT_TRUE(s.lighting && s.lightEnabled && s.depthTest);
  EXPECT_EQ(s.ambient, 0x006F6F6Fu);
  EXPECT_NEAR(s.light.direction.x, -0.57735f, 1e-5f);
  // The camera looks down on the field: world (x, depth, -y) is field (x, y), +y downwards,
  // the field's 100 units filling the view.
  platform::Vector3 corner = platform::TransformCoord(
      platform::TransformCoord({50, -100, -50}, s.view), s.projection);
  EXPECT_NEAR(corner.x, 1, 1e-5f);
  EXPECT_NEAR(corner.y, -1, 1e-5f) << "field y = 50 is the bottom of the view";
}

TEST_F(GameObject, TheHighScoreIsReadAtStartAndWrittenAtExit) {
  testing_support::WriteFile(work.File("Pelbrix.ini"), "HighScore=123\r\n");
  {
    HeadlessHost host(WithTheBuiltContent());
    CPelbrix game(host, 1, Args({}).argv());
    EXPECT_EQ(game.scores.highScore.digits(), "123000000000");
    EXPECT_EQ(game.scores.scoreRate, 0) << "no game has started";
  }
  EXPECT_EQ(testing_support::ReadFile(work.File("Pelbrix.ini")), "HighScore=123000000000\r\n");
}

TEST_F(GameObject, PlayMusicPlaysTheOneTrackAndIgnoresAnyOtherIndex) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  game.PlayMusic(1);
  game.PlayMusic(-1);
  EXPECT_TRUE(host.headlessAudio().Calls("OpenMusic").empty()) << "no track beyond the table";
  game.PlayMusic(0);
  auto opened = host.headlessAudio().Calls("OpenMusic");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].path.find("/Files/Quillet Remix.mp3"), std::string::npos) << opened[0].path;
  EXPECT_TRUE(host.headlessAudio().musicPlaying());
  EXPECT_FLOAT_EQ(host.headlessAudio().musicVolume(), 1.0f);
  game.SetMusicVolume(0.5f);
  EXPECT_NEAR(game.music.volume(), 0.5f, 1e-6f);
}

TEST_F(GameObject, MusicThatHasEndedStartsAgainOnTheNextMove) {
  HeadlessHost host(WithTheBuiltContent(/*trackSeconds=*/2));
  CPelbrix game(host, 1, Args({}).argv());
  game.PlayMusic(0);
  host.virtualClock().Advance(3000000);
  EXPECT_EQ(host.headlessAudio().musicPosition(), 2) << "played to its end";
  EXPECT_FALSE(host.headlessAudio().musicPlaying());
  game.Move();
  EXPECT_TRUE(host.headlessAudio().musicPlaying());
  EXPECT_NEAR(host.headlessAudio().musicPosition(), 0, 1e-3);
}

TEST_F(GameObject, ReturningToTheTitleEmptiesEveryListStopsTheMusicAndShowsTheTitle) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  game.PlayMusic(0);
  for (CTaskList* list : {&game.shipList, &game.bulletList, &game.effectList, &game.sceneList, &game.enemyList})
    ASSERT_NE(CreateTask<CMover>(*list), nullptr);
  game.returnToTitle = true;
  game.Move();
  for (CTaskList* list : {&game.shipList, &game.bulletList, &game.effectList, &game.enemyList})
    EXPECT_EQ(list->freeCount(), list->capacity());
  ASSERT_NE(game.sceneList.first(), nullptr);
  EXPECT_NE(dynamic_cast<CTitle*>(game.sceneList.first()), nullptr) << "a new title";
  EXPECT_EQ(game.sceneList.following(game.sceneList.first()), nullptr);
  EXPECT_FALSE(game.returnToTitle);
  EXPECT_FALSE(host.headlessAudio().musicPlaying());
}

TEST_F(GameObject, StartsWithItsListsAtTheirCapacitiesAndTheCursorHidden) {
  HeadlessHost host(WithTheBuiltContent());
  CPelbrix game(host, 1, Args({}).argv());
  EXPECT_EQ(game.shipList.capacity(), 2);
  EXPECT_EQ(game.bulletList.capacity(), 2000);
  EXPECT_EQ(game.effectList.capacity(), 2000);
  EXPECT_EQ(game.sceneList.capacity(), 10);
  EXPECT_EQ(game.enemyList.capacity(), 500);
  EXPECT_FALSE(host.newestWindow()->cursorVisible());
  EXPECT_FALSE(game.confirmExit);
  game.StartGame();
  EXPECT_EQ(game.scores.scoreRate, 50);
}

}  // namespace

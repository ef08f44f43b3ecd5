// The stage script: tokens, comments, numbers, waits and the commands' effects.
#include <gtest/gtest.h>

#include "tests/pelbrix/game_fixture.h"

namespace {

class Script : public ShooterGame {
 protected:
  CScript& Load(const std::vector<std::string>& lines) {
    game.script->commands.clear();
    game.script->Parse(lines);
    game.script->Reset();
    return *game.script;
  }
};

TEST_F(Script, TokensAreCutAtSingleSpacesAndNumbersReadFromTheirStart) {
  CScript& s = Load({"enemy EneA 12.5", "enemy EneA  12.5", "enemy EneG 3", "enemy EneF 7.5x",
                     "wait 1e3", " wait 5", "Wait 5", "wait\t5"});
  // EneG, a line starting with a space, a keyword in another case and one joined to its
  // number by a tab make nothing.
  ASSERT_EQ(s.commands.size(), 4u);
  EXPECT_FLOAT_EQ(static_cast<CEnemyCommand&>(*s.commands[0]).x, 12.5f);
  EXPECT_FLOAT_EQ(static_cast<CEnemyCommand&>(*s.commands[1]).x, 0) << "two spaces: token 2 is empty";
  EXPECT_FLOAT_EQ(static_cast<CEnemyCommand&>(*s.commands[2]).x, 7.5f);
  EXPECT_EQ(static_cast<CWaitCommand&>(*s.commands[3]).frames, 1) << "1e3 read as an integer";
}

TEST_F(Script, LinesBetweenCommentMarkersMakeNothing) {
  CScript& s = Load({"/* a comment", "gameover", "enemy EneA 0", "*/ and the rest", "*/", "play 0"});
  ASSERT_EQ(s.commands.size(), 1u);
  EXPECT_NE(dynamic_cast<CPlayCommand*>(s.commands[0].get()), nullptr);
}

TEST_F(Script, CommandsBetweenWaitsRunInOneFrameAndAWaitDelaysTheNextByItsFrames) {
  Load({"enemy EneA 1", "enemy EneA 2", "enemy EneA 3", "wait 30", "enemy EneB 0", "wait 0",
        "enemy EneC 0"});
  game.script->Step();
  EXPECT_EQ(Count(game.enemyList), 3) << "three in the first frame, in file order";
  EXPECT_EQ(game.enemyList.first()->x, 1);
  for (int frame = 1; frame < 30; ++frame) game.script->Step();
  EXPECT_EQ(Count(game.enemyList), 3);
  game.script->Step();
  EXPECT_EQ(Count(game.enemyList), 5) << "30 frames after the wait; a wait of 0 delays nothing";
}

TEST_F(Script, ANegativeWaitStopsTheScriptForGood) {
  Load({"wait -1", "enemy EneA 0"});
  for (int i = 0; i < 100; ++i) game.script->Step();
  EXPECT_EQ(Count(game.enemyList), 0);
}

TEST_F(Script, PlayFadeOutAndGameOverReachTheGame) {
  Load({"play 1", "play 0", "fadeout 120", "gameover"});
  game.script->Step();
  EXPECT_EQ(host.headlessAudio().Calls("OpenMusic").size(), 1u) << "play 1 changes nothing";
  EXPECT_EQ(Count(game.sceneList), 2) << "the volume changer and the game over";
}

TEST_F(Script, TheShippedStageIsReadFromTheWorkingFolder) {
  testing_support::WriteFile(work.File("script.txt"), "play 0\r\nwait 60\r\nenemy EneA 0\r\ngameover\r\n");
  CScript script(game, "script.txt");
  EXPECT_EQ(script.commands.size(), 4u);
  testing_support::MakeFolder(work.File("folder.txt"));
  EXPECT_TRUE(CScript(game, "folder.txt").commands.empty()) << "a folder gives an empty script";
}

}  // namespace

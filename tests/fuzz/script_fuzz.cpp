// libFuzzer target: any bytes as the shooter's "script.txt", parsed and then played for a few
// hundred frames by the game on the headless backend (enemies, bullets, music, fades, game over).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "pelbrix/game/pelbrix.h"
#include "pelbrix/key_value_file.h"
#include "platform/headless/headless_host.h"

namespace {

struct Game {
  Game() {
    platform::HeadlessOptions options;
    options.drawing = platform::HeadlessDrawing::CountingOnly;
    options.recordAudioCalls = false;
    host = std::make_unique<platform::HeadlessHost>(options);
    const char* argv[] = {"Pelbrix"};
    game = std::make_unique<CPelbrix>(*host, 1, argv);
  }
  std::unique_ptr<platform::HeadlessHost> host;
  std::unique_ptr<CPelbrix> game;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Game* g = new Game;  // one game for every input, as the program has one
  CPelbrix& game = *g->game;
  KeyValueFile file;
  file.Read(std::string_view(reinterpret_cast<const char*>(data), size));
  game.script->commands.clear();
  game.script->Parse(file.lines);
  game.StartGame();
  CreateTask<CStage>(game.sceneList);
  for (int frame = 0; frame < 300; ++frame) {
    game.Move();
    game.Draw();
    if (game.script->position > int(game.script->commands.size())) std::abort();
  }
  game.returnToTitle = true;
  game.Move();
  game.sceneList.Clear();
  return 0;
}

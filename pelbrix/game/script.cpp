#include "pelbrix/game/script.h"

#include <locale>
#include <sstream>

#include "pelbrix/game/pelbrix.h"
#include "pelbrix/game/scenes.h"
#include "pelbrix/key_value_file.h"

namespace {

// A number read from the start of a token as formatted stream input reads it: blanks skipped,
// up to the first character that cannot go on; 0 when the token starts with no number.
template <typename Number>
Number NumberOf(const std::string& token) {
  std::istringstream in(token);
  in.imbue(std::locale::classic());
  Number value{};
  in >> value;
  return value;
}

}  // namespace

void CEnemyCommand::Execute() { factory(game_.enemyList, x); }
void CWaitCommand::Execute() { script->waitFrames = frames; }
void CPlayCommand::Execute() { game_.PlayMusic(track); }
void CFadeOutCommand::Execute() { CreateTask<CVolumeChanger>(game_.sceneList, frames, 1.0f, 0.0f); }
void CGameOverCommand::Execute() { CreateTask<CGameOver>(game_.sceneList); }

CScript::CScript(CPelbrix& game, const std::string& path) : game_(game) {
  KeyValueFile file;  // a missing or unreadable file gives a script without commands
  file.Load(path);
  Parse(file.lines);
}

void CScript::Parse(const std::vector<std::string>& lines) {
  bool inComment = false;
  for (const std::string& line : lines) {
    const std::string keyword = FieldOf(line, 0, " ");
    if (inComment) {
      inComment = keyword != "*/";
      continue;
    }
    if (keyword == "/*") {
      inComment = true;
      continue;
    }
    const std::string first = FieldOf(line, 1, " "), second = FieldOf(line, 2, " ");
    if (keyword == "enemy") {
      for (int kind = 0; kind < kEnemyKinds; ++kind)
        if (first == kEnemyNames[kind])
          commands.push_back(std::make_unique<CEnemyCommand>(game_, kEnemyFactories[kind], NumberOf<float>(second)));
    } else if (keyword == "wait") {
      commands.push_back(std::make_unique<CWaitCommand>(this, NumberOf<int>(first)));
    } else if (keyword == "play") {
      commands.push_back(std::make_unique<CPlayCommand>(game_, NumberOf<int>(first)));
    } else if (keyword == "fadeout") {
      commands.push_back(std::make_unique<CFadeOutCommand>(game_, NumberOf<int>(first)));
    } else if (keyword == "gameover") {
      commands.push_back(std::make_unique<CGameOverCommand>(game_));
    }
  }
}

void CScript::Reset() {
  position = 0;
  waitFrames = 0;
}

void CScript::Step() {
  // KEEP: a negative wait is never counted down: the script stops there for good.
  if (waitFrames > 0) --waitFrames;
  while (position < int(commands.size()) && waitFrames == 0) {
    commands[size_t(position)]->Execute();
    ++position;
  }
}

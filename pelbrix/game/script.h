#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pelbrix/game/enemies.h"

class CPelbrix;
class CScript;

// One command of the stage script.
class CCommand {
 public:
  virtual ~CCommand() = default;
  virtual void Execute() = 0;
};

class CEnemyCommand : public CCommand {
 public:
  CEnemyCommand(CPelbrix& game, EnemyFactory factory, float x) : game_(game), factory(factory), x(x) {}
  void Execute() override;  // an enemy of the kind at (x, -54)

 private:
  CPelbrix& game_;

 public:
  EnemyFactory factory;
  float x;
};

class CWaitCommand : public CCommand {
 public:
  CWaitCommand(CScript* script, int frames) : script(script), frames(frames) {}
  void Execute() override;  // the script waits that many frames

  CScript* script;
  int frames;
};

class CPlayCommand : public CCommand {
 public:
  CPlayCommand(CPelbrix& game, int track) : game_(game), track(track) {}
  void Execute() override;

 private:
  CPelbrix& game_;

 public:
  int track;
};

class CFadeOutCommand : public CCommand {
 public:
  CFadeOutCommand(CPelbrix& game, int frames) : game_(game), frames(frames) {}
  void Execute() override;  // the music from full volume to silence over that many frames

 private:
  CPelbrix& game_;

 public:
  int frames;
};

class CGameOverCommand : public CCommand {
 public:
  explicit CGameOverCommand(CPelbrix& game) : game_(game) {}
  void Execute() override;  // the game-over scene

 private:
  CPelbrix& game_;
};

// The stage: "script.txt", one command a line, read once at start-up and run one step a frame.
//   enemy KIND X   an enemy (EneA ... EneF) at (X, -54)     play N     the music track N
//   wait N         the next command N frames later          fadeout N  the music down over N frames
//   gameover       the game-over scene                      /* ... */  lines left out
// Lines are cut into three tokens at single spaces; numbers are read from the start of their
// token, as stream input reads them (no number: 0). Anything else is skipped.
class CScript {
 public:
  CScript(CPelbrix& game, const std::string& path);  // path: a game path
  // Parses the lines of a script (for tests and the file's contents).
  void Parse(const std::vector<std::string>& lines);

  // From the first command, with no wait: every stage plays the script from its start.
  void Reset();
  // Once a frame: the wait counts down first, then every command that is due runs, in order.
  void Step();

  std::vector<std::unique_ptr<CCommand>> commands;
  int position = 0;
  int waitFrames = 0;

 private:
  CPelbrix& game_;
};

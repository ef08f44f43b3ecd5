#pragma once
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/input.h"
#include "platform/window.h"

namespace platform {

// Everything a game gets from the machine it runs on. The real backend (sdl) and the headless
// backend used by the tests both implement it; a game is handed one and never asks which.
class Host {
 public:
  virtual ~Host() = default;

  virtual Clock& clock() = 0;
  virtual Input& input() = 0;
  virtual Dialogs& dialogs() = 0;
  virtual Audio& audio() = 0;

  // A new, visible window; null when the window system refuses it.
  virtual std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) = 0;

  // The program file's full path as a host path (UTF-8, '/' separated).
  virtual std::string programFilePath() = 0;
  // Opens a document with the desktop's default program; false when nothing could open it.
  virtual bool OpenDocument(const std::string& hostPath) = 0;
};

}  // namespace platform

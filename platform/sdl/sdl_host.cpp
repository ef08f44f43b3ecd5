#include "platform/sdl/sdl_host.h"

#include <SDL.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <langinfo.h>
#include <string>
#include <ctime>
#include <vector>

#include "platform/sdl/browser_dialog.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_event_hub.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_window.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

class SdlClock : public Clock {
 public:
  bool Counter(uint64_t& counts) override {
    counts = SDL_GetPerformanceCounter();
    return true;
  }
  bool CounterFrequency(uint64_t& countsPerSecond) override {
    countsPerSecond = SDL_GetPerformanceFrequency();
    return countsPerSecond != 0;
  }
  uint32_t Ticks() override { return SDL_GetTicks(); }
  int64_t SecondsSinceEpoch() override { return int64_t(std::time(nullptr)); }
  void Sleep(uint32_t milliseconds) override { SDL_Delay(milliseconds); }
};

// X11 draws a message box's text with the fonts of the program's character set, which is plain
// ASCII until a program sets a locale; for the box's time the character set is UTF-8.
class Utf8Locale {
 public:
  Utf8Locale() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    saved_ = current ? current : "C";
    if (!std::setlocale(LC_CTYPE, "") || std::string(nl_langinfo(CODESET)) != "UTF-8")
      std::setlocale(LC_CTYPE, "C.UTF-8");
  }
  ~Utf8Locale() { std::setlocale(LC_CTYPE, saved_.c_str()); }

 private:
  std::string saved_;
};

class SdlDialogs : public Dialogs {
  // SDL has no question icon; the information icon stands in for it.
  static Uint32 FlagsOf(MessageKind kind) {
    switch (kind) {
      case MessageKind::Information:
      case MessageKind::Question: return SDL_MESSAGEBOX_INFORMATION;
      case MessageKind::Warning: return SDL_MESSAGEBOX_WARNING;
      case MessageKind::Error: return SDL_MESSAGEBOX_ERROR;
      case MessageKind::Plain: break;
    }
    return 0;
  }

 public:
  MessageResult ShowMessage(const Window* owner, const std::string& textCp932,
                            const std::string& captionCp932, MessageButtons buttons,
                            MessageKind kind) override {
    std::string text = Utf8FromCp932(textCp932), caption = Utf8FromCp932(captionCp932);
#ifdef __EMSCRIPTEN__
    // A page has the browser's dialogs; what was given to the page meanwhile stays its own.
    (void)owner;
    (void)kind;
    return ShowBrowserMessage(text, caption, buttons);
#endif
    std::vector<SDL_MessageBoxButtonData> data;
    auto add = [&data](MessageResult result, const char* label, Uint32 flags) {
      data.push_back({flags, int(result), label});
    };
    const Uint32 enter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    const Uint32 escape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    switch (buttons) {
      case MessageButtons::Ok: add(MessageResult::Ok, "OK", enter | escape); break;
      case MessageButtons::OkCancel:
        add(MessageResult::Ok, "OK", enter);
        add(MessageResult::Cancel, "キャンセル", escape);
        break;
      case MessageButtons::YesNo:
        add(MessageResult::Yes, "はい", enter);
        add(MessageResult::No, "いいえ", escape);
        break;
    }
    // With its owner as parent the window manager keeps the box over it, in fullscreen too.
    SDL_MessageBoxData box{FlagsOf(kind), SdlWindowOf(owner), caption.c_str(), text.c_str(),
                           int(data.size()), data.data(), nullptr};
    int pressed = -1;
    int shown;
    TheEventHub().Pump();  // what came before the box reaches the program as usual
    {
      Utf8Locale locale;
      // The box blocks the program until answered, as the games expect.
      shown = SDL_ShowMessageBox(&box, &pressed);
    }
    if (owner) DropInputGivenDuringBox(owner);
    if (shown != 0) {
      std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
      return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
    }
    if (pressed < 0) return buttons == MessageButtons::Ok ? MessageResult::Ok
                          : buttons == MessageButtons::OkCancel ? MessageResult::Cancel
                                                                : MessageResult::No;
    return MessageResult(pressed);
  }
};

class SdlHost : public Host {
 public:
  SdlHost() {
    // Joysticks report their state whether or not the window has the keyboard; the reads
    // themselves check the foreground.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
#ifdef __EMSCRIPTEN__
    // A page starts in the root of its files: the game's folder is where the page says.
    if (const char* home = std::getenv("GAMES_HOME")) {
      if (chdir(home) != 0) std::fprintf(stderr, "no folder %s\n", home);
    }
#endif
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
    input_ = CreateSdlInput();
    audio_ = CreateSdlAudio();
  }
  ~SdlHost() override {
    audio_.reset();
    input_.reset();
    SDL_Quit();
  }

  Clock& clock() override { return clock_; }
  Input& input() override { return *input_; }
  Dialogs& dialogs() override { return dialogs_; }
  Audio& audio() override { return *audio_; }
  std::unique_ptr<Window> CreateWindow(const WindowDesc& desc) override {
    return CreateSdlWindow(desc);
  }

  std::string programFilePath() override {
#ifdef __EMSCRIPTEN__
    if (const char* program = std::getenv("GAMES_PROGRAM")) return program;
#endif
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), size_t(n)) : std::string();
  }

  bool OpenDocument(const std::string& hostPath) override {
    return SDL_OpenURL(("file://" + hostPath).c_str()) == 0;
  }

 private:
  SdlClock clock_;
  SdlDialogs dialogs_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Audio> audio_;
};

}  // namespace

std::unique_ptr<Host> CreateSdlHost() { return std::make_unique<SdlHost>(); }

}  // namespace platform

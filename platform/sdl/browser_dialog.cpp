#include "platform/sdl/browser_dialog.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// clang-format off
EM_JS(int, games_show_dialog, (const char* text, int ask), {
  const message = UTF8ToString(text);
  if (!ask) { window.alert(message); return 1; }
  return window.confirm(message) ? 1 : 0;
});
// clang-format on
#endif

namespace platform {

MessageResult ShowBrowserMessage(const std::string& textUtf8, const std::string& captionUtf8,
                                 MessageButtons buttons) {
  const bool ask = buttons != MessageButtons::Ok;
#ifdef __EMSCRIPTEN__
  const std::string message = captionUtf8.empty() ? textUtf8 : captionUtf8 + "\n\n" + textUtf8;
  const bool first = games_show_dialog(message.c_str(), ask ? 1 : 0) != 0;
#else
  (void)textUtf8;
  (void)captionUtf8;
  const bool first = true;  // no browser: as a box that cannot be shown, the first button
#endif
  if (!ask) return MessageResult::Ok;
  if (buttons == MessageButtons::YesNo) return first ? MessageResult::Yes : MessageResult::No;
  return first ? MessageResult::Ok : MessageResult::Cancel;
}

}  // namespace platform

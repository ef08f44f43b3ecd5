#include "platform/browser_storage.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// The page mounts the browser's storage at /persist and copies what it holds for the game's
// folder ($GAMES_HOME) into that folder before the game starts (see the page's start-up script).
// clang-format off
EM_JS(void, games_keep_file, (const char* path), {
  const file = FS.lookupPath(UTF8ToString(path)).path;
  const home = ENV.GAMES_HOME;
  if (!home || !file.startsWith(home + '/')) return;
  const stored = '/persist' + file;
  const parts = stored.split('/').slice(1, -1);
  let folder = '';
  for (const part of parts) {
    folder += '/' + part;
    try { FS.mkdir(folder); } catch (e) {}
  }
  FS.writeFile(stored, FS.readFile(file));
  FS.syncfs(false, function (error) { if (error) console.error('games: storage not saved: ' + error); });
});
// clang-format on
#endif

namespace platform {

void KeepWrittenFile(const std::string& hostPath) {
#ifdef __EMSCRIPTEN__
  games_keep_file(hostPath.c_str());
#else
  (void)hostPath;
#endif
}

}  // namespace platform

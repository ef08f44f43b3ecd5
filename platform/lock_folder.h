#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The folder of the single-instance guards' lock files and window records, one per user:
// $GAMES_LOCK_DIR when it is set (tests point it at a folder of their own), otherwise
// $XDG_RUNTIME_DIR/games-locks, otherwise /tmp/games-locks-<uid>. A missing folder is made
// with mode 0700. Nothing when it cannot be made, or when what is there is not a folder of
// this user (a link or another user's folder in /tmp is never trusted). Nothing in a browser's
// page, where each page is the only copy of its program.
std::optional<std::string> LockFolder();

// A file name for a CP932 name: prefix, the name's bytes in hex, suffix, so that no byte of
// the name can reach outside the folder. Empty when the name is empty or too long for a file
// name.
std::string LockFileName(std::string_view prefix, std::string_view nameCp932, std::string_view suffix);

}  // namespace platform

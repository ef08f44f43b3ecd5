#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Games write paths as their Windows programs did: CP932 text with '\\' between folders
// ("..\\Files\\title.png", "img\\pl.png", "image//0.bmp"). This is the one place where such a
// path becomes a path of the host (UTF-8, '/'), and back.

// CP932 to UTF-8 first, then every '\\' to '/'; a 0x5C that is the second byte of a
// double-byte character is part of that character and stays.
std::string HostPath(std::string_view gamePath);

// A host path as a game path: UTF-8 to CP932, '/' to '\\'. Nothing when a folder or file name
// holds a character CP932 cannot express.
std::optional<std::string> GamePath(std::string_view hostPath);

// The folder part of a game path, up to and including its last '\\' (never the second byte of
// a double-byte character); empty when there is none.
std::string GameFolderOf(std::string_view gamePath);

// Whether a file exists at the host path.
bool FileExists(const std::string& hostPath);

// The current working folder as a game path: CP932, '\\' between folders, no '\\' at the end
// (the root alone is "\\"), so a game joins it to a relative path with one '\\'. Nothing when
// it cannot be read (it was removed) or holds a character CP932 cannot express.
std::optional<std::string> CurrentFolderGamePath();

// Makes the folder and any missing folders above it, as the command interpreter's mkdir does.
// True when the folder exists afterwards (an existing folder is no failure); false when it
// cannot be made, e.g. a file stands in the way.
bool MakeFolder(const std::string& hostPath);

}  // namespace platform

#pragma once
#include <string>
#include <string_view>

namespace platform {

// Reading settings files in the Windows private-profile format, as the games' programs read
// them: "[section]" lines and "key=value" lines under them. Section and key names compare
// without regard to ASCII case; blanks around names and values are ignored, and a value in
// matching quotes loses them. Lines that are neither (comments, blank lines) are skipped.
// The file is read anew at every call, so a change made meanwhile is seen.

// The value, or fallback when the file, the section or the key is missing (the fallback's
// trailing blanks dropped). At most bufferSize - 1 characters, as a buffer of bufferSize with
// its terminating zero would hold; nothing with a bufferSize of 0.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, size_t bufferSize,
                              const std::string& hostPath);

// The value as a decimal integer (an optional sign, the digits up to the first other
// character; a value without digits reads 0), or fallback when the key is missing or its
// value is empty. Values beyond the int range are clamped to it.
int ReadProfileInt(std::string_view section, std::string_view key, int fallback,
                   const std::string& hostPath);

// Sets key's value in section, as the Windows profile writer does, and saves the file all or
// nothing (ReplaceFile). The key's line keeps everything but its value; a missing key is added
// after the last non-blank line of its section (the first section of the name, the one the
// reader reads); a missing section is added at the end of the file; a missing file is made.
// Every other byte stays as it was, line ends included; new lines end in CR LF. False, with
// nothing written, when the path exists but cannot be read (a folder, an unreadable file:
// never replace what we could not read), when the file cannot be saved, or when a name or the
// value would break the file's lines (a line end anywhere, ']' in the section, '=' in the key,
// an empty name, a key that starts with '[').
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& hostPath);

}  // namespace platform

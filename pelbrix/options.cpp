#include "pelbrix/options.h"

#include <climits>
#include <cstring>

int ReadOptionInteger(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > 1LL + INT_MAX) value = 1LL + INT_MAX;  // enough to saturate either way
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return int(value);
}

void ParseScreenOptions(int argc, const char* const* argv, ScreenOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    bool hasValue = i + 1 < argc;
    auto is = [arg](const char* name) { return std::strcmp(arg, name) == 0; };
    // At most one of the size options matches an argument; the rest are tested after it.
    if (is("-w")) {
      if (hasValue) o.windowWidth = o.fullscreenWidth = ReadOptionInteger(argv[i + 1]);
    } else if (is("-h")) {
      if (hasValue) o.windowHeight = o.fullscreenHeight = ReadOptionInteger(argv[i + 1]);
    } else if (is("-ww")) {
      if (hasValue) o.windowWidth = ReadOptionInteger(argv[i + 1]);
    } else if (is("-wh")) {
      if (hasValue) o.windowHeight = ReadOptionInteger(argv[i + 1]);
    } else if (is("-fw")) {
      if (hasValue) o.fullscreenWidth = ReadOptionInteger(argv[i + 1]);
    } else if (is("-fh")) {
      if (hasValue) o.fullscreenHeight = ReadOptionInteger(argv[i + 1]);
    }
    if (is("-r") && hasValue) o.fullscreenRefreshRate = ReadOptionInteger(argv[i + 1]);
    if (is("-f")) o.fullscreenRequested = true;
    if (is("-nce")) o.confirmExit = false;
    // KEEP: the value is not skipped, so "-w -f" reads "-f" as the width (0) and then also
    // takes it as the fullscreen option, as the option reader always did.
  }
}

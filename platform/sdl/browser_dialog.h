#pragma once
#include <string>

#include "platform/dialogs.h"

namespace platform {

// A message box in a browser build: the page's own dialogs, which block the page until they
// are answered. OK is an alert; Yes/No and OK/Cancel are a confirm, whose OK means Yes (or OK).
// The caption heads the text, since the browser's dialogs have no caption of their own.
MessageResult ShowBrowserMessage(const std::string& textUtf8, const std::string& captionUtf8,
                                 MessageButtons buttons);

}  // namespace platform

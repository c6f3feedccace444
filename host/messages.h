// messages.h - what sptdc-host says on standard error.
#pragma once

#include <string>

namespace sptdc::host {

// The text with every byte outside printable ASCII written as \xNN, so that
// a message shows what a log holds without sending raw bytes to a terminal.
std::string Printable(const std::string& text);

// "sptdc-host: MESSAGE" on standard error.
void Say(const std::string& message);
// "sptdc-host: warning: MESSAGE" on standard error.
void Warn(const std::string& message);

}  // namespace sptdc::host

// The name of a temporary file beside the file it will replace. Callers
// create it only if it does not exist yet (O_EXCL, CREATE_NEW) and try the
// next attempt when it does, so a file of the operator's is never opened.
#pragma once

#include <string>

namespace sptdc {

// path + ".<process>-<attempt>.tmp": in path's folder, so that a rename can
// put it in place in one step.
std::string TemporaryNameBeside(const std::string& path, unsigned long process, unsigned attempt);

// Attempts before giving up, when every name tried was taken.
constexpr unsigned kTemporaryNameAttempts = 100;

}  // namespace sptdc

// Replacing a file's whole content in one step on POSIX systems, for the
// Cabrillo log and the settings file.
#pragma once

#include <string>

namespace sptdc {

// Writes bytes to a new temporary file beside path and renames it over
// path, so the file is at all times either the old or the new one. A
// replaced file keeps its permission bits; a new one gets 0666 less the
// umask, as a file the C library creates.
//
// False, with path as it was and no temporary file left, when path exists
// but is not a regular file or may not be written: it lacks the owner's
// write permission (the read-only attribute of Windows, which refuses the
// replace there; so also for root) or the running user may not write it.
// False as well when the temporary file cannot be created, written or
// renamed. The temporary file is always created new, so no file that was
// there before is opened, truncated or removed.
bool ReplaceFileContent(const std::string& path, const std::string& bytes);

}  // namespace sptdc

#include "env/posix/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "env/temporary_name.h"

namespace sptdc {

namespace {

// Renaming over a file needs only a writable folder, so the file's own
// permissions are asked first. access() lets root write any file; the
// owner's write bit refuses a write-protected file to root as well.
bool MayReplace(const std::string& path, const struct stat& status) {
  return S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, const std::string& bytes) {
  struct stat status;
  const bool exists = ::stat(path.c_str(), &status) == 0;
  if (exists ? !MayReplace(path, status) : errno != ENOENT) return false;

  std::string temporary;
  int fd = -1;
  for (unsigned attempt = 0; fd < 0 && attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = TemporaryNameBeside(path, static_cast<unsigned long>(::getpid()), attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = WriteAll(fd, bytes);
  if (ok && exists) ok = ::fchmod(fd, status.st_mode & 07777) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace sptdc

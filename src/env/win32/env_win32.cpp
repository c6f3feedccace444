// The environment through the Win32 API: settings go through the
// private-profile functions, versions through the version resource
// functions, a file's content is replaced by MoveFileExA.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "env/env.h"
#include "env/temporary_name.h"

namespace sptdc {

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

class Win32Env final : public Env {
 public:
  std::string ReadSetting(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) override {
    // The value is read whole: the buffer grows until the value fits, which
    // the function shows by copying fewer than size - 1 characters.
    std::vector<char> buffer(256);
    for (;;) {
      const DWORD copied =
          GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                   static_cast<DWORD>(buffer.size()), file.c_str());
      if (copied + 1 < buffer.size() || buffer.size() >= (1u << 26)) {
        return std::string(buffer.data(), copied);
      }
      buffer.resize(buffer.size() * 4);
    }
  }

  void WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) override {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
  }

  std::vector<std::string> ExecutablesInCurrentDirectory() override {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA("*.exe", &found);
    if (listing == INVALID_HANDLE_VALUE) return names;
    do {
      names.emplace_back(found.cFileName);
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
    return names;
  }

  bool ReadFileVersion(const std::string& file, FileVersion& version) override {
    // A bare name would be looked up in the library search order, the host
    // executable's folder first; the file meant is the current directory's.
    // A path with a folder in it is read as it stands.
    const bool bare = file.find_first_of("\\/:") == std::string::npos;
    const std::string path = bare ? ".\\" + file : file;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
      return false;
    version.major = HIWORD(fixed->dwFileVersionMS);
    version.minor = LOWORD(fixed->dwFileVersionMS);
    version.build = HIWORD(fixed->dwFileVersionLS);
    version.revision = LOWORD(fixed->dwFileVersionLS);
    return true;
  }

  bool ReplaceFileContent(const std::string& path, const std::string& bytes) override {
    // Windows refuses to replace a read-only file by MoveFileExA, Wine does
    // not: the attribute is asked first, so both keep such a file.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
      return false;
    }
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; file == INVALID_HANDLE_VALUE && attempt < kTemporaryNameAttempts; ++attempt) {
      temporary = TemporaryNameBeside(path, GetCurrentProcessId(), attempt);
      file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
      const DWORD error = GetLastError();
      if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
        return false;
      }
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = WriteAll(file, bytes);
    if (!CloseHandle(file)) ok = false;
    if (ok)
      ok = MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
    if (!ok) DeleteFileA(temporary.c_str());
    return ok;
  }
};

}  // namespace

Env& Env::Default() {
  static Win32Env env;
  return env;
}

}  // namespace sptdc

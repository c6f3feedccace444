#include "abi/plugin_library.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace sptdc::testing {

namespace {

#ifdef _WIN32
const char kLibraryName[] = "SPTDC.dll";

std::string ProgramPath() {
  char self[MAX_PATH];
  return std::string(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
}
void* Open(const std::string& path) { return LoadLibraryA(path.c_str()); }
void* Symbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
void Close(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }
#else
const char kLibraryName[] = "libsptdc.so";

std::string ProgramPath() {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self);
  return std::string(self, n > 0 ? static_cast<std::size_t>(n) : 0);
}
void* Open(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* Symbol(void* library, const char* name) { return dlsym(library, name); }
void Close(void* library) { dlclose(library); }
#endif

template <typename Function>
void Bind(Function& function, void* address) {
  function = reinterpret_cast<Function>(address);
}

}  // namespace

std::string PluginLibrary::Path() {
  const std::string self = ProgramPath();
  return self.substr(0, self.find_last_of("\\/") + 1) + kLibraryName;
}

PluginLibrary::PluginLibrary() : handle_(Open(Path())) {
  if (!handle_) throw std::runtime_error("cannot load " + Path());
  Bind(AddData0, Resolve("AddData0"));
  Bind(RemoveData0, Resolve("RemoveData0"));
  Bind(CheckCall0, Resolve("CheckCall0"));
  Bind(IsValidExchg0, Resolve("IsValidExchg0"));
  Bind(GetExchgCount0, Resolve("GetExchgCount0"));
  Bind(GetNumberOfSets, Resolve("GetNumberOfSets"));
  Bind(GetSetName, Resolve("GetSetName"));
  Bind(GetResult0, Resolve("GetResult0"));
  Bind(ResetStats0, Resolve("ResetStats0"));
  Bind(SetupSet0, Resolve("SetupSet0"));
}

PluginLibrary::~PluginLibrary() { Close(handle_); }

void* PluginLibrary::Resolve(const char* name) {
  void* address = Symbol(handle_, name);
  if (!address) throw std::runtime_error(std::string("missing export ") + name);
  return address;
}

}  // namespace sptdc::testing

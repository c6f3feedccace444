#include "plugin.h"

#include "platform.h"

namespace sptdc_host {
namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function* function, std::string* missing) {
  void* symbol = platform::FindSymbol(library, name);
  if (!symbol) {
    *missing = name;
    return false;
  }
  *function = reinterpret_cast<Function>(symbol);
  return true;
}

}  // namespace

std::string Plugin::DefaultPath() {
  return platform::ExecutableDirectory() + platform::DefaultPluginFileName();
}

std::unique_ptr<Plugin> Plugin::Load(const std::string& path, std::string* error) {
  std::string reason;
  void* library = platform::OpenLibrary(path, &reason);
  if (!library) {
    *error = "cannot load the plug-in " + path + ": " + reason;
    return nullptr;
  }
  std::unique_ptr<Plugin> plugin(new Plugin);
  plugin->library_ = library;
  PluginApi& api = plugin->api_;
  std::string missing;
  const bool complete = Resolve(library, "AddData0", &api.AddData0, &missing) &&
                        Resolve(library, "RemoveData0", &api.RemoveData0, &missing) &&
                        Resolve(library, "CheckCall0", &api.CheckCall0, &missing) &&
                        Resolve(library, "IsValidExchg0", &api.IsValidExchg0, &missing) &&
                        Resolve(library, "GetExchgCount0", &api.GetExchgCount0, &missing) &&
                        Resolve(library, "GetNumberOfSets", &api.GetNumberOfSets, &missing) &&
                        Resolve(library, "GetSetName", &api.GetSetName, &missing) &&
                        Resolve(library, "GetResult0", &api.GetResult0, &missing) &&
                        Resolve(library, "ResetStats0", &api.ResetStats0, &missing) &&
                        Resolve(library, "SetupSet0", &api.SetupSet0, &missing);
  if (!complete) {
    *error = "the plug-in " + path + " has no export \"" + missing + "\"";
    return nullptr;
  }
  return plugin;
}

Plugin::~Plugin() { platform::CloseLibrary(library_); }

}  // namespace sptdc_host

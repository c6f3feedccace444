#include "loader/loaded_plugin.h"

#include <cstdio>
#include <vector>

#include "loader/shared_library.h"

namespace sptdc {

namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function* function, std::string* missing) {
  void* symbol = FindSymbol(library, name);
  if (!symbol) {
    *missing = name;
    return false;
  }
  *function = reinterpret_cast<Function>(symbol);
  return true;
}

}  // namespace

std::string LoadedPlugin::DefaultPath() {
  const std::vector<std::string> folders = PluginFolders();
  for (const std::string& folder : folders) {
    const std::string path = folder + PluginFileName();
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
      std::fclose(file);
      return path;
    }
  }
  return folders.front() + PluginFileName();
}

std::unique_ptr<LoadedPlugin> LoadedPlugin::Load(const std::string& path, std::string* error) {
  std::string reason;
  void* library = OpenLibrary(path, &reason);
  if (!library) {
    *error = "cannot load the plug-in " + path + ": " + reason;
    return nullptr;
  }
  std::unique_ptr<LoadedPlugin> plugin(new LoadedPlugin);
  plugin->library_ = library;
  EntryPoints& api = plugin->api_;
  std::string missing;
  // The names as the logging program resolves them, in the header's order.
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

LoadedPlugin::~LoadedPlugin() { CloseLibrary(library_); }

}  // namespace sptdc

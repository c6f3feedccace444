// plugin.h - the scoring plug-in, loaded at run time as the logging program
// loads it: by path, with the ten entry points resolved by their plain
// export names.
#ifndef SPTDC_HOST_PLUGIN_H
#define SPTDC_HOST_PLUGIN_H

#include <memory>
#include <string>

#include "sptdc.h"

namespace sptdc_host {

// The ten entry points, typed from the public header (calling convention
// included).
struct PluginApi {
  decltype(&::AddData0) AddData0 = nullptr;
  decltype(&::RemoveData0) RemoveData0 = nullptr;
  decltype(&::CheckCall0) CheckCall0 = nullptr;
  decltype(&::IsValidExchg0) IsValidExchg0 = nullptr;
  decltype(&::GetExchgCount0) GetExchgCount0 = nullptr;
  decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
  decltype(&::GetSetName) GetSetName = nullptr;
  decltype(&::GetResult0) GetResult0 = nullptr;
  decltype(&::ResetStats0) ResetStats0 = nullptr;
  decltype(&::SetupSet0) SetupSet0 = nullptr;
};

// A loaded plug-in; destroying it unloads the library.
class Plugin {
 public:
  // Loads the library at path and resolves all ten entry points. On failure
  // returns null with *error naming the library and, for a missing entry
  // point, the export.
  static std::unique_ptr<Plugin> Load(const std::string& path, std::string* error);

  // The plug-in beside the running executable.
  static std::string DefaultPath();

  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  const PluginApi& api() const { return api_; }

 private:
  Plugin() = default;

  void* library_ = nullptr;
  PluginApi api_;
};

}  // namespace sptdc_host

#endif

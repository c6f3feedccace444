// The scoring plug-in, loaded at run time as the logging program loads it:
// by path, with the ten entry points resolved by their plain export names.
#pragma once

#include <memory>
#include <string>

#include "loader/entry_points.h"

namespace sptdc {

// A loaded plug-in; destroying it unloads the library.
class LoadedPlugin {
 public:
  // Loads the library at path and resolves all ten entry points. On failure
  // returns null with *error naming the library and, for a missing entry
  // point, the export.
  static std::unique_ptr<LoadedPlugin> Load(const std::string& path, std::string* error);

  // The plug-in in the first of PluginFolders() that holds one: beside the
  // running executable, else (POSIX) where an install puts it; the one beside
  // the executable when none does.
  static std::string DefaultPath();

  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  const EntryPoints& api() const { return api_; }

 private:
  LoadedPlugin() = default;

  void* library_ = nullptr;
  EntryPoints api_;
};

}  // namespace sptdc

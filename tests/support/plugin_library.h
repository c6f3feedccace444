// The built plug-in for a test, loaded by the loader the host program uses,
// from the test program's own folder. Each instance loads the library afresh
// and unloads it when destroyed, so every test starts from a freshly loaded
// plug-in; the entry points are its members.
#pragma once

#include <memory>

#include "loader/loaded_plugin.h"

namespace sptdc::testing {

class PluginLibrary : public EntryPoints {
 public:
  // Throws std::runtime_error with the loader's message when the plug-in
  // cannot be loaded.
  PluginLibrary();

 private:
  std::unique_ptr<LoadedPlugin> plugin_;
};

}  // namespace sptdc::testing

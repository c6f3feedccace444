#include "support/plugin_library.h"

#include <stdexcept>
#include <string>

namespace sptdc::testing {

PluginLibrary::PluginLibrary() {
  std::string error;
  plugin_ = LoadedPlugin::Load(LoadedPlugin::DefaultPath(), &error);
  if (!plugin_) throw std::runtime_error(error);
  static_cast<EntryPoints&>(*this) = plugin_->api();
}

}  // namespace sptdc::testing

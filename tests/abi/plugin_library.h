// The built plug-in, loaded the way the host loads it: by file name from the
// test program's own folder, with the ten entry points resolved by their
// plain export names. Each instance loads the library afresh and unloads it
// when destroyed, so every test starts from a freshly loaded plug-in.
#pragma once

#include <string>

#include "sptdc.h"

namespace sptdc::testing {

class PluginLibrary {
 public:
  PluginLibrary();
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // The library's file name ("SPTDC.dll" or "libsptdc.so") in the folder of
  // the running test program.
  static std::string Path();

  decltype(&::AddData0) AddData0;
  decltype(&::RemoveData0) RemoveData0;
  decltype(&::CheckCall0) CheckCall0;
  decltype(&::IsValidExchg0) IsValidExchg0;
  decltype(&::GetExchgCount0) GetExchgCount0;
  decltype(&::GetNumberOfSets) GetNumberOfSets;
  decltype(&::GetSetName) GetSetName;
  decltype(&::GetResult0) GetResult0;
  decltype(&::ResetStats0) ResetStats0;
  decltype(&::SetupSet0) SetupSet0;

 private:
  void* Resolve(const char* name);
  void* handle_;
};

}  // namespace sptdc::testing

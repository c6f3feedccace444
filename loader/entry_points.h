// The ten entry points of a loaded plug-in, each typed from its declaration
// in the public header (calling convention included).
#pragma once

#include "sptdc.h"

namespace sptdc {

struct EntryPoints {
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

}  // namespace sptdc

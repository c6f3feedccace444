// The header field of a label, for tests that check single fields.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "cabrillo/header_fields.h"

namespace sptdc::testing {

inline const HeaderField& Field(const std::string& label) {
  for (const HeaderField& field : HeaderFields()) {
    if (label == field.label) return field;
  }
  ADD_FAILURE() << "no field " << label;
  return HeaderFields().front();
}

}  // namespace sptdc::testing

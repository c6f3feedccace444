// A platform for tests of the core: it shows nothing and records every
// interaction, so tests can check what the operator would have seen.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace sptdc {

class FakePlatform : public Platform {
 public:
  struct Message {
    std::string text;
    bool hasCaption;
    std::string caption;
    MessageIcon icon;
  };

  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    messages.push_back({text, caption != nullptr, caption ? caption : "", icon});
  }

  std::vector<Message> messages;
};

}  // namespace sptdc

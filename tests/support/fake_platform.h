// The environment and the operator for tests of the core, in one object: it
// shows nothing and records every interaction. The header dialog is
// scripted, the settings file is a map, the executables and their versions
// are lists the test fills, and file replacement writes real files unless
// the test makes it fail.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/operator.h"
#include "env/env.h"
#include "env/output_file.h"

namespace sptdc {

class FakePlatform : public Env, public Operator {
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

  // Records the texts the dialog opened with, then lets the script play the
  // operator: it may change the texts and returns whether OK was pressed.
  bool RunHeaderDialog(Cabrillo& dialog) override {
    dialogsShown.push_back(dialog);
    return operatorScript ? operatorScript(dialog) : false;
  }

  std::string ReadSetting(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) override {
    settingFiles.push_back(file + "|" + section);
    auto found = settings.find(key);
    return found == settings.end() ? fallback : found->second;
  }

  void WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) override {
    settingFiles.push_back(file + "|" + section);
    writes.emplace_back(key, value);
    settings[key] = value;
  }

  std::vector<std::string> ExecutablesInCurrentDirectory() override { return executables; }

  bool ReadFileVersion(const std::string& file, FileVersion& version) override {
    auto found = versions.find(file);
    if (found == versions.end()) return false;
    version = found->second;
    return true;
  }

  // Writes the file directly, or fails without touching it.
  bool ReplaceFileContent(const std::string& path, const std::string& bytes) override {
    if (failReplace) return false;
    OutputFile file(path, OutputFile::kTruncate);
    file.Write(bytes);
    return file.Close();
  }

  std::vector<Message> messages;
  std::function<bool(Cabrillo&)> operatorScript;
  std::vector<Cabrillo> dialogsShown;
  std::map<std::string, std::string> settings;
  std::vector<std::pair<std::string, std::string>> writes;
  std::vector<std::string> settingFiles;
  std::vector<std::string> executables;
  std::map<std::string, FileVersion> versions;
  bool failReplace = false;
};

}  // namespace sptdc

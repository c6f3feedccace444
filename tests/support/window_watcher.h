// Finds and works the modal windows that the plug-in shows under Windows
// (or Wine), from a second thread while the test's main thread is blocked
// in the entry point that shows them. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace sptdc::testing {

// A visible top-level dialog window (class "#32770") of this process with
// this caption, waiting up to timeoutMs; null when none appeared.
HWND FindDialog(const std::string& caption, int timeoutMs = 30000);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Runs act on a thread of its own as soon as the dialog with this caption
// appears; act reads the dialog and closes it. The destructor waits for the
// thread.
class DialogWatcher {
 public:
  DialogWatcher(std::string caption, std::function<void(HWND)> act);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // After the destructor's wait, or once the thread is done: whether the
  // dialog appeared.
  bool Found() const { return found_; }
  void Join();

 private:
  bool found_ = false;
  std::thread thread_;
};

// The message box shown with MessageBoxA: its caption, text and whether it
// shows an icon, read by a DialogWatcher before it presses OK.
struct MessageBoxSeen {
  bool found = false;
  std::string text;
  bool hasIcon = false;
};
MessageBoxSeen ReadMessageBoxAndPressOk(HWND box);

}  // namespace sptdc::testing

#include "support/window_watcher.h"

#include <chrono>

namespace sptdc::testing {

namespace {

struct Search {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == "#32770" &&
      WindowText(window) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string ClassName(HWND window) {
  char name[256];
  const int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

HWND FindDialog(const std::string& caption, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    Search search{caption};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

DialogWatcher::DialogWatcher(std::string caption, std::function<void(HWND)> act)
    : thread_([this, caption, act] {
        HWND dialog = FindDialog(caption);
        if (!dialog) return;
        found_ = true;
        act(dialog);
      }) {}

DialogWatcher::~DialogWatcher() { Join(); }

void DialogWatcher::Join() {
  if (thread_.joinable()) thread_.join();
}

MessageBoxSeen ReadMessageBoxAndPressOk(HWND box) {
  MessageBoxSeen seen;
  seen.found = true;
  // The message text is the static control with id 0xFFFF.
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  // The box shows an icon when a visible static icon control holds one.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == "Static" && IsWindowVisible(child) &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0)
      seen.hasIcon = true;
  }
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return seen;
}

}  // namespace sptdc::testing

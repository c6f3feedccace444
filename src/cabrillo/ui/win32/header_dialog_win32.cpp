// The Cabrillo header dialog as the Win32 dialog resource 101. The resource
// holds the layout; the controls get their entries and texts from the table
// of header_fields.h when the dialog opens, and the texts go back to the
// `Cabrillo` only when the operator presses OK.
#include "cabrillo/ui/win32/header_dialog_win32.h"

#include <windows.h>

#include <string>

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/header_form.h"

namespace sptdc {

namespace {

// A control's whole text, however long.
std::string ControlText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return "";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(control, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// Fills the lists (a sorted list sorts the entries itself) and gives every
// control its text. A list selects the first entry that begins with its
// text, ignoring case; when none does, the text stands unselected in the
// list's edit part. An empty text leaves the list without a selection.
void ShowTexts(HWND dialog, const Cabrillo& texts) {
  for (const HeaderField& field : HeaderFields()) {
    const std::string& text = texts.*field.text;
    if (!IsList(field.kind)) {
      SetDlgItemTextA(dialog, field.id, text.c_str());
      continue;
    }
    for (const std::string& entry : field.entries) {
      SendDlgItemMessageA(dialog, field.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    if (text.empty()) continue;
    const LRESULT selected = SendDlgItemMessageA(dialog, field.id, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(text.c_str()));
    if (selected == CB_ERR) SetDlgItemTextA(dialog, field.id, text.c_str());
  }
}

// Copies every control's text back: an edit field's, or a list's edit part.
void TakeTexts(HWND dialog, Cabrillo& texts) {
  for (const HeaderField& field : HeaderFields()) texts.*field.text = ControlText(dialog, field.id);
}

INT_PTR CALLBACK HeaderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      ShowTexts(dialog, *reinterpret_cast<const Cabrillo*>(lParam));
      return TRUE;
    case WM_COMMAND:
      // The dialog manager turns Escape and the close box into IDCANCEL.
      if (LOWORD(wParam) == IDOK) {
        TakeTexts(dialog, *reinterpret_cast<Cabrillo*>(GetWindowLongPtrA(dialog, DWLP_USER)));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool RunHeaderDialogWin32(Cabrillo& dialog) {
  // The resource lives in the module that holds this code: SPTDC.dll in the
  // plug-in, not the host's executable that GetModuleHandle(NULL) would give.
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(&HeaderDialogProc), &module)) {
    return false;
  }
  const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_CABRILLO_HEADER), GetActiveWindow(),
                                         HeaderDialogProc, reinterpret_cast<LPARAM>(&dialog));
  return result == IDOK;
}

}  // namespace sptdc

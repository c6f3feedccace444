// The real header dialog under Windows (or Wine): a watcher thread finds it
// by its title, reads what it shows, plays the operator and closes it, while
// the test's main thread waits in the modal run. What the watcher sees is
// collected and checked on the main thread afterwards.
#include "cabrillo/ui/win32/header_dialog_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cabrillo/ui/header_form.h"
#include "cabrillo/ui/operator.h"
#include "support/opening_header.h"
#include "support/window_watcher.h"

namespace sptdc {
namespace {

using testing::ClassName;
using testing::DialogWatcher;
using testing::WindowText;

struct ControlSeen {
  std::string className;
  LONG style = 0;
  std::string text;
  RECT rect{};        // in the dialog's client coordinates
  std::string label;  // the static control just before it
  RECT labelRect{};
  std::vector<std::string> entries;  // lists only
  LRESULT selection = CB_ERR;
};

struct DialogSeen {
  std::map<int, ControlSeen> controls;  // by id: the 22 fields and the buttons
  RECT client{};
  RECT templateSize{0, 0, 255, 351};  // mapped from dialog units to pixels
  std::string fontFace;
  HWND owner = nullptr;
};

RECT RectIn(HWND dialog, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<std::string> ListEntries(HWND list) {
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&entry[0]));
    entry.resize(static_cast<std::size_t>(length));
    entries.push_back(entry);
  }
  return entries;
}

DialogSeen Read(HWND dialog) {
  DialogSeen seen;
  GetClientRect(dialog, &seen.client);
  MapDialogRect(dialog, &seen.templateSize);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  seen.fontFace = font.lfFaceName;
  seen.owner = GetWindow(dialog, GW_OWNER);
  std::vector<int> ids = {IDOK, IDCANCEL};
  for (const HeaderField& field : HeaderFields()) ids.push_back(field.id);
  for (int id : ids) {
    const HWND control = GetDlgItem(dialog, id);
    if (!control) continue;
    ControlSeen& c = seen.controls[id];
    c.className = ClassName(control);
    c.style = GetWindowLongA(control, GWL_STYLE);
    c.text = WindowText(control);
    c.rect = RectIn(dialog, control);
    if (const HWND label = GetWindow(control, GW_HWNDPREV)) {
      if (ClassName(label) == "Static") c.label = WindowText(label);
      c.labelRect = RectIn(dialog, label);
    }
    if (c.className == "ComboBox") {
      c.entries = ListEntries(control);
      c.selection = SendMessageA(control, CB_GETCURSEL, 0, 0);
    }
  }
  return seen;
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Waits until the control's text differs from before; false after 10 s.
bool WaitForChange(HWND control, const std::string& before) {
  for (int i = 0; i < 200; ++i) {
    if (WindowText(control) != before) return true;
    Sleep(50);
  }
  return false;
}

// The shared opening texts, with list texts that select by their start or
// nothing, and an address far wider than its field.
Cabrillo Opening() {
  Cabrillo d = testing::OpeningHeader();
  d.Claimed = "15";
  d.Category = "";  // an empty list text: nothing selected
  d.Category_Assisted = "non";
  d.Category_Power = "l";
  d.Category_Transmitter = "UNLIMITED";
  d.Address = std::string(300, 'a') + " street";
  return d;
}

// Runs the dialog while act plays the operator on the watcher thread.
bool RunDialog(Cabrillo& dialog, const std::function<void(HWND)>& act) {
  DialogWatcher watcher(kHeaderDialogTitle, act);
  const bool confirmed = RunHeaderDialogWin32(dialog);
  watcher.Join();
  EXPECT_TRUE(watcher.Found()) << "the dialog did not appear";
  return confirmed;
}

void ExpectSameTexts(const Cabrillo& a, const Cabrillo& b) {
  for (const HeaderField& field : HeaderFields()) EXPECT_EQ(a.*field.text, b.*field.text) << field.label;
}

TEST(HeaderDialogWin32Test, ShowsTheRowsControlsAndEntriesOfTheTable) {
  Cabrillo dialog = Opening();
  DialogSeen seen;
  EXPECT_TRUE(RunDialog(dialog, [&seen](HWND d) {
    seen = Read(d);
    PressButton(d, IDOK);
  }));

  EXPECT_EQ(seen.fontFace, "MS Sans Serif");
  EXPECT_EQ(seen.client.right, seen.templateSize.right);
  EXPECT_EQ(seen.client.bottom, seen.templateSize.bottom);

  const Cabrillo opening = Opening();
  const RECT* previous = nullptr;
  for (const HeaderField& field : HeaderFields()) {
    SCOPED_TRACE(field.label);
    ASSERT_EQ(seen.controls.count(field.id), 1u);
    const ControlSeen& c = seen.controls[field.id];
    EXPECT_EQ(c.label, field.label);
    EXPECT_LE(c.labelRect.right, c.rect.left);  // the label on the left
    EXPECT_LT(c.labelRect.top, c.rect.bottom);  // and on the same row
    EXPECT_GT(c.labelRect.bottom, c.rect.top);
    // Row order: each field below the one before, or to its right on the same row.
    const bool rightField = field.id == IDC_CLAIMED || field.id == IDC_LOCATION;
    if (previous && rightField) {
      EXPECT_EQ(c.rect.top, previous->top);
      EXPECT_GT(c.labelRect.left, previous->right);
    } else if (previous) {
      EXPECT_GE(c.rect.top, previous->bottom);
    }
    previous = &c.rect;

    const std::string& text = opening.*field.text;
    switch (field.kind) {
      case ControlKind::kEdit:
      case ControlKind::kAddressEdit:
        EXPECT_EQ(c.className, "Edit");
        EXPECT_EQ((c.style & ES_AUTOHSCROLL) != 0, field.kind == ControlKind::kEdit);
        EXPECT_EQ(c.style & ES_MULTILINE, 0);
        EXPECT_EQ(c.text, text);
        break;
      case ControlKind::kSoapBox:
        EXPECT_EQ(c.className, "Edit");
        // Lines scroll sideways, as in the other edit fields, instead of wrapping.
        EXPECT_EQ(c.style & (ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL),
                  ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL);
        EXPECT_EQ(c.text, text);
        break;
      case ControlKind::kList:
      case ControlKind::kSortedList: {
        EXPECT_EQ(c.className, "ComboBox");
        EXPECT_EQ(c.style & 3, CBS_DROPDOWN);
        EXPECT_EQ((c.style & CBS_SORT) != 0, field.kind == ControlKind::kSortedList);
        // The control's own sorting and CB_SELECTSTRING agree with the table's.
        const std::vector<std::string> shown = ShownEntries(field);
        EXPECT_EQ(c.entries, shown);
        const int selected = InitialSelection(shown, text);
        EXPECT_EQ(c.selection, selected < 0 ? CB_ERR : selected) << "'" << text << "'";
        EXPECT_EQ(c.text, InitialText(field, text));
        break;
      }
    }
  }
  EXPECT_EQ(seen.controls[IDC_LOCATION].text, "ME");
  EXPECT_EQ(seen.controls[IDC_LOCATION].selection, 19);
  EXPECT_EQ(seen.controls[IDC_CATEGORY_OVERLAY].text, "NONE");
  EXPECT_EQ(seen.controls[IDC_CATEGORY_OVERLAY].selection, CB_ERR);
  EXPECT_EQ(seen.controls[IDC_CATEGORY].text, "");
  EXPECT_EQ(seen.controls[IDC_CATEGORY].selection, CB_ERR);
  EXPECT_EQ(seen.controls[IDC_CATEGORY_STATION].entries,
            (std::vector<std::string>{"EXPEDITION", "FIXED", "HQ", "MOBILE", "PORTABLE", "ROVER", "SCHOOL"}));

  // OK and CANCEL side by side below the fields, centred.
  const ControlSeen& ok = seen.controls[IDOK];
  const ControlSeen& cancel = seen.controls[IDCANCEL];
  EXPECT_EQ(ok.className, "Button");
  EXPECT_EQ(ok.text, "OK");
  EXPECT_EQ(ok.style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(cancel.text, "CANCEL");
  EXPECT_EQ(cancel.style & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(ok.rect.top, cancel.rect.top);
  EXPECT_LT(ok.rect.right, cancel.rect.left);
  EXPECT_GE(ok.rect.top, seen.controls[IDC_EMAIL].rect.bottom);
  EXPECT_NEAR((ok.rect.left + cancel.rect.right) / 2, seen.client.right / 2, 2);

  // OK at once gives back what the controls showed: the selected entries.
  Cabrillo expected = Opening();
  expected.Location = "ME";
  expected.Category_Assisted = "NON-ASSISTED";
  expected.Category_Power = "LOW";
  ExpectSameTexts(dialog, expected);
}

TEST(HeaderDialogWin32Test, OkReturnsWhatTheOperatorTypedAndPicked) {
  Cabrillo dialog = Opening();
  bool enterKeptTheDialogOpen = false;
  EXPECT_TRUE(RunDialog(dialog, [&enterKeptTheDialogOpen](HWND d) {
    SetDlgItemTextA(d, IDC_CONTEST, "SPTDC");
    SetDlgItemTextA(d, IDC_CLAIMED, "99");
    SetDlgItemTextA(d, IDC_CATEGORY, "MULTI-typed");
    SendDlgItemMessageA(d, IDC_LOCATION, CB_SETCURSEL, 63, 0);         // PEI
    SendDlgItemMessageA(d, IDC_CATEGORY_STATION, CB_SETCURSEL, 0, 0);  // EXPEDITION
    SetDlgItemTextA(d, IDC_NAME, " Jan de Vries ");
    // Enter at the end of the soapbox starts a new line there.
    const HWND soapBox = GetDlgItem(d, IDC_SOAPBOX);
    const std::string before = WindowText(soapBox);
    SendMessageA(soapBox, EM_SETSEL, before.size(), before.size());
    PostMessageA(soapBox, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(soapBox, WM_KEYUP, VK_RETURN, 0xC0000001);
    enterKeptTheDialogOpen = WaitForChange(soapBox, before) && IsWindowVisible(d);
    PressButton(d, IDOK);
  }));
  EXPECT_TRUE(enterKeptTheDialogOpen);

  Cabrillo expected = Opening();
  expected.Contest = "SPTDC";
  expected.Claimed = "99";
  expected.Category = "MULTI-typed";
  expected.Location = "PEI";
  expected.Category_Assisted = "NON-ASSISTED";
  expected.Category_Power = "LOW";
  expected.Category_Station = "EXPEDITION";
  expected.Name = " Jan de Vries ";
  expected.SoapBox = "line one\r\nline two\r\n";
  ExpectSameTexts(dialog, expected);
}

TEST(HeaderDialogWin32Test, CancelEscapeAndTheCloseBoxChangeNothing) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
  } ways[] = {
      {"CANCEL", [](HWND d) { PressButton(d, IDCANCEL); }},
      {"Escape", [](HWND d) { PostMessageA(GetDlgItem(d, IDC_NAME), WM_KEYDOWN, VK_ESCAPE, 1); }},
      {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    Cabrillo dialog = Opening();
    EXPECT_FALSE(RunDialog(dialog, [&way](HWND d) {
      SetDlgItemTextA(d, IDC_NAME, "typed, then dropped");
      SendDlgItemMessageA(d, IDC_CATEGORY_POWER, CB_SETCURSEL, 2, 0);
      way.close(d);
    }));
    ExpectSameTexts(dialog, Opening());
  }
}

TEST(HeaderDialogWin32Test, IsOwnedByTheActiveWindow) {
  const HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(host, nullptr);
  SetActiveWindow(host);
  ASSERT_EQ(GetActiveWindow(), host);
  Cabrillo dialog = Opening();
  HWND owner = nullptr;
  EXPECT_FALSE(RunDialog(dialog, [&owner](HWND d) {
    owner = GetWindow(d, GW_OWNER);
    PressButton(d, IDCANCEL);
  }));
  EXPECT_EQ(owner, host);
  DestroyWindow(host);
}

}  // namespace
}  // namespace sptdc

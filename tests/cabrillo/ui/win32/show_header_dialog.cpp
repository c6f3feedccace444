// Shows the Cabrillo header dialog with sample values for scripts/screenshot-dialog:
// prints "shown" once the dialog is on the screen and cancels it as soon as
// the file named by the first argument exists, or after a minute.
#include <windows.h>

#include <cstdio>
#include <thread>

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/header_form.h"
#include "cabrillo/ui/operator.h"
#include "cabrillo/ui/win32/header_dialog_win32.h"
#include "support/window_watcher.h"

int main(int argc, char** argv) {
  using namespace sptdc;
  const char* doneFile = argc > 1 ? argv[1] : "";
  Cabrillo dialog(Operator::Default());
  dialog.Contest = "SPTC";
  dialog.Callsign = "PA3ABC";
  dialog.Category = "SINGLE-OP";
  dialog.Category_Band = "160M";
  dialog.Category_Assisted = "NON-ASSISTED";
  dialog.Category_Mode = "CW";
  dialog.Category_Overlay = "NONE";
  dialog.Category_Power = "HIGH";
  dialog.Category_Station = "FIXED";
  dialog.Category_Transmitter = "ONE";
  dialog.Location = "DX";
  dialog.Name = "Jan de Vries";
  dialog.Address = "Dorpsstraat 1";
  dialog.Address_City = "Utrecht";
  dialog.Address_PostalCode = "3511 AA";
  dialog.Address_Country = "Netherlands";
  dialog.Operators = "PA3ABC";
  dialog.Club = "Topband Club";
  dialog.SoapBox = "Inverted L, 100 W.\r\nGood conditions after midnight.";
  dialog.Email = "pa3abc@example.org";

  std::thread closer([doneFile] {
    const HWND shown = testing::FindDialog(kHeaderDialogTitle);
    if (!shown) return;
    std::puts("shown");
    std::fflush(stdout);
    for (int i = 0; i < 600 && GetFileAttributesA(doneFile) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
  });
  RunHeaderDialogWin32(dialog);
  closer.join();
  return 0;
}

#include <gtest/gtest.h>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/ui/cabrillo_dialog.h"
#include "support/fake_platform.h"

namespace sptdc {
namespace {

class HeaderSettingsTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  CCabrilloLog log{platform, platform};
  int requested = 1;
};

TEST(CabrilloFileBaseTest, MakesAFileNameOfAnyCallsign) {
  const struct {
    const char* call;
    const char* base;
  } cases[] = {
      {"PA3ABC", "PA3ABC"},
      {"PA/DL1ABC/P", "PA_DL1ABC_P"},
      {"A\\B", "A_B"},
      {"", "ZUTA"},
      {" \t\r\n\v\f", "ZUTA"},
      {"/", "_"},
      {"  K1ABC \t", "K1ABC"},
      {"K1 ABC", "K1 ABC"},
      {"C:K1ABC", "C_K1ABC"},
      {"a*b?c\"d<e>f|g", "a_b_c_d_e_f_g"},
      {"K1\x01"
       "ABC",
       "K1_ABC"},
      {"\\\\?\\C:\\x", "____C__x"},
      {" / ", "_"},
  };
  for (const auto& c : cases) EXPECT_EQ(CabrilloFileBase(c.call), c.base) << c.call;
}

TEST_F(HeaderSettingsTest, WithoutSettingsTheDialogShowsTheFixedValues) {
  EXPECT_EQ(log.EditHeader("PA3ABC", requested), 0);
  ASSERT_EQ(platform.dialogsShown.size(), 1u);
  const Cabrillo& shown = platform.dialogsShown[0];
  EXPECT_EQ(shown.Callsign, "PA3ABC");
  EXPECT_EQ(shown.Operators, "PA3ABC");
  EXPECT_EQ(shown.Contest, "SPTC");
  EXPECT_EQ(shown.Category, "SINGLE-OP");
  EXPECT_EQ(shown.Category_Overlay, "NONE");
  EXPECT_EQ(shown.Category_Mode, "CW");
  EXPECT_EQ(shown.Category_Band, "160M");
  EXPECT_EQ(shown.Category_Power, "HIGH");
  EXPECT_EQ(shown.Category_Transmitter, "ONE");
  EXPECT_EQ(shown.Category_Station, "FIXED");
  EXPECT_EQ(shown.Category_Assisted, "NON-ASSISTED");
  for (const std::string* empty :
       {&shown.Name, &shown.Address, &shown.Address_City, &shown.Address_St_Prov, &shown.Address_PostalCode,
        &shown.Address_Country, &shown.Claimed, &shown.Email, &shown.Club, &shown.SoapBox, &shown.Location})
    EXPECT_EQ(*empty, "");
  for (const std::string& place : platform.settingFiles) EXPECT_EQ(place, "Plugins\\SPTDC.ini|Settings");
}

TEST_F(HeaderSettingsTest, CancelChangesNothingButTheFlag) {
  platform.settings = {{"Name", "Jan"}, {"SoapBox", "A<CR><LF>B"}};
  log.QsoLines = {"old line\r\n"};
  platform.operatorScript = [](Cabrillo& d) {
    d.Name = "typed, then cancelled";
    return false;
  };
  EXPECT_EQ(log.EditHeader("PA3ABC", requested), 0);
  EXPECT_EQ(requested, 0);
  EXPECT_TRUE(platform.writes.empty());
  EXPECT_EQ(log.Name, "Jan");
  EXPECT_EQ(log.SoapBox, "A\r\nB");  // left in its edit form
  EXPECT_EQ(log.QsoLines.size(), 1u);
}

TEST_F(HeaderSettingsTest, OkSavesTheAnswersInOrderAndPreparesTheSoapbox) {
  platform.settings = {{"Operators", "PA3ABC PA3XYZ"},
                       {"Claimed", "999"},
                       {"SoapBox", "Hello<CR><LF>73"},
                       {"Category", "CHECKLOG"}};
  log.QsoLines = {"old line\r\n"};
  platform.operatorScript = [](Cabrillo& d) {
    EXPECT_EQ(d.SoapBox, "Hello\r\n73");
    EXPECT_EQ(d.Category, "SINGLE-OP");  // saved categories are not read back
    d.Callsign = "PA3ABC/P";
    d.Name = "Jan Jansen";
    d.Claimed = "12345";
    d.Location = "DX";
    d.Category_Power = "LOW";
    d.SoapBox = "Line one\r\nLine two, typed <CR>here\r\n";
    return true;
  };
  EXPECT_EQ(log.EditHeader("PA3ABC", requested), 1);
  EXPECT_EQ(requested, 1);

  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Operators", "PA3ABC PA3XYZ"},
      {"Name", "Jan Jansen"},
      {"Address", ""},
      {"Address_City", ""},
      {"Address_St_Prov", ""},
      {"Address_PostalCode", ""},
      {"Address_Country", ""},
      {"Category", "SINGLE-OP"},
      {"Category_Overlay", "NONE"},
      {"Contest", "SPTC"},
      {"Email", ""},
      {"Club", ""},
      {"SoapBox", "Line one<CR><LF>Line two, typed <CR>here<CR><LF>"},
  };
  EXPECT_EQ(platform.writes, expected);
  EXPECT_EQ(log.SoapBox, "Line one\r\nSOAPBOX: Line two, typed \r\nSOAPBOX: here\r\nSOAPBOX: ");
  EXPECT_EQ(log.Callsign, "PA3ABC/P");
  EXPECT_EQ(log.FileBase, "PA3ABC");  // from the run's callsign, not the dialog
  EXPECT_EQ(log.Claimed, "999");      // CLAIMED is shown only
  EXPECT_EQ(log.Category_Power, "LOW");
  EXPECT_TRUE(log.QsoLines.empty());

  // The next header shows the fixed categories again and keeps LOCATION.
  platform.operatorScript = nullptr;
  log.EditHeader("PA3ABC", requested);
  EXPECT_EQ(platform.dialogsShown.back().Category_Power, "HIGH");
  EXPECT_EQ(platform.dialogsShown.back().Location, "DX");
  EXPECT_EQ(platform.dialogsShown.back().Name, "Jan Jansen");
}

TEST_F(HeaderSettingsTest, LongSettingsComeBackWhole) {
  const std::string soapbox = std::string(150, 'x') + "<CR><LF>" + std::string(150, 'y');
  platform.settings = {{"SoapBox", soapbox}, {"Address", std::string(300, 'a')}};
  log.EditHeader("PA3ABC", requested);
  EXPECT_EQ(platform.dialogsShown[0].SoapBox, std::string(150, 'x') + "\r\n" + std::string(150, 'y'));
  EXPECT_EQ(platform.dialogsShown[0].Address, std::string(300, 'a'));
}

}  // namespace
}  // namespace sptdc

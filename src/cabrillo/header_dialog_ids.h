/* Identifiers and title of the Cabrillo header dialog, shared by the Windows
   dialog resource and the C++ description of the dialog. Plain #defines
   only, since the resource compiler reads this file too. */
#ifndef SPTDC_CABRILLO_HEADER_DIALOG_IDS_H
#define SPTDC_CABRILLO_HEADER_DIALOG_IDS_H

#define IDD_CABRILLO_HEADER 101
#define HEADER_DIALOG_TITLE "Stew Perry Topband Challenge"

#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1003
#define IDC_ADDRESS_CITY 1006
#define IDC_EMAIL 1007
#define IDC_CLUB 1008
#define IDC_OPERATORS 1009
#define IDC_NAME 1010
#define IDC_CLAIMED 1011
#define IDC_CONTEST 1012
#define IDC_CALLSIGN 1013
#define IDC_ADDRESS_ST_PROV 1015
#define IDC_ADDRESS_POSTALCODE 1016
#define IDC_CATEGORY 1017
#define IDC_CATEGORY_BAND 1018
#define IDC_ADDRESS_COUNTRY 1020
#define IDC_CATEGORY_ASSISTED 1024
#define IDC_CATEGORY_MODE 1028
#define IDC_CATEGORY_POWER 1030
#define IDC_CATEGORY_TRANSMITTER 1032
#define IDC_CATEGORY_OVERLAY 1034
#define IDC_LOCATION 1036
#define IDC_CATEGORY_STATION 1038

#endif

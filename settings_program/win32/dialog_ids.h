// Control and dialog numbers of the settings program's resources, shared by the resource script,
// the dialog code and the tests that drive the dialog by messages. Plain macros: the resource
// compiler reads this file too.
#pragma once

#define IDD_SETTINGS 100
#define IDD_ABOUT 101

#define IDC_USELAST 1001
#define IDC_STARTMODE 1002
#define IDC_PAGESIZE 1003
#define IDC_PAGESIZE_SPIN 1004
#define IDC_ISCOMB 1005
#define IDC_VERTICAL 1006
#define IDC_CANDRIGHT 1007
#define IDC_SENTENCE 1008

#define IDC_CUSTOMCOLOR 1010
#define IDC_COLOR_CAND 1011
#define IDC_COLOR_CANDHINT 1012
#define IDC_COLOR_CANDSEL 1013
#define IDC_COLOR_COMP 1014
#define IDC_COLOR_COMPHINT 1015
#define IDC_PICK_CAND 1021
#define IDC_PICK_CANDHINT 1022
#define IDC_PICK_CANDSEL 1023
#define IDC_PICK_COMP 1024
#define IDC_PICK_COMPHINT 1025

#define IDC_FONT_COMP 1031
#define IDC_FONT_CAND 1032
#define IDC_FONT_CANDEN 1033
#define IDC_PICKFONT_COMP 1041
#define IDC_PICKFONT_CAND 1042
#define IDC_PICKFONT_CANDEN 1043

#define IDC_MODEKEY 1050
#define IDC_HOTKEY_IM_ON 1051
#define IDC_HOTKEY_MENU_ON 1052
#define IDC_HOTKEY_SOFTKBD_ON 1053
#define IDC_HOTKEY_ST_ON 1054
#define IDC_HOTKEY_IM 1061
#define IDC_HOTKEY_MENU 1062
#define IDC_HOTKEY_SOFTKBD 1063
#define IDC_HOTKEY_ST 1064
#define IDC_PAGETAB 1065
#define IDC_PAGEPLUS 1066
#define IDC_USESPACE 1067

#define IDC_FUZZY 1070
#define IDC_DETAIL 1071
#define IDC_DETAILDELAY 1072
#define IDC_USECUSTOM 1073
#define IDC_EDITCUSTOM 1074

#define IDC_APPLY 1080
#define IDC_NOTICE 1081
#define IDC_ABOUT_VERSION 1090

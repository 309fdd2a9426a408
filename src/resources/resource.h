#pragma once
// Resource, command and control identifiers. The numbers are fixed: the help
// file, the templates and the data of earlier versions refer to them.

// Icons and bitmaps
#define IDI_PENNYWHIST 101
#define IDB_TOOLBAR_PALETTE 102  // toolbar strip for palette screens
#define IDB_TOOLBAR 103          // toolbar strip for all other screens
#define IDI_ACCOUNT_STATS 119
#define IDI_BILLS_DEPOSITS 121
#define IDB_SORT_DESCENDING 123  // triangle pointing down
#define IDB_SORT_ASCENDING 124   // triangle pointing up
#define IDI_TICK 131
#define IDB_ABOUT_BANNER 133

// Menus and accelerators
#define IDM_MAIN_MENU 104
#define IDA_MAIN 132

// Dialogs
#define IDD_PASSWORD 111
#define IDD_ENTER_PASSWORD 112
#define IDD_STATS_PANEL 118
#define IDD_NEW_FILE_WIZARD 130

// Commands
#define IDM_NEW_ACCOUNT 40001
#define IDM_NEW_FILE 40002
#define IDM_OPEN 40003
#define IDM_SAVE 40004
#define IDM_SAVE_AS 40005
#define IDM_PASSWORD 40006
#define IDM_IMPORT 40007
#define IDM_CLOSE 40008
#define IDM_PRINT 40009
#define IDM_NEW_TRANSACTION 40010
#define IDM_EDIT_TRANSACTION 40011
#define IDM_DELETE_TRANSACTION 40012
#define IDM_FIND_TRANSACTION 40013
#define IDM_ACCOUNTS 40014
#define IDM_BILLS_DEPOSITS 40015
#define IDM_CATEGORIES 40016
#define IDM_CALCULATOR 40017
#define IDM_OPTIONS 40018
#define IDM_SHOW_STATS 40019
#define IDM_HELP_CONTENTS 40020
#define IDM_GETTING_STARTED 40021
#define IDM_ABOUT 40022
#define IDM_SUMMARY_BY_CATEGORY 40023
#define IDM_SUMMARY_BY_MONTH 40024
#define IDM_BACKUP_RESTORE 40025
#define IDM_FIRST_COMMAND IDM_NEW_ACCOUNT
#define IDM_LAST_COMMAND IDM_BACKUP_RESTORE

// Stats panel controls
#define IDC_TODAYS_DATE 1029
#define IDC_STAT_LABEL1 1041
#define IDC_STAT_LABEL2 1042
#define IDC_STAT_LABEL3 1043
#define IDC_STAT_LABEL4 1044
#define IDC_STAT_VALUE1 1045
#define IDC_STAT_VALUE2 1046
#define IDC_STAT_VALUE3 1047
#define IDC_STAT_VALUE4 1048
#define IDC_NEXT_BILL 1049
#define IDC_NEXT_DEPOSIT 1050
#define IDC_ACCOUNT_STATS_ICON 1051
#define IDC_BILLS_DEPOSITS_ICON 1052
#define IDC_STAT_COLON1 1053
#define IDC_STAT_COLON2 1054
#define IDC_STAT_COLON3 1055
#define IDC_STAT_COLON4 1056

// Password dialog
#define IDC_NEW_PASSWORD 1019
#define IDC_CURRENT_PASSWORD 1022
#define IDC_VERIFY_PASSWORD 1023
// Enter password dialog
#define IDC_OPENING_PASSWORD 1024

// New Pennywhist File wizard: step buttons and the ticks beside them
#define IDC_STEP_ACCOUNTS 1070
#define IDC_STEP_CATEGORIES 1071
#define IDC_STEP_BILLS_DEPOSITS 1072
#define IDC_STEP_PASSWORD 1073
#define IDC_TICK_ACCOUNTS 1074
#define IDC_TICK_CATEGORIES 1075
#define IDC_TICK_BILLS_DEPOSITS 1076
#define IDC_TICK_PASSWORD 1077
#define IDC_TICK_DONE 1078

// Application manifest (common controls version 6)
#define IDR_MANIFEST 1

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
#define IDD_NEW_ACCOUNT 105
#define IDD_ACCOUNT_DETAILS 106
#define IDD_ACCOUNTS 107
#define IDD_CATEGORIES 108
#define IDD_NEW_CATEGORY 109
#define IDD_EDIT_CATEGORY 110
#define IDD_PASSWORD 111
#define IDD_ENTER_PASSWORD 112
#define IDD_NEW_TRANSACTION 113
#define IDD_EDIT_TRANSACTION 114
#define IDD_BILLS_DEPOSITS 115
#define IDD_NEW_BILL_DEPOSIT 116
#define IDD_EDIT_BILL_DEPOSIT 117
#define IDD_STATS_PANEL 118
#define IDD_PROCESS_BILL_DEPOSIT 120
#define IDD_FIND_TRANSACTION 122
#define IDD_IMPORT 125
#define IDD_OPTIONS 126
#define IDD_ABOUT 127
#define IDD_SUMMARY_BY_CATEGORY 128
#define IDD_SUMMARY_BY_MONTH 129
#define IDD_NEW_FILE_WIZARD 130
#define IDD_BACKUP_RESTORE 134
#define IDD_ADJUST 135

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

// Help buttons
#define IDC_HELP_BUTTON 1080

// New Account dialog
#define IDC_TYPE_BANK 1001
#define IDC_TYPE_CREDIT 1002
#define IDC_TYPE_BUDGET 1003
#define IDC_TYPE_CASH 1004
#define IDC_TYPE_OTHER 1005
#define IDC_TYPE_DESCRIPTION 1006
#define IDC_OPENING_AMOUNT_LABEL 1007
#define IDC_OPENING_AMOUNT 1008

// Account Details dialog
#define IDC_ACCOUNT_NAME 1000
#define IDC_ACCOUNT_COMMENT 1009
#define IDC_ACCOUNT_NUMBER 1010
#define IDC_CONTACT_INFO 1011
#define IDC_CREDIT_LIMIT 1012
#define IDC_ACCOUNT_NUMBER_LABEL 1013
#define IDC_CONTACT_INFO_LABEL 1014
#define IDC_CREDIT_LIMIT_LABEL 1015

// Accounts dialog ("Switch to..." is IDOK, "Close" IDCANCEL)
#define IDC_ACCOUNT_LIST 1016
#define IDC_ACCOUNT_DETAILS 1017
#define IDC_DELETE_ACCOUNT 1018
#define IDC_NEW_ACCOUNT 1019
#define IDC_ADJUST_ACCOUNT 1084

// New and Edit Transaction dialogs
#define IDC_TRANSACTION_CATEGORY 1021
#define IDC_TRANSACTION_AMOUNT 1025
#define IDC_FIRST_KIND 1026
#define IDC_SECOND_KIND 1027
#define IDC_TRANSACTION_NUMBER 1028
#define IDC_TRANSACTION_DATE 1029
#define IDC_TRANSACTION_PAYEE 1030
#define IDC_TRANSACTION_MEMO 1031
#define IDC_ADD_MORE 1081

// Find Transaction dialog ("Find Next" is IDOK)
#define IDC_FIND_TEXT 1057
#define IDC_FIND_UP 1058
#define IDC_FIND_DOWN 1059
#define IDC_MATCH_CASE 1060

// Adjust dialog
#define IDC_BALANCE_LABEL 1085
#define IDC_BALANCE 1086

// Bills & Deposits dialog ("Close" is IDCANCEL)
#define IDC_BILL_LIST 1032
#define IDC_PROCESS_BILL 1040
#define IDC_EDIT_BILL 1020
#define IDC_NEW_BILL 1019
#define IDC_DELETE_BILL 1018
// New and Edit Bill/Deposit dialogs, and Process Bill/Deposit (amount, date,
// category, number, payee and memo as in the transaction editors)
#define IDC_BILL_AMOUNT 1025
#define IDC_KIND_BILL 1033
#define IDC_KIND_DEPOSIT 1034
#define IDC_OCCURS_ONCE 1035
#define IDC_OCCURS_DAILY 1036
#define IDC_OCCURS_WEEKLY 1037
#define IDC_OCCURS_EVERY_OTHER_WEEK 1038
#define IDC_OCCURS_MONTHLY 1039
#define IDC_BILL_DATE 1029
#define IDC_BILL_CATEGORY 1021
#define IDC_BILL_NUMBER 1028
#define IDC_BILL_PAYEE 1030
#define IDC_BILL_MEMO 1031
#define IDC_BILL_ACCOUNT 1016

// Summary by Category and Summary by Month ("Generate Summary" is IDOK, "Close" IDCANCEL)
#define IDC_SUMMARY_CATEGORIES 1021
#define IDC_SUMMARY_MONTH 1079
#define IDC_SUMMARY_TABLE 1068
#define IDC_PRINT_SUMMARY 1069

// Import dialog ("Import" is IDOK; the account type buttons are New Account's)
#define IDC_IMPORT_FILE 1061
#define IDC_BROWSE 1062
#define IDC_IMPORT_PROGRESS 1063
// Backup/Restore dialog ("Backup" is IDOK)
#define IDC_BACKUP_LOCATION 1082
#define IDC_RESTORE 1083

// Categories dialog ("New" is IDOK, "Close" IDCANCEL)
#define IDC_CATEGORY_LIST 1021
#define IDC_EDIT_CATEGORY 1020
#define IDC_DELETE_CATEGORY 1018
// New and Edit Category dialogs
#define IDC_CATEGORY_NAME 1000

// Options dialog
#define IDC_DATE_AMERICAN 1064
#define IDC_DATE_EUROPEAN 1065

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

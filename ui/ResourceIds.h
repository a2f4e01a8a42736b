// Identifiers of the resources and controls. Plain macros: the resource
// compiler reads this file as well as the C++ compiler.
#pragma once

// Dialogs, menu, icon
#define IDD_ABOUT 100
#define IDD_COMMANDER 102
#define IDD_SENDER_PATH 129
#define IDR_MAINMENU 130
#define IDI_PIVLON 128

// Strings
#define IDS_ABOUTBOX 101
#define IDS_ABOUT_NOTICE 103
#define IDS_ABOUT_VERSION 104

// Commands
#define IDM_ABOUTBOX 16
#define IDM_CHOOSE_SENDER 32771

// Commander dialog controls
#define IDC_LIST_NAME 1000
#define IDC_NEW_ADDRESS_LABEL 1001
#define IDC_JOIN 1002
#define IDC_SEND 1003
#define IDC_LEAVE 1004
// <windows.h> names a cursor IDC_HELP; after it, the name means the control.
#ifdef IDC_HELP
#undef IDC_HELP
#endif
#define IDC_HELP 1005
#define IDC_INDEX 1006
#define IDC_GET 1007
#define IDC_MAIL_NUMBERS 1008
#define IDC_DESCRIPTION 1009
#define IDC_PAUSE 1011
#define IDC_RESUME 1013
#define IDC_DIGEST_LEAVE 1014
#define IDC_MAIL_ADDRESS 1015
#define IDC_SPECIFY_ADDRESS 1016
#define IDC_DIGEST_JOIN 1017
#define IDC_PARAMETER 1018
#define IDC_TYPE_LABEL 1019
#define IDC_CHANGE_ADDRESS 1021
#define IDC_MEMBER_NUMBER_LABEL 1022
#define IDC_NEW_ADDRESS 1023
#define IDC_MEMBER_NUMBER 1024
#define IDC_PASSWORD_LABEL 1025
#define IDC_PASSWORD 1026
#define IDC_NO_SIGNATURE 1027
#define IDC_TABS 1028
#define IDC_PARAMETER_LABEL 1029
#define IDC_MAIL_NUMBERS_LABEL 1030
#define IDC_MAIL_NUMBERS_HINT 1031
#define IDC_TEST 1034

// About box and sender-location dialog controls
#define IDC_ABOUT_VERSION 1032
#define IDC_ABOUT_NOTICE 1033
#define IDC_SENDER_PATH 1010
#define IDC_BROWSE 1012

// Message texts and their captions
#define IDS_ERROR_CAPTION 200
#define IDS_CATALOG_ERROR 201
#define IDS_INVALID_MEMBER_NUMBER 202
#define IDS_MAIL_CLIENT_NOT_RUNNING 203
#define IDS_SENDER_START_FAILED 204

// File-error report, one text per cause
#define IDS_FILE_ERROR_NONE 210
#define IDS_FILE_ERROR_GENERIC 211
#define IDS_FILE_ERROR_FILE_NOT_FOUND 212
#define IDS_FILE_ERROR_BAD_PATH 213
#define IDS_FILE_ERROR_TOO_MANY_OPEN_FILES 214
#define IDS_FILE_ERROR_ACCESS_DENIED 215
#define IDS_FILE_ERROR_INVALID_FILE 216
#define IDS_FILE_ERROR_REMOVE_CURRENT_DIR 217
#define IDS_FILE_ERROR_DIRECTORY_FULL 218
#define IDS_FILE_ERROR_BAD_SEEK 219
#define IDS_FILE_ERROR_HARD_IO 220
#define IDS_FILE_ERROR_SHARING_VIOLATION 221
#define IDS_FILE_ERROR_LOCK_VIOLATION 222
#define IDS_FILE_ERROR_DISK_FULL 223
#define IDS_FILE_ERROR_END_OF_FILE 224

// The file-open dialog of the sender-location dialog
#define IDS_SENDER_FILE_NAME 240
#define IDS_SENDER_FILTER 241
#define IDS_SENDER_DEFAULT_EXTENSION 242

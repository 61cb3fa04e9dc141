// Identifiers of console.rc.
#pragma once

#define IDD_ABOUT 100
#define IDR_MAINMENU 101
#define IDC_STATIC -1
#define IDC_SERIAL 1001
#define IDC_STARTUP 1002
#define IDC_INSTALLED 1003
#define IDC_BROWSE 1004
#define ID_FILE_OPEN 40001
#define ID_FILE_EXIT 40002
#define ID_CALL_DIAL 40003
#define ID_CALL_MUTE 40004
#define IDS_READY 2001
#define IDS_BUSY 2002

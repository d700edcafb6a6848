// Resource and control identifiers of the lesson editor.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_QUILLMARK_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_EDITOR_MENU 129

// System-menu entry for the About box.
#define IDM_ABOUTBOX 0x0010

#define IDC_NEXT 1003
#define IDC_PREVIOUS 1004
#define IDC_HANZI 1011
#define IDC_READING 1012
#define IDC_MEANING 1013
#define IDC_ITEM_LIST 1014
#define IDC_DELETE 1015
#define IDC_INSERT 1016

#define ID_FILE_OPEN 32771
#define ID_FILE_NEW 32772
#define ID_FILE_SAVE 32774
#define ID_FILE_SAVE_AS 32775
#define ID_FILE_EXIT 32776
#define ID_HELP_ABOUT 32777

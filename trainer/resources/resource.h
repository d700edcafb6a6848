// Identifiers of the trainer's resources, shared by the resource script and the code.
#pragma once

// Menu bar and menu.
#define IDM_MENU 101

// Dialogs.
#define IDD_OPEN_MULTIPLE 104
#define IDD_ABOUT 109

// Controls of the "Open Multiple Files" chooser, all created at run time.
#define IDC_CHOOSER_FILES 1000
#define IDC_CHOOSER_STATIC 1010
#define IDC_CHOOSER_TYPE 1034
#define IDC_CHOOSER_FOLDER 1035

// Menu commands.
#define IDM_FILE_OPEN 40001
#define IDM_FILE_MULTI_OPEN 40002
#define IDM_FILE_EXIT 40003
#define IDM_OPTIONS_RESTART 40004
#define IDM_OPTIONS_PREFERENCES 40005
#define IDM_HELP_CONTENTS 40006
#define IDM_HELP_ABOUT 40007
#define IDM_EDIT_COPY_HANZI 40009
#define IDM_EDIT_COPY_READING 40010
#define IDM_EDIT_COPY_MEANING 40011
// Sent by a second start that handed over its file in "ToOpen".
#define IDM_OPEN_HANDED_OVER 40012

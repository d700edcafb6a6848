// Resource and command ids of the trainer, shared by the resource script and
// the code.
#pragma once

// Menu bar resource and the menu it opens.
#define IDM_MENU 101
// Menu bar buttons and their label strings.
#define IDS_FILE_BUTTON 201
#define IDS_FILE_LABEL 202
#define IDS_OPTIONS_BUTTON 203
#define IDS_OPTIONS_LABEL 204
#define IDS_EDIT_BUTTON 205
#define IDS_EDIT_LABEL 206
#define IDS_HELP_BUTTON 207
#define IDS_HELP_LABEL 208

// Menu commands.
#define IDM_OPEN 40001
#define IDM_MULTI_OPEN 40002
#define IDM_EXIT 40003
#define IDM_RESTART 40004
#define IDM_PREFERENCES 40005
#define IDM_HELP_CONTENTS 40006
#define IDM_ABOUT 40007
#define IDM_COPY_HANZI 40009
#define IDM_COPY_READING 40010
#define IDM_COPY_MEANING 40011
#define IDM_TO_OPEN 40012

// Study screen controls.
#define IDC_MEANING 1000
#define IDC_SHOW 1001
#define IDC_RIGHT 1002
#define IDC_WRONG 1003
#define IDC_RESTART 1009

// Stroke popup of the stroke animation.
#define IDD_STROKE_POPUP 107

// Preferences dialog and its controls.
#define IDD_PREFERENCES 111
#define IDC_OTHER_LABEL 1010
#define IDC_MEANING_BOX 1020
#define IDC_READING_BOX 1021
#define IDC_HANZI_BOX 1022
#define IDC_TRACK_BOX 1023
#define IDC_MODE_LIST 1024
#define IDC_MODE_LABEL 1025
#define IDC_CANVAS_BOX 1030
#define IDC_STROKES_BOX 1036
#define IDC_FEEDBACK_BOX 1037

// "Open Multiple Files" and its controls, all created at run time.
#define IDD_OPEN_MULTIPLE 104
#define IDC_CHOOSER_FILES 1000
#define IDC_CHOOSER_STATIC 1010
#define IDC_CHOOSER_TYPE 1034
#define IDC_CHOOSER_FOLDER 1035

// About box.
#define IDD_ABOUT 109

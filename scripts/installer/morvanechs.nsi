; The Windows installer of MorvaneCHS and Quillmark, built by
; scripts/installer.sh: makensis -DVERSION=... -DOUTFILE=... -DPROGRAMS=...
; -DDATA=... -DHELP=... -DSAMPLES=... scripts/installer/morvanechs.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvaneCHS"
!define LESSONS_FOLDER "Morvane Lessons"

Name "MorvaneCHS ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kelvaro"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; One lesson extension opening in the trainer: its ProgID, then the link.
!macro LessonType EXTENSION PROGID
  WriteRegStr HKCR "${EXTENSION}" "" "${PROGID}"
!macroend

; Takes an extension's link back only where it is still ours.
!macro RemoveLessonType EXTENSION PROGID
  ReadRegStr $0 HKCR "${EXTENSION}" ""
  StrCmp $0 "${PROGID}" 0 +2
  DeleteRegKey HKCR "${EXTENSION}"
!macroend

!macro ProgId PROGID DESCRIPTION
  WriteRegStr HKCR "${PROGID}" "" "${DESCRIPTION}"
  WriteRegStr HKCR "${PROGID}\DefaultIcon" "" '"$INSTDIR\MorvaneCHS.exe",0'
  WriteRegStr HKCR "${PROGID}\shell" "" "open"
  WriteRegStr HKCR "${PROGID}\shell\open\command" "" '"$INSTDIR\MorvaneCHS.exe" "%1"'
!macroend

Section "MorvaneCHS"
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\MorvaneCHS.exe"
  File "${PROGRAMS}\Quillmark.exe"
  File "${PROGRAMS}\morvane-convert.exe"
  File "${HELP}\morvanechs.html"
  File "${DATA}\*.hbf"
  File "${DATA}\*.bin"
  File "${DATA}\*.ind"
  File "${DATA}\*.dat"
  File "${DATA}\*.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The sample lessons one step from where Open starts, in the user's Documents.
  SetShellVarContext current
  SetOutPath "$DOCUMENTS\${LESSONS_FOLDER}"
  File "${SAMPLES}\everyday.gb"
  File "${SAMPLES}\everyday.b5"
  File "${SAMPLES}\everyday.euc"
  File "${SAMPLES}\everyday.euk"
  File "${SAMPLES}\everyday.jis"

  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\MorvaneCHS"
  CreateShortcut "$SMPROGRAMS\MorvaneCHS\MorvaneCHS.lnk" "$INSTDIR\MorvaneCHS.exe"
  CreateShortcut "$SMPROGRAMS\MorvaneCHS\Quillmark.lnk" "$INSTDIR\Quillmark.exe"
  CreateShortcut "$SMPROGRAMS\MorvaneCHS\MorvaneCHS Help.lnk" "$INSTDIR\morvanechs.html"

  !insertmacro ProgId "MorvaneCHS.Lesson" "MorvaneCHS lesson"
  !insertmacro ProgId "MorvaneCHS.GbLesson" "MorvaneCHS GB lesson"
  WriteRegStr HKCR "MorvaneCHS.GbLesson\shell\edit" "" "Edit"
  WriteRegStr HKCR "MorvaneCHS.GbLesson\shell\edit\command" "" '"$INSTDIR\Quillmark.exe" "%1"'
  !insertmacro LessonType ".gb" "MorvaneCHS.GbLesson"
  !insertmacro LessonType ".b5" "MorvaneCHS.Lesson"
  !insertmacro LessonType ".euc" "MorvaneCHS.Lesson"
  !insertmacro LessonType ".jis" "MorvaneCHS.Lesson"
  !insertmacro LessonType ".euk" "MorvaneCHS.Lesson"
  !insertmacro LessonType ".kf" "MorvaneCHS.Lesson"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "MorvaneCHS ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kelvaro"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\MorvaneCHS.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; The files this installer put there, one by one: whatever else the
  ; folders hold (lessons, their progress files) stays, and so do they.
  Delete "$INSTDIR\MorvaneCHS.exe"
  Delete "$INSTDIR\Quillmark.exe"
  Delete "$INSTDIR\morvane-convert.exe"
  Delete "$INSTDIR\morvanechs.html"
  !include "${DATA_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$DOCUMENTS\${LESSONS_FOLDER}\everyday.gb"
  Delete "$DOCUMENTS\${LESSONS_FOLDER}\everyday.b5"
  Delete "$DOCUMENTS\${LESSONS_FOLDER}\everyday.euc"
  Delete "$DOCUMENTS\${LESSONS_FOLDER}\everyday.euk"
  Delete "$DOCUMENTS\${LESSONS_FOLDER}\everyday.jis"
  RMDir "$DOCUMENTS\${LESSONS_FOLDER}"

  SetShellVarContext all
  Delete "$SMPROGRAMS\MorvaneCHS\MorvaneCHS.lnk"
  Delete "$SMPROGRAMS\MorvaneCHS\Quillmark.lnk"
  Delete "$SMPROGRAMS\MorvaneCHS\MorvaneCHS Help.lnk"
  RMDir "$SMPROGRAMS\MorvaneCHS"

  !insertmacro RemoveLessonType ".gb" "MorvaneCHS.GbLesson"
  !insertmacro RemoveLessonType ".b5" "MorvaneCHS.Lesson"
  !insertmacro RemoveLessonType ".euc" "MorvaneCHS.Lesson"
  !insertmacro RemoveLessonType ".jis" "MorvaneCHS.Lesson"
  !insertmacro RemoveLessonType ".euk" "MorvaneCHS.Lesson"
  !insertmacro RemoveLessonType ".kf" "MorvaneCHS.Lesson"
  DeleteRegKey HKCR "MorvaneCHS.Lesson"
  DeleteRegKey HKCR "MorvaneCHS.GbLesson"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

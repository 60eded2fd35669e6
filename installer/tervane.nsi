; Installs the three programs and their data files into one folder, and removes them again.
; Built by scripts/make-installer.sh, which stages a program folder and passes:
;   VERSION  the product version ("6.6")
;   ARCH     x86 (32-bit programs, runs on every Windows) or x64 (64-bit programs)
;   FILES    an include with the file lists of the staged folder (see make-installer.sh)
;   ICON     the program icon
;   OUTFILE  the installer to write
!ifndef VERSION | ARCH | FILES | ICON | OUTFILE
  !error "make-installer.sh passes VERSION, ARCH, FILES, ICON and OUTFILE"
!endif

!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define PROGRAMS_ROOT "$PROGRAMFILES64"
!else if "${ARCH}" == "x86"
  ; The ANSI stub: it still starts on Windows 95, 98 and ME.
  Target x86-ansi
  !define PROGRAMS_ROOT "$PROGRAMFILES"
!else
  !error "ARCH is x86 or x64"
!endif

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${FILES}"

!define SETTINGS_KEY "Software\Tervane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUNONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define RUNSERVICESONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunServicesOnce"
!define MENU_FOLDER "$SMPROGRAMS\Tervane"

Name "Tervane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAMS_ROOT}\Tervane"
InstallDirRegKey HKLM "${SETTINGS_KEY}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tervane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tervane ${VERSION} setup (${ARCH})"
VIAddVersionKey "CompanyName" "Tervane"
VIAddVersionKey "LegalCopyright" "Tervane"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorn66.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The programs go to Program Files for every user: so do the shortcuts.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Tervane" SecMain
  SectionIn RO
  SetOverwrite on
  !insertmacro TervaneInstallProgramFiles
  ; What the user made or chose (settings, keep lists, user-defined lists, plugin ticks)
  ; survives a reinstall or an upgrade: delivered copies only where the folder has none.
  SetOverwrite off
  !insertmacro TervaneInstallUserFiles
  SetOverwrite on

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tervane ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tervane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorn66.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${TERVANE_SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\Tervane.lnk" "$INSTDIR\vorn66.exe"
  CreateShortCut "${MENU_FOLDER}\Uninstall Tervane.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

; Leaves on the stack the name of the file in $INSTDIR that a registry command names
; (blank when it names nothing there), so that only values pointing into this folder are
; removed: another program may use the same value name.
Function un.FileInThisFolder
  Exch $0  ; the command, perhaps quoted
  Push $1
  Push $2
  StrCpy $1 $0 1
  StrCmp $1 '"' 0 +2
    StrCpy $0 $0 "" 1
  StrLen $2 "$INSTDIR\"
  StrCpy $1 $0 $2
  ; StrCmp ignores case, as Windows paths do.
  StrCmp $1 "$INSTDIR\" 0 notHere
    StrCpy $0 $0 "" $2
    StrCpy $1 $0 1 -1
    StrCmp $1 '"' 0 +2
      StrCpy $0 $0 -1
    Goto done
  notHere:
    StrCpy $0 ""
  done:
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

!macro RemoveValueNamingFile ROOT KEY VALUE FILE
  ReadRegStr $0 ${ROOT} "${KEY}" "${VALUE}"
  Push $0
  Call un.FileInThisFolder
  Pop $0
  !if "${FILE}" == "*"
    StrCmp $0 "" +2
  !else
    StrCmp $0 "${FILE}" 0 +2
  !endif
    DeleteRegValue ${ROOT} "${KEY}" "${VALUE}"
!macroend

Section "Uninstall"
  ; The auto-start entry, and the boot-time removal still scheduled: Windows would start a
  ; program that is gone.
  !insertmacro RemoveValueNamingFile HKCU "${RUN_KEY}" "Cleaner" "*"
  !insertmacro RemoveValueNamingFile HKLM "${RUNONCE_KEY}" "String Value" "vesper.exe"
  !insertmacro RemoveValueNamingFile HKLM "${RUNSERVICESONCE_KEY}" "String Value" "vesper.exe"

  Delete "${MENU_FOLDER}\Tervane.lnk"
  Delete "${MENU_FOLDER}\Uninstall Tervane.lnk"
  RMDir "${MENU_FOLDER}"

  ; Only what was installed, by name: the folder may hold files of the user's or of others.
  !insertmacro TervaneRemoveProgramFiles
  Delete "$INSTDIR\uninstall.exe"

  ; The user's own files stay unless the user says otherwise; a silent uninstall keeps
  ; them, and /REMOVEUSERFILES removes them without asking.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEUSERFILES" $R1
  IfErrors 0 removeUserFiles
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your settings, keep lists, user-defined lists, plugins and the log as well?$\n$\nChoose No to keep them in $INSTDIR for a later installation." \
    /SD IDNO IDYES removeUserFiles
  Goto userFilesDone
  removeUserFiles:
    !insertmacro TervaneRemoveUserFiles
    ; A plugin is a pair: its definition goes with its information file.
    Delete "$INSTDIR\*.cp1"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  userFilesDone:

  ; Removed only when empty.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  ; Last, so that an uninstall that stopped half-way can be started again.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Installs the three programs and their data files into one folder.
; Built by scripts/installer.sh, which stages the files and passes STAGE and OUTFILE.
!include "MUI2.nsh"

!ifndef STAGE
  !error "STAGE must name the folder of staged files"
!endif
!ifndef OUTFILE
  !define OUTFILE "tervane-setup.exe"
!endif

Name "Tervane 6.6"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Tervane"
InstallDirRegKey HKLM "Software\Tervane" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorn66.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tervane" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Settings the user already has are kept over a reinstall.
  SetOverwrite off
  File /nonfatal "${STAGE}\mainten.ini"
  SetOverwrite on
  File /r /x "mainten.ini" "${STAGE}\*.*"
  WriteRegStr HKLM "Software\Tervane" "InstallDir" "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane" "DisplayName" "Tervane 6.6"
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane" "DisplayVersion" "6.6"
  CreateDirectory "$SMPROGRAMS\Tervane"
  CreateShortCut "$SMPROGRAMS\Tervane\Tervane.lnk" "$INSTDIR\vorn66.exe"
  CreateShortCut "$SMPROGRAMS\Tervane\Uninstall Tervane.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  ; The auto-start entry and the scheduled boot-time removal point at this folder.
  DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Cleaner"
  Delete "$SMPROGRAMS\Tervane\Tervane.lnk"
  Delete "$SMPROGRAMS\Tervane\Uninstall Tervane.lnk"
  RMDir "$SMPROGRAMS\Tervane"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane"
  DeleteRegKey HKLM "Software\Tervane"
SectionEnd

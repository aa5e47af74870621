; The Windows edition's installer, made by scripts/windows with Debian's makensis:
;
;   makensis -DVERSION=1.2.3 -DSTAGE=<folder of the portable tree> -DOUTFILE=<setup.exe> lumabels.nsi
;
; It installs the portable tree (lumabels.exe, sound\, help\, LICENSE.txt) into Program Files,
; adds a Start-menu entry for everyone and an uninstaller. The game finds its folder read-only
; there and keeps the player's settings in %APPDATA%\Lumabels, which the uninstaller leaves alone.

Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

Name "Lumabels"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Lumabels"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Lumabels"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Lumabels ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "MIT License"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumabels"
!define MUI_ICON "${STAGE}\..\lumabels.ico"
!define MUI_UNICON "${STAGE}\..\lumabels.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumabels.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Lumabels needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}\lumabels.exe"
  File "${STAGE}\LICENSE.txt"
  File /r "${STAGE}\sound"
  File /r "${STAGE}\help"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Lumabels.lnk" "$INSTDIR\lumabels.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Lumabels"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumabels.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, by name: the player's settings in %APPDATA%\Lumabels, and
; anything else found in the folder, stay.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Lumabels.lnk"
  Delete "$INSTDIR\lumabels.exe"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\sound"
  RMDir /r "$INSTDIR\help"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

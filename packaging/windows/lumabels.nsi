; The Windows edition's installer, made by make_packages.sh with Debian's makensis:
;
;   makensis -DVERSION=1.2.3 -DSTAGE=<the portable tree> -DICON=<.ico> -DOUTFILE=<setup.exe> lumabels.nsi
;
; It installs the portable tree (lumabels.exe, sound\, help\, LICENSE.txt) into Program Files,
; adds a Start-menu entry for everyone and an uninstaller. Started from Program Files, the game
; keeps the player's settings in %APPDATA%\Lumabels, which the uninstaller leaves alone.

; A 64-bit installer for the 64-bit game: it also runs where only 64-bit programs do (Wine
; without its 32-bit half, as in the tests here).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

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
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumabels.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

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

; SPDX-FileCopyrightText: The Quorlin developers
; SPDX-License-Identifier: GPL-3.0-or-later
; Quorlin's Windows installer. scripts/package-windows builds it with
;   makensis -DVERSION=x.y.z -DPROGRAM=<staged program folder> -DICON=<quorlin.ico> -DOUTFILE=<setup.exe> quorlin.nsi
; It installs for the current user, without administrator rights, under the user's own programs
; folder, with a Start menu shortcut and an entry among the installed programs.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS Win10

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.quorlin.Quorlin"
!define UNINSTALLER "desinstalar.exe"

Name "Quorlin"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorlin"
BrandingText "Quorlin ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=3082 "ProductName" "Quorlin"
VIAddVersionKey /LANG=3082 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=3082 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=3082 "FileDescription" "Instalador de Quorlin"
VIAddVersionKey /LANG=3082 "CompanyName" "The Quorlin developers"
VIAddVersionKey /LANG=3082 "LegalCopyright" "Copyright © The Quorlin developers. Licencia GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorlin.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${PROGRAM}/COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

Section
    ; The Start menu of this user, never the shared one, whatever the account may do.
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${PROGRAM}/quorlin.exe"
    File "${PROGRAM}/LEEME.txt"
    File "${PROGRAM}/COPYING.txt"
    SetOutPath "$INSTDIR\licencias"
    File "${PROGRAM}/licencias/*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "$SMPROGRAMS\Quorlin.lnk" "$INSTDIR\quorlin.exe" "" "$INSTDIR\quorlin.exe" 0 \
        SW_SHOWNORMAL "" "Tira dados para partidas de rol"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorlin"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorlin.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Quorlin developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Quorlin.lnk"
    Delete "$INSTDIR\quorlin.exe"
    Delete "$INSTDIR\LEEME.txt"
    Delete "$INSTDIR\COPYING.txt"
    Delete "$INSTDIR\licencias\*.txt"
    RMDir "$INSTDIR\licencias"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only an empty folder goes: whatever the player put there stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

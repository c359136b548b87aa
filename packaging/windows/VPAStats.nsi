; The Windows installer: the program folder under Program Files, a Start menu entry, an entry in
; Windows' list of installed programs, and, when asked, VPA Stats offered for opening .mdb files.
; scripts/windows-package.sh passes VERSION, OUTFILE and the lists of files to install (FILES)
; and to remove (UNFILES). /S installs silently, /D=DIR chooses the folder, and /OPENWITH also
; offers VPA Stats for .mdb files (the components page's choice, for a silent install).
; A 64-bit installer for a 64-bit program; it also runs where only 64-bit Wine is installed.
Target amd64-unicode
!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include Sections.nsh

!define APP "VPA Stats Analyser"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VPAStats"
!define PROG_ID "VPAStats.DUZEDO"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\VPAStats"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "FileDescription" "${APP} installer"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Velmoor Players Association"

!define MUI_FINISHPAGE_RUN "$INSTDIR\VPAStats.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"


Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "VPA Stats Analyser" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\VPAStats.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Velmoor Players Association"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VPAStats.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Offered in "Open with" for .mdb files; the files' default program stays what it was.
Section /o "Offer VPA Stats for opening .mdb files" SecOpenWith
    WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "DUZEDO database"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\VPAStats.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\VPAStats.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.mdb\OpenWithProgids" "${PROG_ID}" ""
    WriteRegStr HKLM "Software\Classes\Applications\VPAStats.exe\shell\open\command" "" '"$INSTDIR\VPAStats.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\Applications\VPAStats.exe\SupportedTypes" ".mdb" ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "OpenWith" "1"
SectionEnd

; Only what the installer wrote: the user's settings, caches and DUZEDOs stay.
Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APP}.lnk"
    DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
    DeleteRegValue HKLM "Software\Classes\.mdb\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.mdb\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\.mdb"
    DeleteRegKey HKLM "Software\Classes\Applications\VPAStats.exe"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/OPENWITH" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecOpenWith}
    ${EndIf}
FunctionEnd

; The Pennywhist installer (NSIS 3). installer/package.sh compiles it:
;   makensis -DVERSION=2.0 -DFILES=<folder with pennywhist.exe, pwhelp.hlp, html\>
;            -DHELP_PAGES=<its InstallHelpPages and RemoveHelpPages macros> -DOUTFILE=<setup.exe>
;            installer/pennywhist.nsi
; The installer is a 64-bit program like Pennywhist itself: a 32-bit one
; would not start under a Wine without 32-bit support, and 32-bit Windows
; cannot run Pennywhist anyway.

!macro Required NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: installer/package.sh defines VERSION, FILES, HELP_PAGES and OUTFILE"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required FILES
!insertmacro Required HELP_PAGES
!insertmacro Required OUTFILE

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Pennywhist"
!define PUBLISHER "Orvanel Software"
!define MACHINE_KEY "Software\${PUBLISHER}\${PRODUCT}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROGID "Pennywhist.DataFile"
!define CLASSES "Software\Classes"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include "${HELP_PAGES}"

!define MUI_ICON "${__FILEDIR__}/../src/resources/art/pennywhist.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; What the open command of a .pwf file is when it starts the program of $INSTDIR.
!define OPEN_COMMAND '"$INSTDIR\pennywhist.exe" "%1"'

!macro NotifyShellOfAssociations
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

; The 64-bit view is the installer's own; naming it keeps the keys where the
; program reads them should the installer ever be built as a 32-bit program.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  ; /D= has set $INSTDIR already; otherwise an earlier installation's folder
  ; is offered again, or else the usual one.
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${MACHINE_KEY}" "Path"
  ${EndIf}
  ${If} $INSTDIR == ""
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" ProgramSection
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${FILES}/pennywhist.exe"
  File "${FILES}/pwhelp.hlp"
  !insertmacro InstallHelpPages
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The program finds its help file through this value.
  WriteRegStr HKLM "${MACHINE_KEY}" "Path" "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pennywhist.exe"

  WriteRegStr HKLM "${CLASSES}\.pwf" "" "${PROGID}"
  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Pennywhist Data File"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\pennywhist.exe,0"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '${OPEN_COMMAND}'
  !insertmacro NotifyShellOfAssociations

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pennywhist.exe,0"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${ProgramSection} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Only what the installer put there goes: a user's .pwf files, even in the
; program's folder, stay, and so does the folder that holds them. What is
; shared with another installation of the program in another folder stays
; with it.
Section "Uninstall"
  Delete "$INSTDIR\pennywhist.exe"
  Delete "$INSTDIR\pwhelp.hlp"
  !insertmacro RemoveHelpPages
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ReadRegStr $0 HKLM "${CLASSES}\${PROGID}\shell\open\command" ""
  ${If} $0 == '${OPEN_COMMAND}'
    DeleteRegKey HKLM "${CLASSES}\${PROGID}"
    ReadRegStr $1 HKLM "${CLASSES}\.pwf" ""
    ${If} $1 == "${PROGID}"
      DeleteRegValue HKLM "${CLASSES}\.pwf" ""
      DeleteRegKey /ifempty HKLM "${CLASSES}\.pwf"
    ${EndIf}
    !insertmacro NotifyShellOfAssociations
  ${EndIf}

  ReadRegStr $0 HKLM "${MACHINE_KEY}" "Path"
  ${If} $0 == $INSTDIR
    DeleteRegValue HKLM "${MACHINE_KEY}" "Path"
    DeleteRegKey /ifempty HKLM "${MACHINE_KEY}"
    DeleteRegKey /ifempty HKLM "Software\${PUBLISHER}"
  ${EndIf}

  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}

  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

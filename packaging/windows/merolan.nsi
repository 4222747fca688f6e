; The Windows installer of Merolan programmer.
;   makensis -V2 -DVERSION=1.0.0.1 -DSTAGE=<folder> -DOUTFILE=<folder>/merolan-programmer-1.0.0.1-setup.exe \
;     packaging/windows/merolan.nsi
; STAGE holds the built programs, the two help files, presets.json and the
; translations folder; the licence texts come from this folder. makensis works in this folder, so STAGE
; and OUTFILE must be absolute paths.
; Silent: setup.exe /S [/AllUsers | /CurrentUser]; uninstall.exe /S.

!ifndef VERSION | STAGE | OUTFILE
  !error "Give -DVERSION=a.b.c.d -DSTAGE=<folder> -DOUTFILE=<setup.exe>"
!endif

Unicode true
; The programs are 64-bit only; a 64-bit installer also writes the 64-bit
; registry view and Program Files without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Merolan programmer"
!define PUBLISHER "Brantholm"
!define PROGID "MerolanProgrammer.Setup"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MerolanProgrammer"
!define LICENCE "Brantholm Freeware License Agreement.rtf"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileDescription "${PRODUCT} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (C) 2026 ${PUBLISHER}"

; Administrators choose all users or just themselves; anyone else installs
; for themselves without being asked to elevate.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_FUNCTION KeepInstalledFolder
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "merolan.ico"
!define MUI_UNICON "merolan.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Everything the installer puts in the program's folder, for both directions.
!macro Payload Action
  !insertmacro ${Action} "${STAGE}" "merolan.exe"
  !insertmacro ${Action} "${STAGE}" "merolan-cli.exe"
  !insertmacro ${Action} "${STAGE}" "Merolan Programmer_EN.chm"
  !insertmacro ${Action} "${STAGE}" "Merolan Programmer_GR.chm"
  !insertmacro ${Action} "${STAGE}" "presets.json"
  !insertmacro ${Action} "${STAGE}" "translations\merolan_el.qm"
  !insertmacro ${Action} "${STAGE}" "translations\qtbase_el.qm"
  !insertmacro ${Action} "." "${LICENCE}"
  !insertmacro ${Action} "." "Qt-LGPL-notice.txt"
  !insertmacro ${Action} "." "LGPL-3.txt"
  !insertmacro ${Action} "." "GPL-3.txt"
!macroend
!macro PutFile From Name
  File "/oname=${Name}" "${From}\${Name}"
!macroend
!macro RemoveFile From Name
  Delete "$INSTDIR\${Name}"
!macroend

!macro RefreshShell
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

; An update goes where the same mode's earlier install went.
Function KeepInstalledFolder
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  CreateDirectory "$INSTDIR\translations"
  !insertmacro Payload PutFile
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\merolan.exe"

  WriteRegStr SHCTX "Software\Classes\.mrl" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Merolan setup"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\merolan.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\merolan.exe" "%1"'
  !insertmacro RefreshShell

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\merolan.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; An administrator's uninstaller would pick all users; the uninstaller belongs
; to the install whose folder it runs from.
Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Call un.MultiUser.InstallMode.CurrentUser
  ${EndIf}
FunctionEnd

Section Uninstall
  !insertmacro Payload RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; .mrl may have been taken over by another program since.
  ReadRegStr $0 SHCTX "Software\Classes\.mrl" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.mrl" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "Software\Classes\.mrl"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  !insertmacro RefreshShell

  ; Whatever the user saved in the folder keeps it.
  RMDir "$INSTDIR\translations"
  RMDir "$INSTDIR"
SectionEnd

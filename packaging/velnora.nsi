; Velnora's installer: Velnora.scr and Velnora.dll side by side in the
; 64-bit System32, where the Screen Saver Settings list savers; an entry in
; Programs and Features; an uninstaller that removes exactly that.
;
; Built by tools/release.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.1.0 -DHOMEPAGE=<url> -DPROGRAMS=<dir with both programs>
;            -DICON=<velnora.ico> -DOUTFILE=<setup.exe> [-DSIGN=<signing command>] velnora.nsi
; (VERSION and HOMEPAGE are CMake's project version and HOMEPAGE_URL.)
;
; Command line of the installer, besides NSIS's own /S:
;   /CURRENT=1  make Velnora the current screen saver
;   /CURRENT=0  do not; over an installed Velnora that is the current saver,
;               it stops being the current saver
;   without it  a first install: the wizard makes Velnora current, a silent
;               install does not; over an installed Velnora: the user's choice
;               stays as it is (the wizard's box starts as it is now)
;
; Over an installed Velnora (the entry's DisplayVersion):
;   the same or an older version  replaced in place: the programs, the
;                                 uninstaller and the one entry rewritten
;   a newer version               nothing changes: the wizard says so and
;                                 stops; exit code 1638 (ERROR_PRODUCT_VERSION,
;                                 "another version of this product is
;                                 already installed"), silent or not
; Without administrator rights: exit code 740 (ERROR_ELEVATION_REQUIRED).

!macro Required NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined (see the command line above)"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required HOMEPAGE
!insertmacro Required PROGRAMS
!insertmacro Required ICON
!insertmacro Required OUTFILE

Unicode true
; A 64-bit installer: $SYSDIR is the real System32 and the registry view is
; the 64-bit one without any redirection to undo. Velnora runs on 64-bit
; Windows only, so a 32-bit stub would buy nothing.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Velnora"
!define PUBLISHER "Velnora Project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velnora"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_BROADCAST 3
!define ERROR_PRODUCT_VERSION 1638
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "."
!ifndef VERSION_MINOR
  !error "VERSION ${VERSION} is not major.minor.patch"
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; Only the uninstaller lives here; the programs go to System32.
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!ifdef SIGN
  ; Sign the uninstaller before it is packed in, and the installer last.
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WordFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the fallback; otherwise the system's UI language decides.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString SecProgramsName ${LANG_ENGLISH} "Velnora screen saver"
LangString SecProgramsName ${LANG_JAPANESE} "Velnora スクリーンセーバー"
LangString SecProgramsDesc ${LANG_ENGLISH} "Velnora.scr and Velnora.dll in the system folder, listed in the Screen Saver Settings."
LangString SecProgramsDesc ${LANG_JAPANESE} "Velnora.scr と Velnora.dll をシステム フォルダーに入れ、「スクリーン セーバーの設定」に表示します。"
LangString SecCurrentName ${LANG_ENGLISH} "Make Velnora the current screen saver"
LangString SecCurrentName ${LANG_JAPANESE} "Velnora を現在のスクリーンセーバーにする"
LangString SecCurrentDesc ${LANG_ENGLISH} "Velnora starts when this computer has been idle for the waiting time set in the Screen Saver Settings."
LangString SecCurrentDesc ${LANG_JAPANESE} "「スクリーン セーバーの設定」の待ち時間だけ操作がないと Velnora が始まります。"

LangString NeedsAdmin ${LANG_ENGLISH} "Velnora installs into the Windows system folder: run this as an administrator."
LangString NeedsAdmin ${LANG_JAPANESE} "Velnora は Windows のシステム フォルダーに入ります。管理者として実行してください。"
LangString NewerInstalled ${LANG_ENGLISH} "A newer Velnora ($InstalledVersion) is installed already; this installer is version ${VERSION}. Nothing was changed. To go back to ${VERSION}, uninstall Velnora $InstalledVersion first."
LangString NewerInstalled ${LANG_JAPANESE} "新しい Velnora ($InstalledVersion) がすでにインストールされています。このインストーラーはバージョン ${VERSION} です。何も変更していません。${VERSION} に戻すには、先に Velnora $InstalledVersion をアンインストールしてください。"

; The version of the Velnora installed now, empty when there is none.
Var InstalledVersion
; 1: Velnora is the current screen saver now.
Var WasCurrent
; 1: leave the current saver as it is whatever the section says (a silent
; install without /CURRENT=).
Var KeepCurrent

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Velnora setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Velnora セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"

Section "!$(SecProgramsName)" SecPrograms
  SectionIn RO
  SetRegView 64
  SetOutPath "$SYSDIR"
  File "${PROGRAMS}\Velnora.scr"
  File "${PROGRAMS}\Velnora.dll"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SectionGetSize ${SecPrograms} $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\Velnora.scr,0"
  ; The folder that is Velnora's own: the uninstaller's (the programs
  ; share System32 with Windows, which no clean-up tool may take for ours).
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "$(SecCurrentName)" SecCurrent
  ; HKCU of the user who ran the installer. The value is what the Screen
  ; Saver Settings write; the call turns the saver on and tells the system.
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\Velnora.scr"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_BROADCAST})'
SectionEnd

; Over an installed Velnora that is the current saver, with the box unticked
; in the wizard or /CURRENT=0: it stops being current, as the uninstaller does it.
Section "-Current off" SecCurrentOff
  ${If} $InstalledVersion != ""
  ${AndIf} $WasCurrent == 1
  ${AndIf} $KeepCurrent != 1
  ${AndIfNot} ${SectionIsSelected} ${SecCurrent}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATE_AND_BROADCAST})'
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograms} $(SecProgramsDesc)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecCurrent} $(SecCurrentDesc)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Without elevation (UAC off, a standard user) System32 cannot be written:
; say so and end with ERROR_ELEVATION_REQUIRED instead of failing half-way.
!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP|MB_OK "$(NeedsAdmin)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireAdmin
  SetRegView 64

  ; A newer Velnora stays: say so and change nothing.
  ClearErrors
  ReadRegStr $InstalledVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} ${Errors}
    StrCpy $InstalledVersion ""
  ${EndIf}
  ${If} $InstalledVersion != ""
    ${VersionCompare} $InstalledVersion "${VERSION}" $0
    ${If} $0 == 1
      MessageBox MB_ICONSTOP|MB_OK "$(NewerInstalled)" /SD IDOK
      SetErrorLevel ${ERROR_PRODUCT_VERSION}
      Quit
    ${EndIf}
  ${EndIf}

  Call IsCurrentSaver
  StrCpy $WasCurrent $0
  StrCpy $KeepCurrent 0
  ; /CURRENT= decides when given. Without it: a first install makes Velnora
  ; current in the wizard and not when silent; over an installed Velnora the
  ; wizard's box starts as things are, and a silent install keeps them so.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CURRENT=" $1
  ${If} ${Errors}
    ${If} $InstalledVersion != ""
      StrCpy $1 $WasCurrent
      ${If} ${Silent}
        StrCpy $KeepCurrent 1
      ${EndIf}
    ${ElseIf} ${Silent}
      StrCpy $1 0
    ${Else}
      StrCpy $1 1
    ${EndIf}
  ${EndIf}
  ${If} $1 == 1
    !insertmacro SelectSection ${SecCurrent}
  ${Else}
    !insertmacro UnselectSection ${SecCurrent}
  ${EndIf}
FunctionEnd

; Whether the current screen saver is the installed Velnora.scr: the same
; path, compared without regard to case, also in its short (8.3) form.
; $0: 1 or 0.
!macro IsCurrentSaverFunction PREFIX
Function ${PREFIX}IsCurrentSaver
  StrCpy $0 0
  ClearErrors
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${IfNot} ${Errors}
    ${If} $1 == "$SYSDIR\Velnora.scr"
      StrCpy $0 1
    ${Else}
      GetFullPathName /SHORT $2 "$SYSDIR\Velnora.scr"
      GetFullPathName /SHORT $3 $1
      ${If} $2 != ""
      ${AndIf} $2 == $3
        StrCpy $0 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro IsCurrentSaverFunction ""
!insertmacro IsCurrentSaverFunction "un."

Function un.onInit
  !insertmacro RequireAdmin
  SetRegView 64
FunctionEnd

Section "Uninstall"
  ; Before the file goes: the short-name comparison needs it.
  Call un.IsCurrentSaver
  ${If} $0 == 1
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATE_AND_BROADCAST})'
  ${EndIf}

  ; A saver that is running right now goes at the next restart.
  Delete /REBOOTOK "$SYSDIR\Velnora.scr"
  Delete /REBOOTOK "$SYSDIR\Velnora.dll"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The work folder C:\q_dorn_temp holds the user's settings: it stays.
SectionEnd

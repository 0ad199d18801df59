; SPDX-FileCopyrightText: 2026 钟约小组
;
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer: makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DEXE=zhongyue.exe
;   -DICON=zhongyue.ico -DPICTURE=installer.bmp -DLICENSES=folder -DOUT=zhongyue-setup.exe
;   installer.nsi
; For everyone or just for the person installing (scope.nsh), with a
; Start-menu shortcut, an entry in Add/Remove Programs and, when chosen, a
; shortcut that starts the program at login; /S installs and uninstalls
; without a question. The uninstaller takes away all that its install put down.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; No file times inside: two builds give the same bytes.
SetDateSave off
; No administrator is asked for before the choice that needs one.
RequestExecutionLevel user
; Its pages drawn at the screen's scale, not a 100 % page enlarged and blurred.
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NAME "钟约系统"
!define PUBLISHER "钟约小组"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\cn.zhongyue.ZhongYue"

Name "${NAME}"
OutFile "${OUT}"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${NAME}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${NAME} ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "© 2026 ${PUBLISHER}，GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURE}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION startProgram
; The words below the licence name its button as the button reads, 我接受(I):
; the Chinese strings of NSIS 3.08 send the reader to a [我同意(I)].
!define MUI_LICENSEPAGE_TEXT_BOTTOM "如果你接受许可证的条款，请点击 [我接受(I)] 继续安装。你必须在接受后才能安装 $(^NameDA) 。"
!define MUI_PAGE_CUSTOMFUNCTION_PRE skipWhenElevated
!insertmacro MUI_PAGE_LICENSE "${LICENSES}\COPYING.txt"
Page custom scopePage scopePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_SHOW noWayBackWhenElevated
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "scope.nsh"

; Started by the copy that has an administrator's rights, the program would
; have them too: Explorer, which runs as the person, starts it instead.
Function startProgram
    ${If} $elevated == 1
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\zhongyue.exe"'
    ${Else}
        Exec '"$INSTDIR\zhongyue.exe"'
    ${EndIf}
FunctionEnd

Var madeParentFolder

Section
    ; The folder that holds the person's own programs, when this install
    ; makes it, goes with the uninstall.
    ${GetParent} "$INSTDIR" $0
    StrCpy $madeParentFolder 0
    ${IfNot} ${FileExists} "$0\*.*"
        StrCpy $madeParentFolder 1
    ${EndIf}
    SetOutPath "$INSTDIR"
    File "${EXE}"
    SetOutPath "$INSTDIR\licenses"
    File /r "${LICENSES}\*.*"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\zhongyue.exe"
    ${If} $startAtLogin == 1
        CreateShortcut "$SMSTARTUP\${NAME}.lnk" "$INSTDIR\zhongyue.exe"
    ${Else}
        Delete "$SMSTARTUP\${NAME}.lnk"
    ${EndIf}

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zhongyue.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${If} $madeParentFolder == 1
        WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "MadeParentFolder" 1
    ${EndIf}
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$SMSTARTUP\${NAME}.lnk"
    Delete "$INSTDIR\zhongyue.exe"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ReadRegDWORD $0 SHCTX "${UNINSTALL_KEY}" "MadeParentFolder"
    ${If} $0 == 1
        ${GetParent} "$INSTDIR" $0
        RMDir "$0"
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; SPDX-FileCopyrightText: 2026 钟约小组
;
; SPDX-License-Identifier: GPL-3.0-or-later

; For whom the installer installs, and whether the program starts at login.
; For everyone: Program Files, the all-users Start menu and Startup folder,
; the Add/Remove Programs entry under HKLM; that takes an administrator.
; Just for me: %LOCALAPPDATA%\Programs, the person's own Start menu and
; Startup folder, the entry under HKCU; that takes none. The installer runs
; with the rights of whoever started it: only when everyone is chosen by
; someone who is not an administrator does it start itself again through
; Windows' "runas" verb, which asks for one (UAC), and waits for that copy.
; Switches: /AllUsers, /CurrentUser, /StartAtLogin; /Elevated is the copy's.

!include "LogicLib.nsh"
!include "nsDialogs.nsh"
!include "WinMessages.nsh"
!include "WinCore.nsh"

Var isAdmin       ; 1 when this process holds an administrator's rights
Var allUsers      ; 1 for everyone, 0 just for me
Var startAtLogin  ; 1 for a shortcut in the scope's Startup folder
Var elevated      ; 1 in the copy started to get an administrator's rights
Var givenDir      ; the folder /D= named, which no scope replaces
Var everyoneChoice
Var onlyMeChoice
Var loginChoice

; $0: whether the switch stands among this run's parameters (1 or 0).
!macro HAS_SWITCH PARAMETERS SWITCH
    ClearErrors
    ${GetOptions} "${PARAMETERS}" "${SWITCH}" $1
    ${If} ${Errors}
        StrCpy $0 0
    ${Else}
        StrCpy $0 1
    ${EndIf}
!macroend

!macro READ_ADMIN
    UserInfo::GetAccountType
    Pop $0
    StrCpy $isAdmin 0
    ${If} $0 == "Admin"
        StrCpy $isAdmin 1
    ${EndIf}
!macroend

; Starts this program again with the parameters in $0 and asks Windows for an
; administrator's rights for it, then waits for it. $0 is then its exit code,
; or "" when the rights were refused. SHELLEXECUTEINFOW on 64 bits: its ints
; that pointers follow are read and written as pointers, padding included.
!macro RUN_ELEVATED UN
Function ${UN}runElevated
    System::Call '*(&i112)p.r1'
    System::Call '*$1(i 112, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w r0, p 0, p ${SW_SHOWNORMAL})'
    System::Call 'shell32::ShellExecuteExW(p r1) i.r2'
    StrCpy $0 ""
    ${If} $2 <> 0
        System::Call '*$1(i, i, p, p, p, p, p, p, p, p, p, p, p, p, p .r3)'
        System::Call 'kernel32::WaitForSingleObject(p r3, i -1)'
        System::Call 'kernel32::GetExitCodeProcess(p r3, *i .r0)'
        System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    System::Free $1
FunctionEnd
!macroend
!insertmacro RUN_ELEVATED ""
!insertmacro RUN_ELEVATED "un."

; The scope's shell folders, registry root and default folder.
Function applyScope
    ${If} $allUsers == 1
        SetShellVarContext all
        StrCpy $0 "$PROGRAMFILES64\${NAME}"
    ${Else}
        SetShellVarContext current
        GetKnownFolderPath $0 ${FOLDERID_UserProgramFiles}
        ${If} $0 == ""
            StrCpy $0 "$LOCALAPPDATA\Programs"
        ${EndIf}
        StrCpy $0 "$0\${NAME}"
    ${EndIf}
    ${If} $givenDir == ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Function .onInit
    StrCpy $givenDir $INSTDIR
    !insertmacro READ_ADMIN
    ${GetParameters} $R0
    ; Without a switch: for everyone when an administrator runs it.
    StrCpy $allUsers $isAdmin
    !insertmacro HAS_SWITCH $R0 "/AllUsers"
    ${If} $0 == 1
        StrCpy $allUsers 1
    ${EndIf}
    !insertmacro HAS_SWITCH $R0 "/CurrentUser"
    ${If} $0 == 1
        StrCpy $allUsers 0
    ${EndIf}
    !insertmacro HAS_SWITCH $R0 "/StartAtLogin"
    StrCpy $startAtLogin $0
    !insertmacro HAS_SWITCH $R0 "/Elevated"
    StrCpy $elevated $0
    ${If} $elevated == 1
        StrCpy $allUsers 1
        ${If} $isAdmin == 0
            MessageBox MB_OK|MB_ICONSTOP "为所有用户安装需要管理员权限。" /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
    ${EndIf}
    Call applyScope
    ${If} ${Silent}
    ${AndIf} $allUsers == 1
        Call elevateSilently
    ${EndIf}
FunctionEnd

; /S for everyone, run without an administrator's rights: the copy that has
; them does the work, and its exit code is this one's (740, "the requested
; operation requires elevation", when they were refused).
Function elevateSilently
    ${If} $isAdmin == 1
        Return
    ${EndIf}
    StrCpy $0 "/Elevated $R0"
    ; The installer keeps /D= out of its parameters; it goes last again.
    ${If} $givenDir != ""
        StrCpy $0 "$0 /D=$givenDir"
    ${EndIf}
    Call runElevated
    ${If} $0 == ""
        StrCpy $0 740
    ${EndIf}
    SetErrorLevel $0
    Quit
FunctionEnd

Function skipWhenElevated
    ${If} $elevated == 1
        Abort
    ${EndIf}
FunctionEnd

; The copy's first page is the folder's: there is no page before it to go back to.
Function noWayBackWhenElevated
    ${If} $elevated == 1
        GetDlgItem $0 $HWNDPARENT 3
        EnableWindow $0 0
    ${EndIf}
FunctionEnd

Function scopePage
    ${If} $elevated == 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "选择安装方式" "为谁安装$(^NameDA)，登录时是否启动它。"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "为这台电脑的所有用户安装（需要管理员权限）(&A)"
    Pop $everyoneChoice
    ${NSD_CreateLabel} 12u 13u -12u 10u "装在 Program Files 里，每个用户的开始菜单里都有它。"
    Pop $0
    ${NSD_CreateRadioButton} 0 32u 100% 12u "只为我安装（不需要管理员权限）(&M)"
    Pop $onlyMeChoice
    ${NSD_CreateLabel} 12u 45u -12u 10u "装在你自己的程序文件夹里，只有你的开始菜单里有它。"
    Pop $0
    ${NSD_CreateCheckBox} 0 70u 100% 12u "登录 Windows 时自动启动钟约系统(&S)"
    Pop $loginChoice
    ${If} $allUsers == 1
        ${NSD_Check} $everyoneChoice
    ${Else}
        ${NSD_Check} $onlyMeChoice
    ${EndIf}
    ${If} $startAtLogin == 1
        ${NSD_Check} $loginChoice
    ${EndIf}
    ${NSD_OnClick} $everyoneChoice showShield
    ${NSD_OnClick} $onlyMeChoice showShield
    Call showShield
    nsDialogs::Show
FunctionEnd

; The shield on 下一步 says, as Windows' own dialogs do, that it will ask for
; an administrator.
Function showShield
    ${NSD_GetState} $everyoneChoice $0
    StrCpy $1 0
    ${If} $0 == ${BST_CHECKED}
    ${AndIf} $isAdmin == 0
        StrCpy $1 1
    ${EndIf}
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${BCM_SETSHIELD} 0 $1
FunctionEnd

Function scopePageLeave
    ${NSD_GetState} $everyoneChoice $allUsers
    ${NSD_GetState} $loginChoice $startAtLogin
    Call applyScope
    ${If} $allUsers == 1
    ${AndIf} $isAdmin == 0
        Call elevateWizard
    ${EndIf}
FunctionEnd

; The copy with an administrator's rights goes on from the folder's page; this
; one waits hidden and then ends, or, refused, stays on the choice.
Function elevateWizard
    StrCpy $0 "/Elevated"
    ${If} $startAtLogin == 1
        StrCpy $0 "$0 /StartAtLogin"
    ${EndIf}
    HideWindow
    Call runElevated
    ${If} $0 != ""
        Quit
    ${EndIf}
    ShowWindow $HWNDPARENT ${SW_SHOW}
    BringToFront
    MessageBox MB_OK|MB_ICONEXCLAMATION "没有得到管理员权限，不能为所有用户安装。$\r$\n选择“只为我安装”就不需要管理员权限。"
    Abort
FunctionEnd

; The uninstaller's scope is its install's: the entry under HKLM names its
; folder when it was installed for everyone.
Function un.onInit
    !insertmacro READ_ADMIN
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $allUsers 0
    SetShellVarContext current
    ${If} $0 == $INSTDIR
        StrCpy $allUsers 1
        SetShellVarContext all
    ${EndIf}
    ${If} $allUsers == 0
    ${OrIf} $isAdmin == 1
        Return
    ${EndIf}
    ${GetParameters} $R0
    !insertmacro HAS_SWITCH $R0 "/Elevated"
    ${If} $0 == 1
        MessageBox MB_OK|MB_ICONSTOP "为所有用户安装的$(^NameDA)要由管理员卸载。" /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
    ; The folder goes last, after _?=, as the uninstaller's first copy hands it
    ; to this one; it is not among the parameters read.
    StrCpy $0 "/Elevated $R0 _?=$INSTDIR"
    Call un.runElevated
    ${If} $0 == ""
        StrCpy $0 740
    ${EndIf}
    SetErrorLevel $0
    Quit
FunctionEnd

; The Windows installer: orvanta.exe, a Start menu entry with the program's icon, and an
; uninstaller listed in Apps & features; either for the current user alone (their own
; programs folder, no administrator needed) or for all users (Program Files, as an
; administrator). The user's settings in HKEY_CURRENT_USER\Software\Orvanta stay when the
; program is removed; what this copy left for the user who removes it goes (the start with
; the session, when it starts this copy, and the single-instance lock). The pages speak the
; user's language where NSIS has it.
;   /S            silent, for the current user: a silent run can show no prompt, and a user
;                 without an administrator's rights could not answer one anyway
;   /AllUsers     for all users; silent, only from an elevated process (else exit code 740)
;   /CurrentUser  for the current user (the page that asks is left out)
; cmake/WindowsPackages.cmake passes VERSION, VERSION4, COMPANY, COPYRIGHT, EXE, ICON,
; LICENSE and OUTFILE.
; A 64-bit installer for a 64-bit program (it also runs where only 64-bit programs can).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
; No administrator is asked for at the start: an install for all users starts the installer
; again, elevated, once it has been chosen.
RequestExecutionLevel user

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "Win\WinError.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Orvanta"
OutFile "${OUTFILE}"
BrandingText "Orvanta ${VERSION}"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "Orvanta"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Orvanta ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

Var Account     ; "Admin" when this process runs elevated
Var AllUsers    ; 1: Program Files, HKLM and everybody's Start menu; 0: the current user's own
Var ModeGiven   ; 1: /AllUsers or /CurrentUser said which
Var FolderGiven ; 1: /D= named the folder
Var AllUsersButton

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvanta.exe"
; First, so that an installer started again as an administrator goes on with the licence.
Page custom UsersPage UsersPageLeave
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include /CHARSET=UTF8 "languages.nsh"

; The installer again, as an administrator (Windows asks), going on for all users; this one
; ends. Returns when Windows could not start it or the user said no.
Function Elevate
    ClearErrors
    ExecShell "runas" "$EXEPATH" "/AllUsers"
    ${IfNot} ${Errors}
        Quit
    ${EndIf}
FunctionEnd

; The folders, the Start menu and the registry hive (SHCTX) of the install chosen.
Function UseMode
    ${If} $AllUsers = 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
    ${If} $FolderGiven = 1
        Return
    ${EndIf}
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation" ; an update stays put
    ${If} $INSTDIR != ""
        Return
    ${ElseIf} $AllUsers = 1
        StrCpy $INSTDIR "$PROGRAMFILES64\Orvanta"
    ${Else}
        GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; UserProgramFiles
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
        ${EndIf}
        StrCpy $INSTDIR "$INSTDIR\Orvanta"
    ${EndIf}
FunctionEnd

Function .onInit
    ; A 64-bit program: its registry view and Program Files, not the 32-bit ones.
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(NEEDS_64BIT)" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    UserInfo::GetAccountType
    Pop $Account
    ${If} $INSTDIR != ""
        StrCpy $FolderGiven 1
    ${EndIf}
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/CurrentUser" $1
    ${IfNot} ${Errors}
        StrCpy $ModeGiven 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        StrCpy $ModeGiven 1
        StrCpy $AllUsers 1
        ${If} $Account != "Admin"
            ${IfNot} ${Silent}
                Call Elevate
            ${EndIf}
            MessageBox MB_ICONSTOP "$(INSTALL_NEEDS_ADMIN)" /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
    ${EndIf}
    Call UseMode
FunctionEnd

; Windows' shield on the Next button while the choice made needs an administrator.
Function ShowShield
    Pop $0 ; the button clicked, or a placeholder
    ${NSD_GetState} $AllUsersButton $0
    GetDlgItem $1 $HWNDPARENT 1
    ${If} $0 = ${BST_CHECKED}
    ${AndIf} $Account != "Admin"
        SendMessage $1 ${BCM_SETSHIELD} 0 1
    ${Else}
        SendMessage $1 ${BCM_SETSHIELD} 0 0
    ${EndIf}
FunctionEnd

Function UsersPage
    ${If} $ModeGiven = 1
        Abort
    ${EndIf}
    ; An update of an install for all users is offered as one again.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $1 == ""
        StrCpy $AllUsers 1
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "$(MULTIUSER_TEXT_INSTALLMODE_TITLE)" \
        "$(MULTIUSER_TEXT_INSTALLMODE_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 36u "$(MULTIUSER_INNERTEXT_INSTALLMODE_TOP)"
    Pop $0
    ${NSD_CreateRadioButton} 10u 44u -10u 12u "$(MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER)"
    Pop $0
    ${NSD_OnClick} $0 ShowShield
    ${If} $AllUsers = 0
        ${NSD_Check} $0
    ${EndIf}
    ${NSD_CreateRadioButton} 10u 60u -10u 12u "$(MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS)"
    Pop $AllUsersButton
    ${NSD_OnClick} $AllUsersButton ShowShield
    ${If} $AllUsers = 1
        ${NSD_Check} $AllUsersButton
    ${EndIf}
    Push 0
    Call ShowShield
    nsDialogs::Show
FunctionEnd

Function UsersPageLeave
    ${NSD_GetState} $AllUsersButton $0
    StrCpy $AllUsers 0
    ${If} $0 = ${BST_CHECKED}
        StrCpy $AllUsers 1
    ${EndIf}
    ${If} $AllUsers = 1
    ${AndIf} $Account != "Admin"
        Call Elevate
        Abort ; not elevated: the choice stays open
    ${EndIf}
    GetDlgItem $1 $HWNDPARENT 1
    SendMessage $1 ${BCM_SETSHIELD} 0 0
    Call UseMode
FunctionEnd

Section "Orvanta"
    SetOutPath "$INSTDIR"
    File "${EXE}"
    File /oname=LICENSE.txt "${LICENSE}"
    Delete "$INSTDIR\copyright.txt" ; an earlier version's
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Orvanta.lnk" "$INSTDIR\orvanta.exe" "" "$INSTDIR\orvanta.exe" 0 \
        SW_SHOWNORMAL "" "$(SHORTCUT_COMMENT)"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Orvanta"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvanta.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The install for all users is the one listed for all users in this folder; removing it
; needs an administrator, asked for as the installer does.
Function un.onInit
    SetRegView 64
    StrCpy $AllUsers 0
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        StrCpy $AllUsers 1
        UserInfo::GetAccountType
        Pop $Account
        ${If} $Account != "Admin"
            ${IfNot} ${Silent}
                ClearErrors
                ExecShell "runas" "$EXEPATH" "_?=$INSTDIR"
                ${IfNot} ${Errors}
                    Quit
                ${EndIf}
            ${EndIf}
            MessageBox MB_ICONSTOP "$(REMOVE_NEEDS_ADMIN)" /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
    ${EndIf}
    ${If} $AllUsers = 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Orvanta.lnk"
    Delete "$INSTDIR\orvanta.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\copyright.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    ; The start with the session that the program wrote, when it starts this copy; another
    ; copy's entry is that copy's. Compared as Windows compares paths, ignoring case.
    ReadRegStr $0 HKCU "${RUN_KEY}" "Orvanta"
    ${If} $0 == '"$INSTDIR\orvanta.exe" --autostart'
        DeleteRegValue HKCU "${RUN_KEY}" "Orvanta"
    ${EndIf}
    ; The single-instance lock in the user's own local folder (with "all", $LOCALAPPDATA
    ; would be ProgramData's); a lock still held by a running copy stays.
    SetShellVarContext current
    Delete "$LOCALAPPDATA\Orvanta\orvanta-*.lock"
    RMDir "$LOCALAPPDATA\Orvanta"
    ; Last: an uninstall cut short stays listed, to be run again.
    ${If} $AllUsers = 1
        SetShellVarContext all
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

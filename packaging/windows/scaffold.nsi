; The installer of Scaffold for Windows, made by scripts/windows:
;   makensis -DVERSION=1.1 -DFOLDER=<the Scaffold folder> -DFILES=<files.nsh> -DOUTFILE=<setup.exe> scaffold.nsi
; FILES, written by scripts/windows from the folder, holds the macros
; InstallFiles and UninstallFiles: one line per file of the folder but
; Vocabulary.txt, which is handled here.
;
; Installs for the current user alone, with no administrator rights, into
; %LOCALAPPDATA%\Programs\Scaffold; adds Start menu entries for the game and
; for each level, and an uninstaller that the system's Apps list offers.
; setup.exe /S installs silently. A reinstall or an upgrade keeps a
; Vocabulary.txt the user edited; the uninstaller removes everything it
; installed and leaves only such an edited list behind.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Scaffold"

Name "Scaffold"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Scaffold"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Scaffold ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Scaffold"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Scaffold ${VERSION} setup"
VIAddVersionKey "CompanyName" "The Scaffold developers"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Scaffold developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\scaffold.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Scaffold"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "${FILES}"

; Sets $R9 to 1 when the files $R0 and $R1 differ or either cannot be read,
; else to 0.
!macro FILES_DIFFER
    StrCpy $R9 1
    ClearErrors
    FileOpen $R2 $R0 r
    ${IfNot} ${Errors}
        FileOpen $R3 $R1 r
        ${IfNot} ${Errors}
            FileSeek $R2 0 END $R4
            FileSeek $R3 0 END $R5
            ${If} $R4 == $R5
                FileSeek $R2 0 SET
                FileSeek $R3 0 SET
                StrCpy $R9 0
                ${Do}
                    ClearErrors
                    FileReadByte $R2 $R4
                    ${If} ${Errors}
                        ${Break}
                    ${EndIf}
                    FileReadByte $R3 $R5
                    ${If} $R4 != $R5
                        StrCpy $R9 1
                        ${Break}
                    ${EndIf}
                ${Loop}
            ${EndIf}
            FileClose $R3
        ${EndIf}
        FileClose $R2
    ${EndIf}
!macroend

; Sets $R9 to 1 when $INSTDIR holds a Vocabulary.txt that is not the list
; shipped with it (lists\intermediate.txt): one the user edited.
!macro LIST_EDITED
    StrCpy $R9 0
    ${If} ${FileExists} "$INSTDIR\Vocabulary.txt"
        StrCpy $R0 "$INSTDIR\Vocabulary.txt"
        StrCpy $R1 "$INSTDIR\lists\intermediate.txt"
        !insertmacro FILES_DIFFER
    ${EndIf}
!macroend

Section
    SetShellVarContext current
    !insertmacro LIST_EDITED
    StrCpy $R8 $R9
    !insertmacro InstallFiles
    SetOutPath "$INSTDIR"
    ${If} $R8 == 1
        DetailPrint "Keeping the edited word list $INSTDIR\Vocabulary.txt"
    ${Else}
        File "${FOLDER}\Vocabulary.txt"
    ${EndIf}
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\Scaffold"
    CreateShortcut "$SMPROGRAMS\Scaffold\Scaffold.lnk" "$INSTDIR\scaffold.exe" "" "$INSTDIR\scaffold.exe" 0 \
        SW_SHOWNORMAL "" "A word game that trains your vocabulary"
    CreateShortcut "$SMPROGRAMS\Scaffold\Beginner words.lnk" "$INSTDIR\scaffold.exe" \
        '"$INSTDIR\lists\beginner.txt"' "$INSTDIR\scaffold.exe" 0 SW_SHOWNORMAL "" "Play the beginner word list"
    CreateShortcut "$SMPROGRAMS\Scaffold\Intermediate words.lnk" "$INSTDIR\scaffold.exe" \
        '"$INSTDIR\lists\intermediate.txt"' "$INSTDIR\scaffold.exe" 0 SW_SHOWNORMAL "" "Play the intermediate word list"
    CreateShortcut "$SMPROGRAMS\Scaffold\Advanced words.lnk" "$INSTDIR\scaffold.exe" \
        '"$INSTDIR\lists\advanced.txt"' "$INSTDIR\scaffold.exe" 0 SW_SHOWNORMAL "" "Play the advanced word list"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Scaffold"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Scaffold developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\scaffold.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !insertmacro LIST_EDITED
    ${If} $R9 == 1
        DetailPrint "Keeping the edited word list $INSTDIR\Vocabulary.txt"
    ${Else}
        Delete "$INSTDIR\Vocabulary.txt"
    ${EndIf}
    !insertmacro UninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: an edited list, or a file of the user's own, stays.
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\Scaffold\Scaffold.lnk"
    Delete "$SMPROGRAMS\Scaffold\Beginner words.lnk"
    Delete "$SMPROGRAMS\Scaffold\Intermediate words.lnk"
    Delete "$SMPROGRAMS\Scaffold\Advanced words.lnk"
    RMDir "$SMPROGRAMS\Scaffold"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

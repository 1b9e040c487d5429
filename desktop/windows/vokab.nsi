; The Windows installer of Vokab, built by tools/windows/package.sh (makensis, run in the
; program folder laid out by `cmake --install`). It installs for the current user alone,
; without administrator rights, into %LOCALAPPDATA%\Programs\Vokab; the settings
; (HKCU\Software\Vokab2) and the user's data (%APPDATA%\Vokab2: dictionaries, statistics)
; belong to the program, not to the installation, and the uninstaller leaves them alone.
;
; Given by package.sh: VERSION, SIZE_KB (the program folder's size), FILES and UNFILES (the
; lists of what is installed and removed, file by file), ICON, OUTFILE.

; 64-bit like the program it installs (Unicode)
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Vokab"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vokab"
!define PROG_ID "Vokab.Slovnik"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vokab"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1029 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1029 "FileDescription" "Instalace programu ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "LegalCopyright" "Vokab authors, GPL-2+"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vokab.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

; Tells Explorer that a file association changed (SHCNE_ASSOCCHANGED).
!macro AssociationsChanged
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Vokab"
    SetShellVarContext current
    SetOverwrite on
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Vokab.lnk" "$INSTDIR\vokab.exe" "" "$INSTDIR\vokab.exe" 0 \
        SW_SHOWNORMAL "" "Procvičování slovíček cizích jazyků"

    ; Apps & features: the uninstaller of this user's installation.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vokab"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://vokab.example.org/"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vokab.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

    ; Dictionaries (.slv) open in the editor on a double click: "vokab.exe SLOVNIK.slv".
    WriteRegStr HKCU "Software\Classes\.slv" "" "${PROG_ID}"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}" "" "Slovník programu Vokab"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\vokab.exe,0"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\shell\open\command" "" \
        '"$INSTDIR\vokab.exe" "%1"'
    !insertmacro AssociationsChanged
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; Only what the installer wrote: the dictionaries, statistics and settings of the user
    ; (%APPDATA%\Vokab2, HKCU\Software\Vokab2) stay, and so does any file the user put into
    ; the program folder (RMDir removes empty folders only).
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Vokab.lnk"

    ; The association goes only while it is still ours.
    ReadRegStr $0 HKCU "Software\Classes\.slv" ""
    StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.slv"
    DeleteRegKey HKCU "Software\Classes\${PROG_ID}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    !insertmacro AssociationsChanged
SectionEnd

; Instalator Pontivy dla Windows 64-bit (NSIS, sam też 64-bitowy). Buduje go scripts/windows:
;   makensis -DWERSJA=1.0.0 -DPAKIET=<katalog rozpakowanego zipa> -DWYJSCIE=<setup.exe> pontiva.nsi
; Instaluje do Program Files, dodaje skrót w menu Start, otwieranie plików .PTV i .PJZ
; w programie i deinstalator. Deinstalator usuwa tylko to, co zainstalował: katalogi JNI,
; Raporty, Pojazdy, PT.INI i PTU.TXT użytkownika zostają (także gdy leżą obok programu).

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define NAZWA "Pontiva"
!define KLUCZ_DEINSTALACJI "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pontiva"
!define TYP_PTV "Pontiva.PlikRoboczy"
!define TYP_PJZ "Pontiva.PlikPojazdu"

Name "${NAZWA} ${WERSJA}"
OutFile "${WYJSCIE}"
InstallDir "$PROGRAMFILES64\${NAZWA}"
InstallDirRegKey HKLM "${KLUCZ_DEINSTALACJI}" "InstallLocation"
BrandingText "${NAZWA} ${WERSJA}"
VIProductVersion "${WERSJA}.0"
VIAddVersionKey /LANG=1045 "ProductName" "${NAZWA}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu ${NAZWA}"
VIAddVersionKey /LANG=1045 "FileVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${PAKIET}\pontiva.ico"
!define MUI_UNICON "${PAKIET}\pontiva.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pontiva.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\CZYTAJ.TXT"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${PAKIET}\LICENCJA.TXT"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Pontiva wymaga 64-bitowego systemu Windows."
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Pontiva" SekcjaProgramu
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PAKIET}\pontiva.exe"
  File "${PAKIET}\pontiva-cli.exe"
  File "${PAKIET}\pontiva.ico"
  File "${PAKIET}\CZYTAJ.TXT"
  File "${PAKIET}\LICENCJA.TXT"
  SetOutPath "$INSTDIR\licencje"
  File "${PAKIET}\licencje\*.*"
  SetOutPath "$INSTDIR\przyklady"
  File /r "${PAKIET}\przyklady\*.*"
  SetOutPath "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\${NAZWA}.lnk" "$INSTDIR\pontiva.exe" "" "$INSTDIR\pontiva.exe" 0

  ; Pliki robocze i pliki pojazdów otwierane w programie (dwuklik w Eksploratorze).
  WriteRegStr HKLM "Software\Classes\.PTV" "" "${TYP_PTV}"
  WriteRegStr HKLM "Software\Classes\${TYP_PTV}" "" "Plik roboczy obiektu mostowego (Pontiva)"
  WriteRegStr HKLM "Software\Classes\${TYP_PTV}\DefaultIcon" "" "$INSTDIR\pontiva.exe,0"
  WriteRegStr HKLM "Software\Classes\${TYP_PTV}\shell\open\command" "" '"$INSTDIR\pontiva.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.PJZ" "" "${TYP_PJZ}"
  WriteRegStr HKLM "Software\Classes\${TYP_PJZ}" "" "Pojazd nienormatywny (Pontiva)"
  WriteRegStr HKLM "Software\Classes\${TYP_PJZ}\DefaultIcon" "" "$INSTDIR\pontiva.exe,0"
  WriteRegStr HKLM "Software\Classes\${TYP_PJZ}\shell\open\command" "" '"$INSTDIR\pontiva.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteUninstaller "$INSTDIR\odinstaluj.exe"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "DisplayName" "${NAZWA}"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "DisplayVersion" "${WERSJA}"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "DisplayIcon" "$INSTDIR\pontiva.exe,0"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "Publisher" "Zespół Pontiva"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${KLUCZ_DEINSTALACJI}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${KLUCZ_DEINSTALACJI}" "NoModify" 1
  WriteRegDWORD HKLM "${KLUCZ_DEINSTALACJI}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${NAZWA}.lnk"
  ; Tylko pliki instalatora; dane użytkownika obok programu zostają.
  Delete "$INSTDIR\pontiva.exe"
  Delete "$INSTDIR\pontiva-cli.exe"
  Delete "$INSTDIR\pontiva.ico"
  Delete "$INSTDIR\CZYTAJ.TXT"
  Delete "$INSTDIR\LICENCJA.TXT"
  RMDir /r "$INSTDIR\licencje"
  RMDir /r "$INSTDIR\przyklady"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"

  ReadRegStr $0 HKLM "Software\Classes\.PTV" ""
  StrCmp $0 "${TYP_PTV}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.PTV"
  ReadRegStr $0 HKLM "Software\Classes\.PJZ" ""
  StrCmp $0 "${TYP_PJZ}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.PJZ"
  DeleteRegKey HKLM "Software\Classes\${TYP_PTV}"
  DeleteRegKey HKLM "Software\Classes\${TYP_PJZ}"
  DeleteRegKey HKLM "${KLUCZ_DEINSTALACJI}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

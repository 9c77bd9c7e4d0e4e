; KellavorSetup.exe: installs the input method for all users of the machine. Built by the Windows
; build (target kellavor_setup) with these defines:
;   OUTFILE, VERSION            the setup file and the product version
;   DATA                        the install folder the build wrote (dictionaries, defaults, spell\)
;   THEMES                      the folder of the shipped theme packages
;   MODULE64, MODULE32          the 64-bit and the 32-bit module; MODULE32 may be left out
;   WRITER, VARNELLO, ORRISETT  the programs beside the module
;   VIEWER, DICTSITE            the word-detail viewer and the local dictionary site it starts
;
; Modules that applications still have loaded cannot be replaced or deleted. Such a file is
; renamed aside under a name of its own and that name is deleted at the next start of Windows:
; the new module takes the old name at once, and a later install never loses its file to a
; removal scheduled earlier.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include LogicLib.nsh
!include WinMessages.nsh

!define PRODUCT "Veltrani"
!define SETUP_KEY "SoftWare\Cendravia\KellavorIME"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KellavorIME"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define LAYOUTS_KEY "SYSTEM\CurrentControlSet\Control\Keyboard Layouts"
!define MODULE "KellavorIme.ime"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kellavor IME"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Puts source into folder under name. A file that is in use (a module loaded by applications, a
; dictionary they have mapped) is renamed aside first and that name is removed at the next start
; of Windows.
!macro PlaceFile folder name source
  !insertmacro RemoveFile "${folder}" "${name}"
  SetOutPath "${folder}"
  File "/oname=${name}" "${source}"
!macroend

; Removes folder\name the same way.
!macro RemoveFile folder name
  Delete "${folder}\${name}"
  ${If} ${FileExists} "${folder}\${name}"
    System::Call "kernel32::GetTickCount() i .r1"
    Rename "${folder}\${name}" "${folder}\${name}.$1.old"
    Delete /REBOOTOK "${folder}\${name}.$1.old"
  ${EndIf}
!macroend

; Stops a running external writer: its window closes on WM_CLOSE and the program ends.
!macro StopWriter
  FindWindow $0 "Tessal_ExtWriteCl" "Tessal_ExtWriteWi"
  ${If} $0 != 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    Sleep 500
  ${EndIf}
!macroend

Section "Install"
  SetRegView 64
  !insertmacro StopWriter

  !insertmacro PlaceFile "$INSTDIR" "data_si.bin" "${DATA}\data_si.bin"
  !insertmacro PlaceFile "$INSTDIR" "data_ph.bin" "${DATA}\data_ph.bin"
  !insertmacro PlaceFile "$INSTDIR" "data_de.bin" "${DATA}\data_de.bin"
!ifdef LANGUAGE_MODEL
  !insertmacro PlaceFile "$INSTDIR" "data_lm.bin" "${DATA}\data_lm.bin"
!endif
  SetOutPath "$INSTDIR"
  File "${DATA}\config.ini"
  File "${DATA}\custom.ini"
  File "${DATA}\mohuyin.Ini"
  File "${WRITER}"
  File "${VARNELLO}"
  File "${ORRISETT}"
  ; A viewer and its site may be running while the setup replaces them.
  !insertmacro PlaceFile "$INSTDIR" "Nerovask.exe" "${VIEWER}"
  !insertmacro PlaceFile "$INSTDIR" "kellavor_dictsite.exe" "${DICTSITE}"
  SetOutPath "$INSTDIR\spell"
  File /r "${DATA}\spell\*.*"
  SetOutPath "$INSTDIR\themes"
  File "${THEMES}\*.thm"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  !insertmacro PlaceFile "$WINDIR\System32" "${MODULE}" "${MODULE64}"
!ifdef MODULE32
  !insertmacro PlaceFile "$WINDIR\SysWOW64" "${MODULE}" "${MODULE32}"
!endif

  ; The install folder in both registry views: the 64-bit and the 32-bit module each read their own.
  WriteRegStr HKLM "${SETUP_KEY}" "mainPath" "$INSTDIR\"
  SetRegView 32
  WriteRegStr HKLM "${SETUP_KEY}" "mainPath" "$INSTDIR\"
  SetRegView 64

  ; The keyboard layout for Chinese (PRC) that names the module: the one an earlier install made,
  ; or the first free id E020 0804 to E0FF 0804.
  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "LayoutId"
  ${If} $2 != ""
    ReadRegStr $3 HKLM "${LAYOUTS_KEY}\$2" "Ime File"
    ${If} $3 != "${MODULE}"
      StrCpy $2 ""
    ${EndIf}
  ${EndIf}
  ${If} $2 == ""
    StrCpy $1 0x20
    ${Do}
      IntFmt $2 "E0%02X0804" $1
      ReadRegStr $3 HKLM "${LAYOUTS_KEY}\$2" "Layout File"
      ${If} $3 == ""
        ${Break}
      ${EndIf}
      IntOp $1 $1 + 1
    ${LoopUntil} $1 > 0xFF
  ${EndIf}
  WriteRegStr HKLM "${LAYOUTS_KEY}\$2" "Ime File" "${MODULE}"
  WriteRegStr HKLM "${LAYOUTS_KEY}\$2" "Layout File" "kbdus.dll"
  WriteRegStr HKLM "${LAYOUTS_KEY}\$2" "Layout Text" "${PRODUCT}"

  ; The external writer runs in every user's session from logon on, and at once for this one.
  WriteRegStr HKLM "${RUN_KEY}" "KellavorWriter" '"$INSTDIR\KellavorWriter.exe"'
  Exec '"$INSTDIR\KellavorWriter.exe"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} (Kellavor IME)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "LayoutId" "$2"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  !insertmacro StopWriter

  !insertmacro RemoveFile "$WINDIR\System32" "${MODULE}"
  !insertmacro RemoveFile "$WINDIR\SysWOW64" "${MODULE}"


  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "LayoutId"
  ${If} $2 != ""
    ReadRegStr $3 HKLM "${LAYOUTS_KEY}\$2" "Ime File"
    ${If} $3 == "${MODULE}"
      DeleteRegKey HKLM "${LAYOUTS_KEY}\$2"
    ${EndIf}
  ${EndIf}
  DeleteRegValue HKLM "${RUN_KEY}" "KellavorWriter"
  DeleteRegKey HKLM "${SETUP_KEY}"
  DeleteRegKey /ifempty HKLM "SoftWare\Cendravia"
  SetRegView 32
  DeleteRegKey HKLM "${SETUP_KEY}"
  DeleteRegKey /ifempty HKLM "SoftWare\Cendravia"
  SetRegView 64
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  !insertmacro RemoveFile "$INSTDIR" "data_si.bin"
  !insertmacro RemoveFile "$INSTDIR" "data_ph.bin"
  !insertmacro RemoveFile "$INSTDIR" "data_de.bin"
  !insertmacro RemoveFile "$INSTDIR" "data_lm.bin"
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\custom.ini"
  Delete "$INSTDIR\mohuyin.Ini"
  Delete /REBOOTOK "$INSTDIR\KellavorWriter.exe"
  Delete "$INSTDIR\Varnello.exe"
  Delete "$INSTDIR\Orrisett.exe"
  !insertmacro RemoveFile "$INSTDIR" "Nerovask.exe"
  !insertmacro RemoveFile "$INSTDIR" "kellavor_dictsite.exe"
  RMDir /r "$INSTDIR\spell"
  RMDir /r "$INSTDIR\themes"
  Delete "$INSTDIR\uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"
SectionEnd

#!/usr/bin/env bash
# The setup under Wine in a fresh prefix of its own: a silent install, after which the recorded
# layout types Chinese through Wine's input-method manager (setup_check, which installs nothing);
# an upgrade while a program holds the module; a silent uninstall after which nothing of the
# install remains.
#   setup_test.sh SETUP CHECK PREFIX MODULE32
set -uo pipefail
setup=$1
check=$2
export WINEPREFIX=$3
module32=$4
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

passes=0
failures=0
pass() { echo "ok: $1"; passes=$((passes + 1)); }
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }
expect() {  # description, command...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}
absent() {
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then fail "$what"; else pass "$what"; fi
}
reg_has() { wine reg query "$1" /v "$2"; }
key_exists() { wine reg query "$1"; }

# A prefix left by an earlier run goes first, with anything still running in it.
[ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
xvfb-run -a sh -c '
  wineboot -i
  wineserver -w
' >/dev/null 2>&1

folder="$WINEPREFIX/drive_c/Program Files/Kellavor IME"
system="$WINEPREFIX/drive_c/windows/system32"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KellavorIME'

# The probes run in a Chinese locale, where the layout for Chinese (PRC) can be activated.
xvfb-run -a sh -c '
  wine "$0" /S
  echo "install exit $?"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  wine "$1" type
  echo "check exit $?"
  wine "$1" hold 40 > "$WINEPREFIX/hold.log" &
  for i in $(seq 60); do grep -q holding "$WINEPREFIX/hold.log" && break; sleep 1; done
  wine "$0" /S
  echo "upgrade exit $?"
  wine reg query "HKLM\\System\\CurrentControlSet\\Control\\Session Manager" /v PendingFileRenameOperations
  wait
  wine "$1" type
  echo "check after upgrade exit $?"
' "$setup" "$check" > "$WINEPREFIX/install.log" 2>&1
cat "$WINEPREFIX/install.log"

expect "setup exits 0" grep -q "install exit 0" "$WINEPREFIX/install.log"
expect "the installed layout types Chinese" grep -q "check exit 0" "$WINEPREFIX/install.log"
expect "the upgrade exits 0" grep -q "upgrade exit 0" "$WINEPREFIX/install.log"
expect "the program holding the module kept running" grep -q "holding" "$WINEPREFIX/hold.log"
expect "the upgraded install types Chinese" grep -q "check after upgrade exit 0" "$WINEPREFIX/install.log"
expect "the 64-bit module is in the system folder" test -f "$system/KellavorIme.ime"
if [ -f "$module32" ]; then
  expect "the 32-bit module is in the 32-bit system folder" test -s "$WINEPREFIX/drive_c/windows/syswow64/KellavorIme.ime"
fi
expect "the module in use was renamed aside for removal at restart" \
  grep -qE 'KellavorIme\.ime\.[0-9]+\.old' "$WINEPREFIX/install.log"
absent "no removal at restart names the module itself" grep -qE 'KellavorIme\.ime\\0' "$WINEPREFIX/install.log"
expect "the dictionaries are installed" test -f "$folder/data_si.bin"
expect "the spell folder is installed" test -f "$folder/spell/de_DE.dic"
expect "the themes are installed" test -f "$folder/themes/Lagoon.thm"
expect "the programs are installed" test -f "$folder/Orrisett.exe" -a -f "$folder/Varnello.exe" -a -f "$folder/KellavorWriter.exe" -a -f "$folder/Nerovask.exe" -a -f "$folder/kellavor_dictsite.exe"
expect "mainPath in the 64-bit view" reg_has 'HKLM\SoftWare\Cendravia\KellavorIME' mainPath
expect "mainPath in the 32-bit view" reg_has 'HKLM\SoftWare\Wow6432Node\Cendravia\KellavorIME' mainPath
expect "the uninstall entry" reg_has "$uninstall" UninstallString
expect "the writer starts at logon" reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' KellavorWriter

xvfb-run -a sh -c '
  wine "$0" /S
  wineserver -w
' "C:\\Program Files\\Kellavor IME\\uninstall.exe" >> "$WINEPREFIX/install.log" 2>&1

absent "the install folder is gone" test -e "$folder"
absent "the module is gone" test -e "$system/KellavorIme.ime"
absent "the setup key is gone" key_exists 'HKLM\SoftWare\Cendravia\KellavorIME'
absent "the 32-bit setup key is gone" key_exists 'HKLM\SoftWare\Wow6432Node\Cendravia\KellavorIME'
absent "the uninstall entry is gone" key_exists "$uninstall"
absent "the logon entry is gone" reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' KellavorWriter
absent "no layout names the module" sh -c "wine reg query 'HKLM\\System\\CurrentControlSet\\Control\\Keyboard Layouts' /s | grep -qi KellavorIme"

wineserver -k >/dev/null 2>&1
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

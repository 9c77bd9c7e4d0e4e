#!/usr/bin/env bash
# The installed input method at work: installs SETUP silently into a fresh Wine prefix under
# FOLDER, opens notepad on a 1024x768 virtual desktop under Xvfb in a Chinese locale, and has the
# driver type the demonstration into it, saving screenshots to FOLDER/*.png; prints what notepad
# holds at the end. The prefix stays for typing by hand (see the README).
#   run_demo.sh SETUP DRIVER FOLDER
set -uo pipefail
setup=$1
driver=$2
folder=$(realpath -m "$3")
export WINEPREFIX="$folder/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Pinyin: a word, a sentence whose first candidate is chosen by digit, Chinese punctuation; Shift
# tapped alone switches to German, shown as a vertical list where the candidates carry their
# glosses (set as the settings program would, then set back); back in pinyin, Ctrl+Shift+L turns
# traditional output on for one word and off again.
steps=(
  keys:nihao shot:01-pinyin-candidates keys:{Space}
  keys:woxiangqubeijing shot:02-sentence keys:1 keys:,
  keys:{Shift} setting:UI/showmode=1 keys:haus shot:03-german-glosses keys:{Space}
  setting:UI/showmode=0 keys:{Shift}
  keys:{Ctrl+Shift+L} keys:zhongguo shot:04-traditional keys:1 keys:{Ctrl+Shift+L} keys:.
  shot:05-final-text
)

[ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX" "$folder"/*.png
mkdir -p "$folder"
log="$folder/demo.log"
xvfb-run -a sh -c 'wineboot -i && wineserver -w' >/dev/null 2>&1 || { echo "demo: wineboot failed"; exit 1; }

xvfb-run -a sh -c 'wine "$0" /S; status=$?; wineserver -k; exit $status' "$setup" >/dev/null 2>&1 \
  || { echo "demo: the setup failed"; exit 1; }
echo "installed $(basename "$setup") into $WINEPREFIX"
# The driver runs on a virtual desktop of 1024x768 and opens notepad there itself, so both share
# the desktop; it closes notepad when it is done. The desktop stays while the programs the input
# method started (the word-detail viewer) run, so the prefix is ended once the driver has printed
# its last line. Should the driver not find notepad (Wine still finishing the prefix's start-up),
# the session runs once more.
session() {
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    unset WINEDLLOVERRIDES
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    wine explorer /desktop=KellavorDemo,1024x768 "$@"
  ' demo "$(winepath -w "$driver")" "$(winepath -w "$folder")" "${steps[@]}" > "$log.raw" 2>&1 &
  local running=$!
  for _ in $(seq 300); do
    grep -q -e "^notepad holds:" -e "^kellavor_demo:" "$log.raw" && break
    kill -0 "$running" 2>/dev/null || break
    sleep 1
  done
  wineserver -k >/dev/null 2>&1
  wait "$running"
  grep -v -e wine32 -e fixme: "$log.raw" | tee "$log"
  grep -q "^notepad holds:" "$log"
}
session || { echo "demo: once more"; session; }

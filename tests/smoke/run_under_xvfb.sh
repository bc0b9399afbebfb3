#!/usr/bin/env bash
# Starts the built program on a private X display, types a sender name, tabs
# out (which must save the book settings at once), types an addressee and
# prints it with F6 (to the built-in PDF printer, the only one here), then
# presses Escape and expects a clean exit with code 0.
#   run_under_xvfb.sh PROGRAM DATA_FOLDER
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program=$1; data=$2; work=$3
export ALLUSERSPROFILE=$work HOME=$work XDG_CONFIG_HOME=$work
unset QT_QPA_PLATFORM WAYLAND_DISPLAY CUPS_SERVER
cd "$data"
"$program" >"$work/out.txt" 2>&1 &
pid=$!
fail() { echo "smoke: $*"; cat "$work/out.txt"; kill "$pid" 2>/dev/null || true; exit 1; }

window=$(timeout 20 xdotool search --sync --name "^Quillmark 2.80 - Addresses.adb$" | head -n 1) || fail "no window"
xdotool windowfocus --sync "$window" || fail "could not focus the window"
sleep 0.3
xdotool type --delay 30 "Jane Sender"
xdotool key Tab
settings="$work/Quillmark/Addresses.inf"
for _ in $(seq 1 100); do
  grep -q "^Name = Jane Sender" "$settings" 2>/dev/null && break
  sleep 0.1
done
grep -q "^Name = Jane Sender" "$settings" || fail "the sender name was not saved on Tab"

# Tab on to the addressee name, type it, and print.
xdotool key Tab Tab
xdotool type --delay 30 "John Smith"
xdotool key F6
pdf="$work/Documents/Quillmark Envelopes/Quillmark - JOHN SMITH.pdf"
for _ in $(seq 1 100); do
  [ -s "$pdf" ] && grep -q "^John Smith^" "$work/Quillmark/Addresses.adb" 2>/dev/null && break
  sleep 0.1
done
[ -s "$pdf" ] || fail "F6 wrote no PDF envelope"
grep -q "^John Smith^^^^^^0^1" "$work/Quillmark/Addresses.adb" || fail "the printed addressee was not filed"
xdotool key Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end the program"
wait "$pid"; rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
echo "smoke: window shown, sender saved on Tab, envelope printed and filed, Escape ended with code 0"
INNER
chmod +x "$work/inner.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/inner.sh" "$program" "$data" "$work"

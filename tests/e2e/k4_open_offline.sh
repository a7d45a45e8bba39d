#!/bin/bash
# A 4K switcher (type 0x69) opened by a double-click: the panel shows the state
# it was given (checked on screen, the colours of lit keys) and sends a wipe
# key's code; when the switcher falls silent, OK on "Device offline" brings
# the search window back. The Vy road test covers the rest of that road.
. "$(dirname "$0")/lib.sh"
e2e_one_switcher 69 Zv-Solvenzari-4K

# State: PGM 3, PVW colour bar, wipe kind 4 with group 3 current (byte 34 -> icon 33).
record=$(python3 - <<'PY'
r = bytearray(200)
r[0], r[1], r[11], r[12] = 3, 9, 4, 34
# Group bytes are the current icon plus one.
r[13:23] = bytes([2, 13, 34, 40, 56, 65, 72, 79, 83, 89])
print("00" + r.hex())
PY
)
e2e_control 1 "reply a5 0a $record"
frame() { echo " a56c$1a5ff01[0-9a-f]{18}$2"; }

e2e_wait_rows 1 60 || e2e_fail "the 4K switcher is not listed"
e2e_click $((E2E_LIST_X + 100)) $((E2E_LIST_Y + E2E_ROW_H / 2)) double
e2e_wait_log 1 "$(frame 1400 0a)" 30 || e2e_fail "the panel did not ask for the state"
id=$(e2e_wait_window Zv-Solvenzari-4K 30) || e2e_fail "no 4K panel window"
read -r px py < <(e2e_in_app xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')

# Colour of the panel at a form position (background widget coordinates).
pixel() {
  convert "$E2E_DIR/panel.png" -crop "1x1+$((px + $1 - 90))+$((py + $2 - 10))" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
reddish() { awk '{exit !($1 > 150 && $2 < 110 && $3 < 110)}' <<<"$1"; }
greenish() { awk '{exit !($2 > 120 && $1 < 110 && $3 < 130)}' <<<"$1"; }
# The state is shown once painted: look again until it is, or give up after 30 s.
for ((t = 0; t < 60; t++)); do
  e2e_screenshot "$E2E_DIR/panel.png"
  pgm3=$(pixel 590 640); pgm1=$(pixel 346 640); pvwbar=$(pixel 834 735); grp3=$(pixel 746 505)
  reddish "$pgm3" && greenish "$pvwbar" && greenish "$grp3" && break
  sleep 0.5
done
reddish "$pgm3" || e2e_fail "PGM 3 not lit red ($pgm3)"
reddish "$pgm1" && e2e_fail "PGM 1 lit ($pgm1)"
greenish "$pvwbar" || e2e_fail "PVW BAR not lit green ($pvwbar)"
greenish "$grp3" || e2e_fail "wipe group 3 not lit ($grp3)"

# Wipe group 1 sends its code 116 (0x74).
e2e_in_app xdotool mousemove $((px + 579 - 90 + 28)) $((py + 500 - 10 + 20)) click 1
e2e_wait_log 1 "$(frame 1500 9274)" 30 || e2e_fail "wipe group 1 sent no code 116"

e2e_control 1 silent
box=$(e2e_wait_window Warning 60) || e2e_fail "no \"Device offline\" warning"
# OK again until the box is gone: a key press can be lost on a loaded display.
for ((t = 0; t < 60; t++)); do e2e_press_ok "$box"; [ -z "$(e2e_window Warning)" ] && break; sleep 0.5; done
e2e_wait_window Zv-Solvenzari 60 >/dev/null || e2e_fail "search window not back"
[ -z "$(e2e_window Zv-Solvenzari-4K)" ] || e2e_fail "the panel is still shown"
echo "PASS"

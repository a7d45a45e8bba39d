#!/bin/bash
# A 4K switcher (type 0x69) is opened by a double-click on its entry: the panel
# asks for the state, then sends a heartbeat every second, shows the state it
# was given and sends a wipe key's code. When the switcher falls silent, the
# panel reports "Device offline"; after OK the search window is back, empty,
# and searching again, and no heartbeat follows.
. "$(dirname "$0")/lib.sh"
e2e_init
e2e_net 1
e2e_standin 1 69 Zv-Solvenzari-4K

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
e2e_start_x
e2e_start_panel

request=' a56c1b0081ff'
frame() { echo " a56c$1a5ff01[0-9a-f]{18}$2"; }
state=$(frame 1400 0a)
heart=$(frame 1400 06)

e2e_wait_log 1 "$request" 10 || e2e_fail "no discovery request"
e2e_wait_rows 1 10 || e2e_fail "the 4K switcher is not listed"
e2e_click $((E2E_LIST_X + 100)) $((E2E_LIST_Y + E2E_ROW_H / 2)) double
e2e_wait_log 1 "$state" 5 || e2e_fail "the panel did not ask for the state"
[ "$(e2e_count_log 1 "$state")" = 1 ] || e2e_fail "more than one state request at open"
e2e_wait_count 1 "$heart" 2 4 || e2e_fail "no heartbeat every second"

panel_id() { e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari-4K$' 2>/dev/null | head -1; }
id=$(panel_id)
[ -n "$id" ] || e2e_fail "no 4K panel window"
e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari$' >/dev/null 2>&1 && e2e_fail "search window still shown"
read -r px py < <(e2e_in_app xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')

# Colour of the panel at a form position (background widget coordinates).
pixel() {
  convert "$E2E_DIR/panel.png" -crop "1x1+$((px + $1 - 90))+$((py + $2 - 10))" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
reddish() { awk '{exit !($1 > 150 && $2 < 110 && $3 < 110)}' <<<"$1"; }
greenish() { awk '{exit !($2 > 120 && $1 < 110 && $3 < 130)}' <<<"$1"; }
sleep 0.5
e2e_screenshot "$E2E_DIR/panel.png"
pgm3=$(pixel 590 640); pgm1=$(pixel 346 640); pvwbar=$(pixel 834 735); grp3=$(pixel 746 505)
reddish "$pgm3" || e2e_fail "PGM 3 not lit red ($pgm3)"
reddish "$pgm1" && e2e_fail "PGM 1 lit ($pgm1)"
greenish "$pvwbar" || e2e_fail "PVW BAR not lit green ($pvwbar)"
greenish "$grp3" || e2e_fail "wipe group 3 not lit ($grp3)"

# Wipe group 1 sends its code 116 (0x74).
e2e_in_app xdotool mousemove $((px + 579 - 90 + 28)) $((py + 500 - 10 + 20)) click 1
e2e_wait_log 1 "$(frame 1500 9274)" 3 || e2e_fail "wipe group 1 sent no code 116"

# Silence: the next check (at most 10 s away) reports the device offline.
e2e_control 1 silent
box=""
for ((t = 0; t < 240; t++)); do
  box=$(e2e_in_app xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -1 || true)
  [ -n "$box" ] && break
  sleep 0.05
done
[ -n "$box" ] || e2e_fail "no \"Device offline\" warning"
hearts=$(e2e_count_log 1 "$heart")
searches=$(e2e_count_log 1 "$request")
e2e_in_app xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
for ((t = 0; t < 100; t++)); do
  e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari$' >/dev/null 2>&1 && break
  sleep 0.05
done
e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari$' >/dev/null 2>&1 || e2e_fail "search window not back"
[ -z "$(panel_id)" ] || e2e_fail "the panel is still shown"
e2e_wait_count 1 "$request" $((searches + 1)) 5 || e2e_fail "no new search after the panel ended"
e2e_wait_rows 0 3 || e2e_fail "the list was not emptied"
sleep 2.5
[ "$(e2e_count_log 1 "$heart")" = "$hearts" ] || e2e_fail "heartbeats went on after the panel ended"
echo "PASS"

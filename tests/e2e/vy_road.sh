#!/bin/bash
# The Vy panel's road: a double-click on the listed switcher opens the panel,
# which asks for the state once and then sends a heartbeat every second. When
# the switcher falls silent, "Device offline"; after OK the search window is
# back with an empty list and searching again, and no heartbeat follows.
. "$(dirname "$0")/lib.sh"
e2e_one_switcher

frame() { echo " a56c$1a5ff01[0-9a-f]{18}$2"; }
state=$(frame 1400 0a)
heart=$(frame 1400 06)

e2e_wait_rows 1 60 || e2e_fail "the Vy switcher is not listed"
e2e_click $((E2E_LIST_X + 100)) $((E2E_LIST_Y + E2E_ROW_H / 2)) double
e2e_wait_log 1 "$state" 30 || e2e_fail "the panel did not ask for the state"
# Waits are on events with generous bounds: a loaded machine only makes them slower.
e2e_wait_count 1 "$heart" 3 30 || e2e_fail "fewer than 3 heartbeats"
[ "$(e2e_count_log 1 "$state")" = 1 ] || e2e_fail "expected one state request, got $(e2e_count_log 1 "$state")"
# A second apart: never sooner (a timer is late under load, never early), and not stalled.
gaps=$(grep -v '^#' "$E2E_DIR/standin-1.log" | grep -E "$heart" |
  awk 'NR > 1 { g = $1 - prev; if (g < 800 || g > 4000) print g } { prev = $1 }')
[ -z "$gaps" ] || e2e_fail "heartbeats not a second apart: $gaps"
[ -n "$(e2e_window Zv-Solvenzari-Vy)" ] || e2e_fail "no Vy panel window"
[ -z "$(e2e_window Zv-Solvenzari)" ] || e2e_fail "search window still shown"

# Silence: the next check without an answer (5 to 10 s away) ends the run.
e2e_control 1 silent
box=$(e2e_wait_window Warning 60) || e2e_fail "no \"Device offline\" warning"
hearts=$(e2e_count_log 1 "$heart")
searches=$(e2e_count_log 1 "$E2E_DISCOVERY")
sleep 2.2
[ "$(e2e_count_log 1 "$heart")" = "$hearts" ] || e2e_fail "heartbeat while the warning is up"
# OK again until the box is gone: a key press can be lost on a loaded display.
for ((t = 0; t < 60; t++)); do e2e_press_ok "$box"; [ -z "$(e2e_window Warning)" ] && break; sleep 0.5; done
e2e_wait_window Zv-Solvenzari 30 >/dev/null || e2e_fail "search window not back"
[ -z "$(e2e_window Zv-Solvenzari-Vy)" ] || e2e_fail "the panel is still shown"
e2e_wait_count 1 "$E2E_DISCOVERY" $((searches + 1)) 60 || e2e_fail "no new search after the panel ended"
e2e_wait_rows 0 30 || e2e_fail "the list was not emptied"
states=$(e2e_count_log 1 "$state")
sleep 2.5
[ "$(e2e_count_log 1 "$heart")" = "$hearts" ] || e2e_fail "heartbeats went on after the panel ended"
[ "$(e2e_count_log 1 "$state")" = "$states" ] || e2e_fail "state request after the panel ended"
kill -0 "$E2E_PANEL_PID" 2>/dev/null || e2e_fail "the program ended"
echo "PASS"

#!/bin/bash
# Two switchers, a 4K (type 0x69) and a Vy (type 0x28), are listed with the
# 4K one first; an answer whose name lacks "Zv" is not listed; Search empties
# the list and asks every switcher again.
#
# Which entry is which is read from the pixels: each switcher is first listed
# alone, and its entry, cut from the screen, must then be found in its sorted
# place when both are listed.
. "$(dirname "$0")/lib.sh"
e2e_init
e2e_net 3
e2e_standin 1 28 Zv-Solvenzari-Vy
e2e_standin 2 69 Zv-Solvenzari-4K
e2e_standin 3 28 Sw-Solvenzari-Vy
e2e_control 2 silent
e2e_start_x
e2e_start_panel

request=$E2E_DISCOVERY
for n in 1 2 3; do
  e2e_wait_log $n "$request" 10 || e2e_fail "stand-in $n got no discovery request"
done
# Stand-in 3 has answered (it answers at once); only the Vy entry is listed.
sleep 0.5
e2e_wait_rows 1 10 || e2e_fail "expected the Vy entry alone"
e2e_list_row "$E2E_DIR/shot.png" 0 "$E2E_DIR/vy.png"

e2e_control 1 silent
e2e_control 2 answer
e2e_click "${E2E_SEARCH_BTN[@]}"
for n in 1 2 3; do
  e2e_wait_count $n "$request" 2 5 || e2e_fail "stand-in $n was not asked again"
done
sleep 0.5
e2e_wait_rows 1 10 || e2e_fail "expected the 4K entry alone after Search"
e2e_list_row "$E2E_DIR/shot.png" 0 "$E2E_DIR/4k.png"
e2e_same_picture "$E2E_DIR/vy.png" "$E2E_DIR/4k.png" && e2e_fail "Search left the Vy entry in the list"

e2e_control 1 answer
e2e_click "${E2E_SEARCH_BTN[@]}"
e2e_wait_rows 2 10 || e2e_fail "expected both entries"
sleep 0.5
e2e_screenshot "$E2E_DIR/both.png"
[ "$(e2e_list_rows "$E2E_DIR/both.png")" = 2 ] || e2e_fail "the Sw answer was listed"
e2e_list_row "$E2E_DIR/both.png" 0 "$E2E_DIR/row0.png"
e2e_list_row "$E2E_DIR/both.png" 1 "$E2E_DIR/row1.png"
e2e_same_picture "$E2E_DIR/row0.png" "$E2E_DIR/4k.png" || e2e_fail "first entry is not the 4K switcher"
e2e_same_picture "$E2E_DIR/row1.png" "$E2E_DIR/vy.png" || e2e_fail "second entry is not the Vy switcher"

# With every switcher silent, Search empties the list and each is asked again.
for n in 1 2 3; do e2e_control $n silent; done
e2e_click "${E2E_SEARCH_BTN[@]}"
e2e_wait_rows 0 5 || e2e_fail "Search did not empty the list"
for n in 1 2 3; do
  e2e_wait_count $n "$request" 4 5 || e2e_fail "stand-in $n was not asked again"
done
echo "PASS"

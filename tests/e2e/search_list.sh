#!/bin/bash
# Three switchers answer: the two whose names hold "Zv" are listed, the third is not; Search
# empties the list and asks every switcher again. (Which entry comes first is checked on the
# window itself by tst_search.)
. "$(dirname "$0")/lib.sh"
e2e_init
e2e_net 3
e2e_standin 1 28 Zv-Solvenzari-Vy
e2e_standin 2 69 Zv-Solvenzari-4K
e2e_standin 3 28 Sw-Solvenzari-Vy
e2e_start_x
e2e_start_panel

for n in 1 2 3; do
  e2e_wait_log $n "$E2E_DISCOVERY" 10 || e2e_fail "stand-in $n got no discovery request"
done
e2e_wait_rows 2 10 || e2e_fail "expected both Zv entries"
sleep 0.5
e2e_wait_rows 2 1 || e2e_fail "the Sw answer was listed"

# With every switcher silent, Search empties the list and each is asked again.
for n in 1 2 3; do e2e_control $n silent; done
e2e_click "${E2E_SEARCH_BTN[@]}"
e2e_wait_rows 0 5 || e2e_fail "Search did not empty the list"
for n in 1 2 3; do
  e2e_wait_count $n "$E2E_DISCOVERY" 2 5 || e2e_fail "stand-in $n was not asked again"
done
echo "PASS"

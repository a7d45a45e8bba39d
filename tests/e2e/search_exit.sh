#!/bin/bash
# Exit, clicked where the operator sees it, ends the program with code 0.
. "$(dirname "$0")/lib.sh"
e2e_one_switcher
e2e_click "${E2E_EXIT_BTN[@]}"
e2e_wait_exit 10 || e2e_fail "zvpanel still runs after Exit"
[ "$E2E_PANEL_RC" = 0 ] || e2e_fail "exit code $E2E_PANEL_RC"
echo "PASS"

#!/bin/bash
# The discovery request that reaches a switcher: 27 bytes from the chosen card carrying the
# computer's date and time in BCD (the exact bytes for a given time are checked by
# tst_discovery); the switcher's answer is listed.
. "$(dirname "$0")/lib.sh"
e2e_one_switcher
now=$(date +%s)

read -r _ sender hex < <(grep -E "$E2E_DISCOVERY" "$E2E_DIR/standin-1.log" | head -1)
[ "${sender%%:*}" = 192.0.2.1 ] || e2e_fail "request came from $sender"
[ ${#hex} = 54 ] || e2e_fail "request is $((${#hex} / 2)) bytes: $hex"
# BCD bytes 17..23 read as hex are the decimal digits: yy mm dd weekday hh mm ss.
t=${hex:34:14}
[[ $t =~ ^[0-9]{14}$ ]] || e2e_fail "not BCD: $hex"
stamp="20${t:0:2}-${t:2:2}-${t:4:2} ${t:8:2}:${t:10:2}:${t:12:2}"
sent=$(date -d "$stamp" +%s) || e2e_fail "no date: $stamp"
[ $((now - sent)) -ge 0 ] && [ $((now - sent)) -le 5 ] || e2e_fail "request time $stamp, now $(date -d @"$now")"
[ "$((10#${t:6:2}))" = "$(date -d "$stamp" +%u)" ] || e2e_fail "weekday ${t:6:2} for $stamp"

e2e_wait_rows 1 10 || e2e_fail "the answer is not listed"
echo "PASS"

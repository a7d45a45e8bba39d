#!/bin/bash
# The discovery request that reaches a switcher: 27 bytes from the chosen
# card carrying the computer's date and time in BCD (the exact bytes for a
# given time are checked by tst_discovery); the switcher's answer is listed.
. "$(dirname "$0")/lib.sh"
e2e_one_switcher
now=$(date +%s)

line=$(grep -E "$E2E_DISCOVERY" "$E2E_DIR/standin-1.log" | head -1)
sender=$(awk '{print $2}' <<<"$line")
hex=$(awk '{print $3}' <<<"$line")
[ "${sender%%:*}" = 192.0.2.1 ] || e2e_fail "request came from $sender"
[ ${#hex} = 54 ] || e2e_fail "request is $((${#hex} / 2)) bytes: $hex"
bytes=()
for ((i = 0; i < 54; i += 2)); do bytes+=($((16#${hex:i:2}))); done

bcd() { # a BCD byte as a decimal number, refusing nibbles above 9
  local hi=$(($1 >> 4)) lo=$(($1 & 15))
  [ $hi -le 9 ] && [ $lo -le 9 ] || e2e_fail "not BCD: $hex"
  echo $((hi * 10 + lo))
}
yy=$(bcd "${bytes[17]}"); mo=$(bcd "${bytes[18]}"); dd=$(bcd "${bytes[19]}")
wd=$(bcd "${bytes[20]}"); hh=$(bcd "${bytes[21]}"); mi=$(bcd "${bytes[22]}"); ss=$(bcd "${bytes[23]}")
stamp=$(printf '20%02d-%02d-%02d %02d:%02d:%02d' "$yy" "$mo" "$dd" "$hh" "$mi" "$ss")
sent=$(date -d "$stamp" +%s) || e2e_fail "no date: $stamp"
[ $((now - sent)) -ge 0 ] && [ $((now - sent)) -le 5 ] || e2e_fail "request time $stamp, now $(date -d @"$now")"
[ "$wd" = "$(date -d "$stamp" +%u)" ] || e2e_fail "weekday $wd for $stamp"

e2e_wait_rows 1 10 || e2e_fail "the answer is not listed"
echo "PASS"

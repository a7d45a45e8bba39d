#!/bin/bash
# A flood of random and truncated replies (state dump, T-bar, POP window,
# version, heartbeat; 17 to 1057 bytes) neither ends the program nor stops the
# Vy panel's heartbeat.
. "$(dirname "$0")/lib.sh"
command -v python3 >/dev/null || e2e_fail "python3 is missing"
e2e_one_switcher

heart=' a56c1400a5ff01[0-9a-f]{18}06'
e2e_wait_rows 1 60 || e2e_fail "the Vy switcher is not listed"
e2e_click $((E2E_LIST_X + 100)) $((E2E_LIST_Y + E2E_ROW_H / 2)) double
e2e_wait_log 1 ' a56c1400a5ff01[0-9a-f]{18}0a' 30 || e2e_fail "the panel did not open"
e2e_wait_count 1 "$heart" 1 30 || e2e_fail "no heartbeat"

python3 - >"$E2E_DIR/flood" <<'PY'
import random
random.seed(7)
for _ in range(400):
    typ = random.choice([0x0A, 0x82, 0x6F, 0x49, 0x06])
    n = random.choice([17, 18, 19, 20, 21, 22, 31, 32, 110, 133, 134, 160, 1056, 1057, random.randint(17, 1057)])
    f = bytearray(random.getrandbits(8) for _ in range(n))
    length = random.choice([n, n, random.randint(0, 0xFFFF), random.randint(0, 40)])
    head = bytes([0xA5, 0x6C, length & 0xFF, length >> 8, 0xA5, 0xFF, 1] + [0] * 9 + [typ])
    k = min(n, len(head))
    f[:k] = head[:k]
    if n > 17 and typ == 0x0A and random.random() < 0.8:
        f[17] = 0
    print("sendto 192.0.2.1 7000 " + f.hex())
PY
cat "$E2E_DIR/flood" >"$E2E_DIR/standin-1.ctl"
for ((t = 0; t < 600; t++)); do
  grep -q '^by ' "$E2E_DIR/zvpanel.log" && break
  kill -0 "$E2E_PANEL_PID" 2>/dev/null || e2e_fail "the program ended under the flood"
  sleep 0.05
done
grep -q '^by ' "$E2E_DIR/zvpanel.log" || e2e_fail "no flooded reply reached the panel"
hearts=$(e2e_count_log 1 "$heart")
e2e_wait_count 1 "$heart" $((hearts + 3)) 30 || e2e_fail "the heartbeat stopped after the flood"
kill -0 "$E2E_PANEL_PID" 2>/dev/null || e2e_fail "the program ended"
[ -n "$(e2e_window Zv-Solvenzari-Vy)" ] ||
  e2e_fail "the panel window is gone"
echo "PASS"

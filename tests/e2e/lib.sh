# Shell helpers of the end-to-end tests; source it from a test script.
#
# Everything runs on a network the test makes itself: an "app" namespace for zvpanel and one
# namespace per stand-in switcher, joined by veth pairs to a bridge in a "hub" namespace.
# The app is 192.0.2.1, stand-in N is 192.0.2.(10+N). Nothing is ever sent on the machine's own
# interfaces, and everything is removed on exit.
#
# Functions: e2e_init (root check, exit 77 when not root and not CI; $E2E_DIR; cleanup trap),
# e2e_net N, e2e_standin N TYPE NAME (log $E2E_DIR/standin-N.log, control FIFO standin-N.ctl),
# e2e_control N LINE, e2e_start_x, e2e_start_panel ($E2E_PANEL_PID), e2e_one_switcher [TYPE NAME]
# (all of these for one stand-in, until its first discovery request), e2e_click X Y [double] (in
# the search window), e2e_screenshot FILE, e2e_count_log N PATTERN (grep -E on the stand-in's
# "<ms> <ip>:<port> <hex>" lines), e2e_wait_log N PATTERN [SECS], e2e_wait_count N PATTERN C [SECS],
# e2e_wait_rows N [SECS], e2e_wait_exit SECS ($E2E_PANEL_RC), e2e_window TITLE (id or nothing),
# e2e_wait_window TITLE SECS, e2e_press_ok ID, e2e_fail TEXT.

set -euo pipefail

E2E_BIN=${ZV_BINARY_DIR:-}
E2E_STANDIN=${ZV_STANDIN:-$E2E_BIN/tools/standin/zv_standin}
E2E_TAG="zve$$"
E2E_APP="$E2E_TAG-app"
E2E_HUB="$E2E_TAG-hub"
E2E_NAMESPACES=()
E2E_PIDS=()
E2E_PANEL_PID=""
E2E_PANEL_RC=""
E2E_DISPLAY=""
E2E_DISCOVERY=' a56c1b0081ff'
# Search window layout, in window coordinates.
E2E_SEARCH_BTN=(904 392)
E2E_EXIT_BTN=(904 444)
E2E_LIST_X=429
E2E_LIST_Y=136
E2E_LIST_H=340
E2E_ROW_H=41

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# e2e_poll N CMD...: runs CMD up to N times, 0.05 s apart, until it succeeds.
e2e_poll() {
  local n=$1 t
  shift
  for ((t = 0; t < n; t++)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

e2e_cleanup() {
  local pid ns
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  for ns in "${E2E_NAMESPACES[@]}"; do ip netns del "$ns" 2>/dev/null || true; done
  if [ -n "${E2E_DIR:-}" ] && [ -z "${E2E_KEEP:-}" ]; then rm -rf "$E2E_DIR"; fi
}

e2e_init() {
  if [ "$(id -u)" != 0 ]; then
    [ "${CI:-}" = true ] && e2e_fail "end-to-end tests need root"
    echo "not root: end-to-end test skipped" >&2
    exit 77
  fi
  for tool in ip Xvfb xdotool import; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing (tools/setup.sh installs it)"
  done
  [ -x "${ZVPANEL:-}" ] || e2e_fail "ZVPANEL does not name the program"
  [ -x "$E2E_STANDIN" ] || e2e_fail "stand-in switcher not found at $E2E_STANDIN"
  E2E_DIR=$(mktemp -d /tmp/zv-e2e.XXXXXX)
  trap e2e_cleanup EXIT
}

e2e_ns_add() {
  ip netns add "$1"
  E2E_NAMESPACES+=("$1")
  ip -n "$1" link set lo up
}

# Each pair is made inside the namespaces: no end ever sits in the machine's own namespace.
e2e_net() {
  local count=$1 i ns
  e2e_ns_add "$E2E_HUB"
  ip -n "$E2E_HUB" link add br0 type bridge
  ip -n "$E2E_HUB" link set br0 up
  e2e_ns_add "$E2E_APP"
  ip -n "$E2E_HUB" link add p0 type veth peer name eth0 netns "$E2E_APP"
  ip -n "$E2E_APP" addr add 192.0.2.1/24 dev eth0
  for ((i = 1; i <= count; i++)); do
    ns="$E2E_TAG-s$i"
    e2e_ns_add "$ns"
    ip -n "$E2E_HUB" link add "p$i" type veth peer name eth0 netns "$ns"
    ip -n "$ns" addr add "192.0.2.$((10 + i))/24" dev eth0
    ip -n "$ns" link set eth0 up
  done
  for ((i = 0; i <= count; i++)); do
    ip -n "$E2E_HUB" link set "p$i" master br0
    ip -n "$E2E_HUB" link set "p$i" up
  done
  ip -n "$E2E_APP" link set eth0 up
}

e2e_standin() {
  local n=$1 log="$E2E_DIR/standin-$1.log"
  ip netns exec "$E2E_TAG-s$n" "$E2E_STANDIN" --type "$2" --name "$3" \
    --log "$log" --control "$E2E_DIR/standin-$n.ctl" 2>>"$E2E_DIR/standin-$n.err" &
  E2E_PIDS+=($!)
  e2e_poll 100 grep -q '^# listening' "$log" 2>/dev/null ||
    e2e_fail "stand-in $n did not start: $(cat "$E2E_DIR/standin-$n.err" 2>/dev/null)"
}

e2e_control() {
  echo "$2" >"$E2E_DIR/standin-$1.ctl"
}

e2e_read_display() {
  E2E_DISPLAY=$(tr -dc '0-9' <"$E2E_DIR/displayfd" 2>/dev/null || true)
  [ -n "$E2E_DISPLAY" ]
}

e2e_start_x() {
  ip netns exec "$E2E_APP" Xvfb -displayfd 5 -screen 0 1600x900x24 -nolisten tcp \
    5>"$E2E_DIR/displayfd" 2>"$E2E_DIR/xvfb.err" &
  E2E_PIDS+=($!)
  e2e_poll 200 e2e_read_display || e2e_fail "Xvfb did not start: $(cat "$E2E_DIR/xvfb.err")"
  E2E_DISPLAY=":$E2E_DISPLAY"
}

# Runs a command in the app namespace on the test's display.
e2e_in_app() {
  ip netns exec "$E2E_APP" env DISPLAY="$E2E_DISPLAY" "$@"
}

e2e_search_shown() {
  e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari$' >/dev/null 2>&1 && return 0
  kill -0 "$E2E_PANEL_PID" 2>/dev/null || e2e_fail "zvpanel ended at start: $(tail -5 "$E2E_DIR/zvpanel.log")"
  return 1
}

e2e_start_panel() {
  ip netns exec "$E2E_APP" env DISPLAY="$E2E_DISPLAY" QT_QPA_PLATFORM=xcb "$ZVPANEL" >"$E2E_DIR/zvpanel.log" 2>&1 &
  E2E_PANEL_PID=$!
  E2E_PIDS+=("$E2E_PANEL_PID")
  e2e_poll 200 e2e_search_shown || e2e_fail "the search window did not appear"
}

e2e_window_origin() {
  local id
  id=$(e2e_in_app xdotool search --onlyvisible --name '^Zv-Solvenzari$' | head -1)
  e2e_in_app xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

e2e_click() {
  local x=$1 y=$2 ox oy
  read -r ox oy < <(e2e_window_origin)
  e2e_in_app xdotool mousemove $((ox + x)) $((oy + y))
  if [ "${3:-single}" = double ]; then
    e2e_in_app xdotool click --repeat 2 --delay 80 1
  else
    e2e_in_app xdotool click 1
  fi
  # Move away, so no hover face stays in later screenshots.
  e2e_in_app xdotool mousemove 1590 890
}

e2e_screenshot() {
  e2e_in_app import -window root "$1"
}

e2e_count_log() {
  grep -v '^#' "$E2E_DIR/standin-$1.log" 2>/dev/null | grep -cE "$2" || true
}

e2e_has_count() {
  [ "$(e2e_count_log "$1" "$2")" -ge "$3" ]
}

e2e_wait_count() {
  e2e_poll $((${4:-10} * 20)) e2e_has_count "$1" "$2" "$3"
}

e2e_wait_log() {
  e2e_wait_count "$1" "$2" 1 "${3:-10}"
}

e2e_panel_ended() {
  kill -0 "$E2E_PANEL_PID" 2>/dev/null && return 1
  E2E_PANEL_RC=0
  wait "$E2E_PANEL_PID" || E2E_PANEL_RC=$?
}

e2e_wait_exit() {
  e2e_poll $(($1 * 20)) e2e_panel_ended
}

# Number of entries in the device list of a screenshot: each entry has a one-pixel #777777 line
# at its foot, and the column at the list's left edge carries no text. Prints -1 when the window
# or the screenshot cannot be read, so that waiting for an empty list never passes on a failure.
e2e_list_rows() {
  local ox="" oy="" pixels
  read -r ox oy < <(e2e_window_origin) || true
  if ! [[ $ox =~ ^-?[0-9]+$ && $oy =~ ^-?[0-9]+$ ]]; then
    echo -1
    return 0
  fi
  if ! pixels=$(convert "$1" -crop "1x${E2E_LIST_H}+$((ox + E2E_LIST_X + 8))+$((oy + E2E_LIST_Y))" +repage txt:-); then
    echo -1
    return 0
  fi
  grep -ci '#777777' <<<"$pixels" || true
}

# Waits until the list shows N entries; the last screenshot is $E2E_DIR/shot.png.
e2e_wait_rows() {
  local n=$1 secs=${2:-10} t rows=-1
  for ((t = 0; t < secs * 4; t++)); do
    if e2e_screenshot "$E2E_DIR/shot.png"; then
      rows=$(e2e_list_rows "$E2E_DIR/shot.png")
    else
      rows=-1
    fi
    [ "$rows" = "$n" ] && return 0
    sleep 0.25
  done
  echo "list shows $rows entries, expected $n" >&2
  return 1
}

e2e_one_switcher() {
  e2e_init
  e2e_net 1
  e2e_standin 1 "${1:-28}" "${2:-Zv-Solvenzari-Vy}"
  e2e_start_x
  e2e_start_panel
  e2e_wait_log 1 "$E2E_DISCOVERY" 10 || e2e_fail "no discovery request arrived"
}

e2e_window() {
  e2e_in_app xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true
}

e2e_wait_window() {
  local end=$((SECONDS + $2)) id
  while :; do
    id=$(e2e_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.05
  done
}

e2e_press_ok() {
  e2e_in_app xdotool windowfocus --sync "$1" key Return 2>/dev/null || true
}

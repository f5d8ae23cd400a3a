#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Shared helpers for end-to-end tests: the real binary in a real X window under
# Xvfb, keys and clicks from xdotool, speech read back from the log.
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$1"            # $1 = path of the binary; starts Xvfb, makes folders
#   e2e_start                # starts the game, waits for its window
#   e2e_wait_say "Welcome"   # waits until a "say: " line contains the text
#   e2e_key Right            # xdotool key names: Return Escape F12 alt+F1 KP_Add Tab
#   e2e_answer_box Return    # answers the game's confirmation box (Escape cancels)
#   e2e_stop                 # ends the game if it still runs
# Every call fails the test (exit 1) with the log shown when it times out.

set -u
E2E_BIN=""
E2E_DIR=""
E2E_XVFB_PID=""
E2E_PID=""
E2E_WID=""
E2E_LOG=""
E2E_RUN=0
E2E_SINK=""

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$E2E_LOG" ] && [ -f "$E2E_LOG" ]; then
        echo "--- last log lines ($E2E_LOG):" >&2
        tail -n 40 "$E2E_LOG" >&2
    fi
    e2e_cleanup
    exit 1
}

e2e_cleanup() {
    [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null
    stop_null_sink
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    E2E_PID=""
    E2E_XVFB_PID=""
}
trap e2e_cleanup EXIT

# e2e_init BINARY [WIDTHxHEIGHT]
e2e_init() {
    E2E_BIN="$1"
    local size="${2:-1024x768}"
    [ -x "$E2E_BIN" ] || e2e_fail "no binary at $E2E_BIN"
    command -v Xvfb >/dev/null || e2e_fail "Xvfb is not installed"
    command -v xdotool >/dev/null || e2e_fail "xdotool is not installed"
    E2E_DIR=$(mktemp -d /tmp/quorel-e2e.XXXXXX)
    mkdir -p "$E2E_DIR/home" "$E2E_DIR/state" "$E2E_DIR/config" "$E2E_DIR/runtime" "$E2E_DIR/docs"
    chmod 700 "$E2E_DIR/runtime"
    export HOME="$E2E_DIR/home"
    export XDG_STATE_HOME="$E2E_DIR/state"
    export XDG_CONFIG_HOME="$E2E_DIR/config"
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    export XDG_DOCUMENTS_DIR="$E2E_DIR/docs"
    export QT_LOGGING_RULES="crosswords.*=true"
    export QT_MESSAGE_PATTERN="%{time process} %{category}: %{message}"
    unset QT_QPA_PLATFORM
    # Try displays from a random start: Xvfb takes a display's lock file
    # atomically and exits at once when another server holds it, so parallel
    # runs move on to the next number instead of sharing one.
    local n tries
    n=$((100 + RANDOM % 400))
    for tries in $(seq 1 20); do
        n=$((n + 1))
        [ -e "/tmp/.X$n-lock" ] && continue
        # -noreset: by default the server resets when its last client leaves
        # and refuses whoever connects during the reset, such as the game
        # started again by the same test.
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >"$E2E_DIR/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 100); do
            kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
            xdotool getdisplaygeometry >/dev/null 2>&1 && grep -qx "$E2E_XVFB_PID" <(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null) && return 0
            sleep 0.05
        done
        kill "$E2E_XVFB_PID" 2>/dev/null
        E2E_XVFB_PID=""
    done
    e2e_fail "Xvfb did not start"
}

# Milliseconds since midnight of a time "hh:mm:ss.zzz" on standard input; of now.
e2e_ms_of_day() { awk -F'[:.]' '{ printf "%d\n", (($1 * 60 + $2) * 60 + $3) * 1000 + $4 }'; }
e2e_day_ms() { date +%H:%M:%S.%3N | e2e_ms_of_day; }

# e2e_time_starts COUNT FILE: starts the game COUNT times, each time until the
# welcome is handed to the voice, then ends it; appends to FILE, one a line,
# the milliseconds from just before the launch to the welcome's log line.
# Needs the wall-clock time first in the log:
# QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}".
e2e_time_starts() {
    local welcome="say: Welcome to Quorel Crosswords volume 3." i t0 t1
    for ((i = 1; i <= $1; i++)); do
        E2E_RUN=$((E2E_RUN + 1))
        E2E_LOG="$E2E_DIR/run$E2E_RUN.log"
        t0=$(e2e_day_ms)
        "$E2E_BIN" >"$E2E_LOG" 2>&1 &
        E2E_PID=$!
        e2e_wait_log "$welcome" 20
        t1=$(grep -m1 -F "$welcome" "$E2E_LOG" | cut -d' ' -f1 | e2e_ms_of_day)
        echo $((t1 - t0)) >>"$2"
        e2e_stop
    done
}

# start_null_sink: a private PulseAudio server in this test's own runtime
# folder (never the user's), with one null sink, "nullsink", as the default
# output; what the game plays can be recorded from "nullsink.monitor".
# Call after e2e_init and before e2e_start.
start_null_sink() {
    command -v pulseaudio >/dev/null || e2e_fail "pulseaudio is not installed"
    command -v pactl >/dev/null || e2e_fail "pulseaudio-utils is not installed"
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes \
        --log-target="file:$E2E_DIR/pulse.log" \
        -L "module-null-sink sink_name=nullsink" -L module-native-protocol-unix \
        >>"$E2E_DIR/pulse.log" 2>&1 || e2e_fail "pulseaudio did not start (see $E2E_DIR/pulse.log)"
    E2E_SINK=1
    for _ in $(seq 1 100); do
        pactl info >/dev/null 2>&1 && pactl set-default-sink nullsink && return 0
        sleep 0.05
    done
    e2e_fail "the private sound server does not answer"
}

stop_null_sink() {
    [ -n "$E2E_SINK" ] && pulseaudio --kill 2>/dev/null
    E2E_SINK=""
}

# listen_to_null_sink BINARY: starts the private null sink and records what it
# plays in $SINK, one line per block of audio as it reaches the monitor's
# reader: the wall-clock time in ms and the block's peak. The helpers below
# read it; a block is loud from a peak of $LOUD. Call after e2e_init.
listen_to_null_sink() {
    local sinkwatch
    sinkwatch="$(dirname "$1")/sinkwatch"
    [ -x "$sinkwatch" ] || e2e_fail "no sinkwatch at $sinkwatch"
    command -v parec >/dev/null || e2e_fail "parec (pulseaudio-utils) is not installed"
    start_null_sink
    SINK="$E2E_DIR/sink.txt"
    parec -d nullsink.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=10 \
        | "$sinkwatch" 22050 >"$SINK" &
    LOUD=500
}
now_ms() { date +%s%3N; }
# A sanitizer build runs several times slower than the program users get:
# its limits are widened by E2E_TIME_SCALE.
SCALE=${E2E_TIME_SCALE:-1}
# loudest FROM TO: the highest peak heard between two times (ms).
loudest() { awk -v a="$1" -v b="$2" '$1 >= a && $1 <= b && $2 > m { m = $2 } END { print m + 0 }' "$SINK"; }
# first_loud_after T: the time of the first loud block after T.
first_loud_after() { awk -v t="$1" -v l="$LOUD" '$1 > t && $2 >= l { print $1; exit }' "$SINK"; }
# first_quiet_after T: the time of the first quiet block after T.
first_quiet_after() { awk -v t="$1" -v l="$LOUD" '$1 > t && $2 < l { print $1; exit }' "$SINK"; }
# wait_sink_sounds: waits (5 s at most) until something loud has reached the sink.
wait_sink_sounds() {
    for _ in $(seq 1 100); do
        [ "$(loudest 0 "$(now_ms)")" -ge "$LOUD" ] && return 0
        sleep 0.05
    done
    e2e_fail "nothing reached the null sink"
}
# wait_heard_until T: waits until the sink's record reaches time T.
wait_heard_until() { while [ "$(tail -n 1 "$SINK" | cut -d' ' -f1)" -lt "$1" ] 2>/dev/null; do sleep 0.05; done; }

# e2e_wait_display: waits until the X server accepts a connection.
e2e_wait_display() {
    for _ in $(seq 1 200); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb on $DISPLAY ended"
        sleep 0.05
    done
    e2e_fail "the display $DISPLAY accepts no connection"
}

# e2e_focus WINDOW: gives WINDOW the input focus and waits until it has it.
# Without a window manager a window just mapped may not take the focus yet,
# so the request is repeated until the server reports the focus there. False
# when it never does, or at once when the game has ended.
e2e_focus() {
    local i
    for i in $(seq 0 199); do
        [ $((i % 20)) -eq 0 ] && xdotool windowfocus "$1" 2>/dev/null
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        kill -0 "$E2E_PID" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# e2e_start [ARGUMENT...]: starts a new run of the game (with the arguments
# given); its log is $E2E_LOG. Returns once the game's window is visible and
# has the focus.
e2e_start() {
    E2E_RUN=$((E2E_RUN + 1))
    E2E_LOG="$E2E_DIR/run$E2E_RUN.log"
    e2e_wait_display
    "$E2E_BIN" "$@" >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
    E2E_WID=""
    for _ in $(seq 1 400); do
        # This run's window: a window of the run before may not be gone yet.
        E2E_WID=$(xdotool search --all --onlyvisible --pid "$E2E_PID" --name "Quorel Crosswords" 2>/dev/null | head -n 1)
        [ -n "$E2E_WID" ] && break
        kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the game ended at start-up"
        sleep 0.05
    done
    [ -n "$E2E_WID" ] || e2e_fail "no game window appeared"
    e2e_focus "$E2E_WID" || e2e_fail "the game window never took the focus"
}

# e2e_log: the game's log so far, complete lines only: a line the game is
# still writing is left out, so no check matches half a line.
e2e_log() {
    local lines
    lines=$(wc -l 2>/dev/null <"$E2E_LOG") || lines=0
    head -n "$lines" "$E2E_LOG" 2>/dev/null
}

# e2e_wait_log TEXT [SECONDS]: waits for a log line containing TEXT.
e2e_wait_log() {
    local text="$1" limit="${2:-10}"
    local i
    for i in $(seq 1 $((limit * 20))); do
        e2e_log | grep -qF -- "$text" && return 0
        sleep 0.05
    done
    e2e_fail "no log line with: $text"
}

# e2e_wait_say TEXT [SECONDS]: waits until the game speaks a phrase containing TEXT.
e2e_wait_say() {
    local limit="${2:-10}"
    for _ in $(seq 1 $((limit * 20))); do
        e2e_said "$1" && return 0
        sleep 0.05
    done
    e2e_fail "never said: $1"
}

# e2e_said TEXT: true when a spoken phrase so far contains TEXT.
e2e_said() {
    e2e_log | grep -E 'crosswords.speech: (say|saywait): ' | grep -qF -- "$1"
}

# e2e_said_count TEXT: how many spoken phrases so far contain TEXT.
e2e_said_count() {
    e2e_log | grep -E 'crosswords.speech: (say|saywait): ' | grep -cF -- "$1"
}

# e2e_wait_said_count TEXT N: waits until TEXT has been spoken N times.
e2e_wait_said_count() {
    for _ in $(seq 1 200); do
        [ "$(e2e_said_count "$1")" -ge "$2" ] && return 0
        sleep 0.05
    done
    e2e_fail "said '$1' fewer than $2 times"
}

# e2e_type_answer WORD: types WORD (capitals) into the open answer line. Each
# letter is said at once; the engine's own Right key (mask 7) moves on at the
# next tick: wait for it, so that two letters never share a tick.
e2e_type_answer() {
    local word="$1" i typed letter
    typed=$(e2e_keys_taken "39 7")
    for ((i = 0; i < ${#word}; i++)); do
        letter="${word:i:1}"
        e2e_key "${letter,,}"
        e2e_wait_log "crosswords.speech: say: $letter"
        if ((i + 1 < ${#word})); then
            typed=$((typed + 1))
            e2e_wait_key_taken "39 7" "$typed" 5
        fi
    done
}

# e2e_key_code KEY: the "CODE MASK" the game logs for the xdotool key name
# KEY ("alt+F1" -> "112 4"), or nothing for a key not known here.
e2e_key_code() {
    local name="$1" mask=0 code=""
    while [[ "$name" == *+?* ]]; do
        case "${name%%+*}" in
            shift) mask=$((mask | 1)) ;;
            ctrl) mask=$((mask | 2)) ;;
            alt) mask=$((mask | 4)) ;;
        esac
        name="${name#*+}"
    done
    case "$name" in
        [a-z]) code=$(printf '%d' "'${name^^}") ;;
        [0-9]) code=$((48 + name)) ;;
        F[1-9] | F1[0-2]) code=$((111 + ${name#F})) ;;
        Return | KP_Enter) code=13 ;;
        Escape) code=27 ;;
        Tab) code=9 ;;
        BackSpace) code=8 ;;
        space) code=32 ;;
        Prior) code=33 ;;
        Next) code=34 ;;
        End) code=35 ;;
        Home) code=36 ;;
        Left) code=37 ;;
        Up) code=38 ;;
        Right) code=39 ;;
        Down) code=40 ;;
        Delete) code=46 ;;
        KP_Add) code=107 ;;
        KP_Subtract) code=109 ;;
        equal | plus) code=187 ;;
        minus | underscore) code=189 ;;
    esac
    [ -n "$code" ] && echo "$code $mask"
}

# e2e_keys_taken "CODE MASK": how many times the tick has taken that key so far
# (every key when CODE MASK is empty).
e2e_keys_taken() {
    e2e_log | grep -cF -- "crosswords.keys: key: $1"
}

# e2e_wait_key_taken "CODE MASK" N SECONDS: true once the tick has taken that
# key N times, false when it has not within SECONDS.
e2e_wait_key_taken() {
    for _ in $(seq 1 $(($3 * 20))); do
        [ "$(e2e_keys_taken "$1")" -ge "$2" ] && return 0
        sleep 0.05
    done
    return 1
}

# e2e_send_key KEY [SECONDS]: sends KEY to the game window and waits until the
# tick has taken it (the one-slot mailbox keeps only the newest key, so the
# next key must not arrive before); false when it was not taken in time.
e2e_send_key() {
    local code before
    # A modifier on its own never reaches the mailbox (Ctrl silences at once).
    case "$1" in
        ctrl | shift | alt | Control_[LR] | Shift_[LR] | Alt_[LR])
            xdotool key --window "$E2E_WID" "$1" || e2e_fail "xdotool could not send $1"
            return 0
            ;;
    esac
    code=$(e2e_key_code "$1")
    before=$(e2e_keys_taken "$code")
    # Through the server's keyboard (XTEST) when the game has the focus, the
    # way a real key arrives. A key sent straight to the window (XSendEvent)
    # right after a confirmation box closed sometimes never reaches the
    # program (20 of 30 tries, measured), while the same key through the
    # keyboard always does.
    if [ "$(xdotool getwindowfocus 2>/dev/null)" = "$E2E_WID" ]; then
        xdotool key --clearmodifiers "$1" || e2e_fail "xdotool could not send $1"
    else
        xdotool key --window "$E2E_WID" --clearmodifiers "$1" || e2e_fail "xdotool could not send $1"
    fi
    e2e_wait_key_taken "$code" $((before + 1)) "${2:-5}"
}

# e2e_key KEY...: sends keys to the game window, each once the last is taken.
# A key the game does not take (while one of its boxes is open) shows in the
# test's next wait, not here.
e2e_key() {
    local k
    for k in "$@"; do
        e2e_send_key "$k" || true
    done
}

# e2e_key_logged KEY CODE MASK: sends KEY until the game logs "key: CODE MASK"
# (at most three times), for a step the rest of a test depends on.
e2e_key_logged() {
    local tries
    [ "$(e2e_key_code "$1")" = "$2 $3" ] || e2e_fail "$1 is not logged as key $2 $3"
    for tries in 1 2 3; do
        e2e_send_key "$1" 2 && return 0
    done
    e2e_fail "the game never took $1"
}

# e2e_first_answer FILE: the first answer of a puzzle text, spaces removed.
e2e_first_answer() {
    local answer
    answer=$(tr -d '\r' <"$1" | awk -F'\t' 'NF == 3 { print $2; exit }' | tr -d ' ')
    [ -n "$answer" ] || e2e_fail "no first answer in $1"
    echo "$answer"
}

# e2e_box: prints the id of the confirmation box the game has open, once it
# has the focus (a key sent to a box only just mapped can be lost).
e2e_box() {
    local box=""
    for _ in $(seq 1 200); do
        box=$(xdotool search --onlyvisible --name "Quorel Crosswords" 2>/dev/null | grep -v "^$E2E_WID\$" | head -n 1)
        [ -n "$box" ] && break
        sleep 0.05
    done
    [ -n "$box" ] || e2e_fail "no confirmation box"
    e2e_focus "$box" || e2e_fail "the confirmation box never took the focus"
    echo "$box"
}

# e2e_answer_box KEY: presses KEY (Return for OK, Escape for Cancel) in the
# game's open confirmation box, waits until the box is gone and, while the
# game runs, gives its window the focus back: there is no window manager to
# do it.
e2e_answer_box() {
    local box
    box=$(e2e_box) || exit 1
    # The key goes through the server to the box, which has the focus.
    xdotool key "$1" 2>/dev/null || true
    for _ in $(seq 1 200); do
        xdotool search --onlyvisible --name "Quorel Crosswords" 2>/dev/null | grep -qx "$box" || break
        sleep 0.05
    done
    xdotool search --onlyvisible --name "Quorel Crosswords" 2>/dev/null | grep -qx "$box" \
        && e2e_fail "the confirmation box stayed open after $1"
    # After an OK to leave the program its window may go away meanwhile.
    e2e_focus "$E2E_WID" || ! kill -0 "$E2E_PID" 2>/dev/null \
        || ! xdotool search --onlyvisible --name "Quorel Crosswords" 2>/dev/null | grep -qx "$E2E_WID" \
        || e2e_fail "the game window did not take the focus back"
}

# e2e_click X Y: a left click at window pixel X, Y. Wait for its effect (a
# phrase) before the next key: a click may post a key of its own.
e2e_click() {
    xdotool mousemove --window "$E2E_WID" "$1" "$2" click 1 || e2e_fail "xdotool could not click"
}

# e2e_wait_exit [SECONDS]: waits for the game to end by itself.
e2e_wait_exit() {
    local limit="${1:-10}"
    for _ in $(seq 1 $((limit * 20))); do
        kill -0 "$E2E_PID" 2>/dev/null || { wait "$E2E_PID" 2>/dev/null; E2E_PID=""; return 0; }
        sleep 0.05
    done
    e2e_fail "the game did not end"
}

e2e_stop() {
    if [ -n "$E2E_PID" ]; then
        kill "$E2E_PID" 2>/dev/null
        wait "$E2E_PID" 2>/dev/null
        E2E_PID=""
    fi
}

e2e_pass() {
    echo "PASS: $*"
    e2e_cleanup
    rm -rf "$E2E_DIR"
    exit 0
}

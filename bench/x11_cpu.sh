#!/bin/bash
# Processor time of the real window in a real X server. Starts Xvfb, then each program in turn
# with VOZAVERO_LOOP_STATS=1 and measures, from /proc, the share of one core its process used
# over a steady stretch at the start values and again at 50 particles, speed 30 and width 50.
# Those settings are made the way a user makes them, with keys (the piston has the focus at
# start: Home; the count gauge: End; the speed gauge: End). Alongside, it prints the means of the
# statistics lines of the same stretch, how often per second the main thread and the other
# threads (the X connection's reader) were woken (their voluntary context switches in /proc), and
# the machine's load average.
#
#   bench/x11_cpu.sh [-s SECONDS] [-r REPEATS] [-w WARMUP] [-d DISPLAY] [PROGRAM ...]
#
# PROGRAM defaults to build/app/vozavero, else the installed vozavero. Several programs (say the
# build of main and the build of a branch) are measured by turns, each repeat once each, so that
# they see the same load; the summary gives the mean, the smallest and the largest share.
set -euo pipefail

seconds=30
repeats=1
warmup=4
display=":97"
while getopts "s:r:w:d:" option; do
    case "$option" in
    s) seconds="$OPTARG" ;;
    r) repeats="$OPTARG" ;;
    w) warmup="$OPTARG" ;;
    d) display="$OPTARG" ;;
    *)
        echo "usage: $0 [-s SECONDS] [-r REPEATS] [-w WARMUP] [-d DISPLAY] [PROGRAM ...]" >&2
        exit 2
        ;;
    esac
done
shift $((OPTIND - 1))

here="$(cd "$(dirname "$0")/.." && pwd)"
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
    if [ -x "$here/build/app/vozavero" ]; then
        programs=("$here/build/app/vozavero")
    else
        programs=("$(command -v vozavero)")
    fi
fi
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || {
        echo "$0: $tool is missing (Debian packages xvfb, xdotool)" >&2
        exit 1
    }
done

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
export DISPLAY="$display"
ticks_per_second="$(getconf CLK_TCK)"

# Processor time of process $1 so far, in clock ticks (user plus system, all threads).
cpu_ticks() {
    # The command name in field 2 may hold blanks; the fields after its ")" are fixed.
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Times each thread of process $1 has slept and been woken so far: "main N other M".
thread_wakeups() {
    local main=0 other=0 task count
    for task in /proc/"$1"/task/*; do
        count=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null || echo 0)
        if [ "$(basename "$task")" = "$1" ]; then
            main=$((main + count))
        else
            other=$((other + count))
        fi
    done
    echo "$main $other"
}

# Measures the running program for $seconds: prints one result line for setting $1.
measure() {
    local name="$1" label="$2" lines0 lines1 t0 t1 c0 c1 w0 w1 load
    lines0=$(wc -l <"$work/stats")
    t0=$(date +%s.%N)
    c0=$(cpu_ticks "$app_pid")
    w0=$(thread_wakeups "$app_pid")
    sleep "$seconds"
    c1=$(cpu_ticks "$app_pid")
    w1=$(thread_wakeups "$app_pid")
    t1=$(date +%s.%N)
    lines1=$(wc -l <"$work/stats")
    load=$(cut -d' ' -f1-3 /proc/loadavg)
    sed -n "$((lines0 + 1)),${lines1}p" "$work/stats" | grep '^loop ' | awk \
        -v name="$name" -v label="$label" -v ticks=$((c1 - c0)) -v hz="$ticks_per_second" \
        -v t0="$t0" -v t1="$t1" -v load="$load" -v w0="$w0" -v w1="$w1" '
        {
            for (i = 2; i <= NF; ++i) {
                split($i, kv, "=")
                sub(/%$/, "", kv[2])
                sum[kv[1]] += kv[2]
                last[kv[1]] = kv[2]
            }
            ++n
        }
        END {
            cpu = ticks / hz / (t1 - t0) * 100
            split(w0, before, " ")
            split(w1, after, " ")
            target = last["speed"] * 10 / last["stepSize"]
            printf "%-28s %-10s cpu(/proc)=%.2f%%  steps/s=%.2f (target %.1f, %+.2f%%)", \
                name, label, cpu, sum["steps/s"] / n, target, (sum["steps/s"] / n / target - 1) * 100
            printf "  frames/s=%.1f", sum["frames/s"] / n
            if ("painted/s" in sum) printf "  painted/s=%.1f  wakeups/s=%.0f", \
                sum["painted/s"] / n, sum["wakeups/s"] / n
            printf "  line cpu=%.2f%%  woken/s main=%.0f others=%.0f", sum["cpu"] / n, \
                (after[1] - before[1]) / (t1 - t0), (after[2] - before[2]) / (t1 - t0)
            printf "  count=%s speed=%s width=%s  load %s\n", \
                last["count"], last["speed"], last["width"], load
        }' | tee -a "$work/results"
}

# Waits until the statistics line shows count, speed and width $1 $2 $3.
await_setting() {
    for _ in $(seq 50); do
        tail -n 1 "$work/stats" | grep -q " count=$1 speed=$2 width=$3 " && return 0
        sleep 0.2
    done
    echo "$0: the program did not reach count=$1 speed=$2 width=$3" >&2
    tail -n 1 "$work/stats" >&2
    exit 1
}

for repeat in $(seq "$repeats"); do
    for program in "${programs[@]}"; do
        name="$(basename "$(dirname "$(dirname "$(dirname "$(realpath "$program")")")")")/$(basename "$program")"
        [ "$program" = "$(command -v vozavero 2>/dev/null || true)" ] && name="installed"
        : >"$work/stats"
        VOZAVERO_LOOP_STATS=1 "$program" /NEW 2>"$work/stats" >/dev/null &
        app_pid=$!
        window=$(xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
        await_setting 5 2 250
        sleep "$warmup"
        measure "$name #$repeat" "5/2/250"
        xdotool windowfocus --sync "$window"
        xdotool key Home
        xdotool key Tab Tab Tab Tab Tab Tab End
        xdotool key Tab Tab End
        await_setting 50 30 50
        sleep "$warmup"
        measure "$name #$repeat" "50/30/50"
        kill "$app_pid"
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    done
done

echo
echo "CPU share of one core from /proc over ${seconds} s, ${repeats} run(s): mean [smallest, largest]"
awk '{
        key = $1 " " $3
        sub(/^cpu\(\/proc\)=/, "", $4); sub(/%$/, "", $4)
        sum[key] += $4; ++n[key]
        if (!(key in lo) || $4 < lo[key]) lo[key] = $4
        if (!(key in hi) || $4 > hi[key]) hi[key] = $4
    }
    END { for (k in sum) printf "  %-40s %.2f %% [%.2f, %.2f]\n", k, sum[k] / n[k], lo[k], hi[k] }' \
    "$work/results" | sort

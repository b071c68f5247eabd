#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Processor time of the real window in a real X server. Starts each program on a screen of its
# own of one Xvfb (display :97 unless told), with VOZAVERO_LOOP_STATS=1 and a data folder of its
# own for each run (so that no recovery copy left behind by an earlier run or on this machine is
# offered at start), and measures, from /proc, the share of one core its process used over a
# steady stretch at the start values and again at 50 particles, speed 30 and width 50. Those
# settings are made the way a user makes them, with keys (the piston has the focus at start:
# Home; the count gauge: End; the speed gauge: End). Alongside, it prints the means of the
# statistics lines of the same stretch, how often per second the main thread and the other
# threads (the X connection's reader) were woken (their voluntary context switches in /proc), and
# the machine's load average.
#
#   bench/x11_cpu.sh [-s SECONDS] [-r REPEATS] [-w WARMUP] [-d DISPLAY] [PROGRAM ...]
#
# PROGRAM defaults to build/app/vozavero, else the installed vozavero. Several programs (say the
# build of main and the build of a branch) run side by side over the same stretches, so that
# they see the same load; the summary gives the mean, the smallest and the largest share.
set -euo pipefail

seconds=30
repeats=1
warmup=4
display=97
while getopts "s:r:w:d:" option; do
    case "$option" in
    s) seconds="$OPTARG" ;;
    r) repeats="$OPTARG" ;;
    w) warmup="$OPTARG" ;;
    d) display="${OPTARG#:}" ;;
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

count=${#programs[@]}
names=()
for program in "${programs[@]}"; do
    if [ "$program" = "$(command -v vozavero 2>/dev/null || true)" ]; then
        names+=("installed")
    else
        # The folder above build/app names the source tree: main's, a branch's.
        names+=("$(basename "$(dirname "$(dirname "$(dirname "$(realpath "$program")")")")")")
    fi
done

work="$(mktemp -d)"
server=""
apps=()
cleanup() {
    for pid in "${apps[@]}" $server; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

screens=()
for i in $(seq 0 $((count - 1))); do
    screens+=(-screen "$i" 1280x1024x24)
done
Xvfb ":$display" "${screens[@]}" -nolisten tcp >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 50); do
    DISPLAY=":$display" xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
ticks_per_second="$(getconf CLK_TCK)"

# Processor time of process $1 so far, in clock ticks (user plus system, all threads).
cpu_ticks() {
    # The command name in field 2 may hold blanks; the fields after its ")" are fixed.
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Times the threads of process $1 have slept and been woken so far: "MAIN OTHERS".
thread_wakeups() {
    local main=0 other=0 task switches
    for task in /proc/"$1"/task/*; do
        switches=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null || echo 0)
        if [ "$(basename "$task")" = "$1" ]; then
            main=$((main + switches))
        else
            other=$((other + switches))
        fi
    done
    echo "$main $other"
}

# Waits until program $1's statistics line shows count, speed and width $2 $3 $4.
await_setting() {
    for _ in $(seq 50); do
        tail -n 1 "$work/stats$1" | grep -q " count=$2 speed=$3 width=$4 " && return 0
        sleep 0.2
    done
    echo "$0: ${names[$1]} did not reach count=$2 speed=$3 width=$4" >&2
    tail -n 1 "$work/stats$1" >&2
    exit 1
}

# Measures every running program over the same $seconds; one result line each for setting $1.
measure() {
    local label="$1" i t0 t1 load
    local -a lines0 lines1 c0 c1 w0 w1
    t0=$(date +%s.%N)
    for i in $(seq 0 $((count - 1))); do
        lines0[i]=$(wc -l <"$work/stats$i")
        c0[i]=$(cpu_ticks "${apps[i]}")
        w0[i]=$(thread_wakeups "${apps[i]}")
    done
    sleep "$seconds"
    for i in $(seq 0 $((count - 1))); do
        c1[i]=$(cpu_ticks "${apps[i]}")
        w1[i]=$(thread_wakeups "${apps[i]}")
        lines1[i]=$(wc -l <"$work/stats$i")
    done
    t1=$(date +%s.%N)
    load=$(cut -d' ' -f1-3 /proc/loadavg)
    for i in $(seq 0 $((count - 1))); do
        sed -n "$((lines0[i] + 1)),${lines1[i]}p" "$work/stats$i" | grep '^loop ' | awk \
            -v name="${names[i]}" -v repeat="$repeat" -v label="$label" -v hz="$ticks_per_second" \
            -v ticks=$((c1[i] - c0[i])) -v t0="$t0" -v t1="$t1" -v w0="${w0[i]}" -v w1="${w1[i]}" \
            -v load="$load" '
            {
                for (f = 2; f <= NF; ++f) {
                    split($f, kv, "=")
                    sub(/%$/, "", kv[2])
                    sum[kv[1]] += kv[2]
                    last[kv[1]] = kv[2]
                }
                ++n
            }
            END {
                wall = t1 - t0
                split(w0, before, " ")
                split(w1, after, " ")
                target = last["speed"] * 10 / last["stepSize"]
                printf "%-16s #%s %-9s cpu(/proc)=%.2f%%  steps/s=%.2f (target %.1f, %+.2f%%)", \
                    name, repeat, label, ticks / hz / wall * 100, sum["steps/s"] / n, target, \
                    (sum["steps/s"] / n / target - 1) * 100
                printf "  frames/s=%.1f", sum["frames/s"] / n
                if ("painted/s" in sum) printf "  painted/s=%.1f  wakeups/s=%.0f", \
                    sum["painted/s"] / n, sum["wakeups/s"] / n
                printf "  line cpu=%.2f%%  woken/s main=%.0f others=%.0f  load %s\n", \
                    sum["cpu"] / n, (after[1] - before[1]) / wall, (after[2] - before[2]) / wall, load
            }' | tee -a "$work/results"
    done
}

for repeat in $(seq "$repeats"); do
    windows=()
    for i in $(seq 0 $((count - 1))); do
        : >"$work/stats$i"
        DISPLAY=":$display.$i" XDG_DATA_HOME="$work/data$repeat.$i" VOZAVERO_LOOP_STATS=1 \
            "${programs[i]}" /NEW 2>"$work/stats$i" >/dev/null &
        apps[i]=$!
    done
    for i in $(seq 0 $((count - 1))); do
        windows[i]=$(DISPLAY=":$display.$i" \
            xdotool search --sync --onlyvisible --pid "${apps[i]}" | head -n 1)
        await_setting "$i" 5 2 250
    done
    sleep "$warmup"
    measure "5/2/250"
    for i in $(seq 0 $((count - 1))); do
        export DISPLAY=":$display.$i"
        xdotool windowfocus --sync "${windows[i]}"
        xdotool key Home
        xdotool key Tab Tab Tab Tab Tab Tab End
        xdotool key Tab Tab End
    done
    for i in $(seq 0 $((count - 1))); do
        await_setting "$i" 50 30 50
    done
    sleep "$warmup"
    measure "50/30/50"
    for i in $(seq 0 $((count - 1))); do
        kill "${apps[i]}"
        wait "${apps[i]}" 2>/dev/null || true
    done
    apps=()
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
    END { for (k in sum) printf "  %-28s %.2f %% [%.2f, %.2f]\n", k, sum[k] / n[k], lo[k], hi[k] }' \
    "$work/results" | sort

#!/usr/bin/env bash
# Measures each program against references on a virtual display: the time from start to the
# first paint of the window and the resident memory once shown, over interleaved rounds
# (ROUNDS, default 15); then the click benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${ROUNDS:-15}
source "$root/scripts/lib/programs.sh"
references=(emptywindow plainsorting plainbank)
# program:reference; a program's reference is the plain window named after it, if there is one,
# else the plain sorting window.
pairs=()
for reference in "${references[@]}"; do
    pairs+=("$reference:$reference")
done
for program in "${programs[@]}"; do
    reference=plain${program,,}
    [[ " ${references[*]} " == *" $reference "* ]] || reference=plainsorting
    pairs+=("$program:$reference")
done

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" "${programs[@]}" "${references[@]}" paintprobe bench_clicks bench_desktopclicks
bin="$root/build/bin"
source "$root/scripts/lib/virtualdisplay.sh"
start_virtual_display

results=$(mktemp)
tempfiles+=("$results")
for round in $(seq "$rounds"); do
    # Each round starts with another program, so that no program always runs first.
    for ((k = 0; k < ${#pairs[@]}; k++)); do
        pair=${pairs[$(((k + round) % ${#pairs[@]}))]}
        program=${pair%%:*}
        start=${EPOCHREALTIME/./}
        line=$(LD_PRELOAD="$bin/libpaintprobe.so" timeout 20 "$bin/$program" 2>&1 | grep '^paintprobe:')
        painted=$(sed -E 's/.*painted_us=([0-9]+).*/\1/' <<<"$line")
        rss=$(sed -E 's/.*rss_kib=([0-9]+).*/\1/' <<<"$line")
        echo "$round ${pair/:/ } $(((painted - start) / 1000)).$(((painted - start) % 1000 / 100)) $rss" >>"$results"
    done
done

echo "Start to first paint and resident memory, medians of $rounds rounds:"
echo "program        ms    MiB   time ratio  memory ratio  (to the reference, medians of rounds)"
awk '
    function median(list,    n, values, i, j, t) {
        n = split(list, values, " ")
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && values[j - 1] + 0 > values[j] + 0; j--) {
                t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
            }
        return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
    }
    { round = $1; program = $2; reference[program] = $3; ms[round, program] = $4; kib[round, program] = $5
      if (!(program in seen)) { seen[program] = 1; order[++count] = program }
      rounds[round] = 1 }
    END {
        for (i = 1; i <= count; i++) {
            p = order[i]; r = reference[p]; times = mems = tr = mr = ""
            for (round in rounds) {
                times = times " " ms[round, p]; mems = mems " " kib[round, p]
                tr = tr " " ms[round, p] / ms[round, r]; mr = mr " " kib[round, p] / kib[round, r]
            }
            printf "%-12s %6.1f %6.1f   %8.3f   %8.3f\n", p, median(times), median(mems) / 1024,
                   median(tr), median(mr)
        }
    }' "$results"

echo
echo "Click handlers on the forms alone (median per click):"
"$bin/bench_clicks"
echo
echo "Mouse clicks in the desktop windows, handler and update of the widgets (QtTest, per click):"
QT_QPA_PLATFORM=offscreen "$bin/bench_desktopclicks" 2>/dev/null | grep -E '^RESULT|msecs per iteration' |
    paste - - | sed -E 's/RESULT : [^:]+::click\(\)?:?//; s/"//g; s/ +/ /g'

#!/usr/bin/env bash
# Times Palmora's steps in a real X window, from the key press or click to the
# last pixel the step draws (bench/inputtopixels.cpp), as a user takes them:
# every run starts the program afresh, so each run has its first openings, then
# walks the topic browser, takes a test, prints the report through a CUPS
# printer of the bench's own and takes a step while it prints, writes and saves
# a goal note, and leaves through File, Exit. Prints, for each step, the median,
# the slowest and the share of runs drawn within one frame at 120 Hz (8.3 ms)
# and at 60 Hz (16 ms);
# every step's time, run by run, is kept in build-bench/inputtopixels.tsv.
#   bench/inputtopixels.sh [RUNS [PROGRAM]]   (default 14 runs; PROGRAM: the
#   palmora to measure; default this tree's)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-14}
program=${2:-}

source bench/common.sh
build_bench palmora inputtopixels
[[ -n "$program" ]] || program=$build/palmora
program=$(realpath "$program")

work=$(mktemp -d)
cleanup() {
  # Each goes whatever became of the others (a program that ended by itself).
  [[ -z "${app_pid:-}" ]] || kill "$app_pid" 2>/dev/null || true
  [[ -z "${xvfb_pid:-}" ]] || kill "$xvfb_pid" 2>/dev/null || true
  tools/test-printer.sh stop "$work/printer" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb
printer=$(tools/test-printer.sh start "$work/printer" | tail -n1)
export CUPS_SERVER=$printer/cups.sock LPDEST=PDF

# A copy of the program in a folder of its own, so its goal notes land there.
mkdir -p "$work/app"
cp "$program" "$work/app/palmora"

# The steps of one run, by key and by click. Places are in the main window
# (775 x 479, its size is fixed): the start page's three choices and Proceed,
# the test options' second choice and Start, the first answer (always at the
# top of the answers) and Next Question, the result page's two buttons, and
# the first goal note's check box, text and Save button.
steps() {
  cat <<'EOF'
window Palmora v1.20
click 299 274 choose Memorize on the start page
click 391 386 Proceed (click): Memorize, first time
EOF
  for _ in $(seq 1 22); do echo "key alt+n Alt+N in the topic browser"; done
  for _ in $(seq 1 6); do echo "key alt+b Alt+B in the topic browser"; done
  cat <<'EOF'
key alt+m Alt+M, Back To Main
click 299 299 choose the test on the start page
key alt+c Alt+C, Proceed: Test Options, first time
click 270 276 choose a kind of test
click 491 422 Start The Test (click), first time
EOF
  for _ in $(seq 1 4); do
    echo "click 180 88 choose an answer"
    echo "key alt+n Alt+N, Next Question"
    echo "click 180 88 choose an answer"
    echo "click 88 350 Next Question (click)"
  done
  cat <<'EOF'
click 180 88 choose an answer
key alt+n Alt+N, Next Question
click 180 88 choose an answer
click 88 350 Next Question (click): the report
click 151 442 Print Test Results (click)
click! 151 442
sleep 20
tap 631 442 Start Test Once More (click), 20 ms into a print
key alt+m Alt+M, Back To Main
click 299 324 choose Set Goals on the start page
click 391 386 Proceed (click): Set Goals, first time
click 27 102 tick Goal 1
click 380 180 place the cursor in Goal 1
key x a letter typed in a goal note
key y a letter typed in a goal note
key z a letter typed in a goal note
click 704 102 Save a goal note (click)
key alt+f Alt+F, the File menu
key x X, Exit: the exit screen
EOF
}

: >"$work/times"
: >"$build/inputtopixels.tsv"
for run in $(seq 1 "$runs"); do
  fresh_home
  "$work/app/palmora" >/dev/null 2>&1 &
  app_pid=$!
  steps | "$build/bench/inputtopixels" | tee -a "$work/times" | sed "s/^/$run\t/" >>"$build/inputtopixels.tsv" \
    || echo "run $run: the steps did not all run" >&2
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
done

echo
printf '%-48s %6s %9s %9s %16s %14s\n' "step, input to last pixel ($runs runs)" "count" "median" "slowest" "within 8.3 ms" "within 16 ms"
awk -F'\t' '
  { order[$1] = order[$1] ? order[$1] : ++n; name[order[$1]] = $1
    if ($2 == "none") { none[$1]++; next }
    v[$1, ++c[$1]] = $2 }
  END {
    for (i = 1; i <= n; i++) {
      s = name[i]; k = c[s]
      for (a = 1; a <= k; a++) x[a] = v[s, a]
      for (a = 2; a <= k; a++) { t = x[a]; b = a - 1; while (b >= 1 && x[b] > t) { x[b + 1] = x[b]; b-- } x[b + 1] = t }
      med = k ? ((k % 2) ? x[(k + 1) / 2] : (x[k / 2] + x[k / 2 + 1]) / 2) : 0
      within = 0; fast = 0
      for (a = 1; a <= k; a++) { if (x[a] <= 16) within++; if (x[a] <= 8.3) fast++ }
      total = k + none[s]
      printf "%-48s %6d %7.1f ms %6.1f ms %4d%% (%3d of %3d) %4d%% (%d of %d)\n", s, total, med, x[k],
             total ? 100 * fast / total : 0, fast, total, total ? 100 * within / total : 0, within, total
      all += total; allWithin += within; allFast += fast
    }
    printf "\nall steps: %.1f%% within 8.3 ms (%d of %d), %.1f%% within 16 ms (%d of %d)\n",
           100 * allFast / all, allFast, all, 100 * allWithin / all, allWithin, all
  }' "$work/times"

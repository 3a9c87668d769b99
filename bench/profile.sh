#!/usr/bin/env bash
# Where start-up goes: runs Palmora and the bare Qt window once each under
# callgrind up to their first window being mapped, and prints the instructions
# each stage took, side by side. Instruction counts are the same from run to
# run whatever else the machine does, so a change of a few hundred thousand
# shows. The milliseconds beside them are the counts divided by how many
# thousand instructions a millisecond the machine runs at start-up: the
# instructions up to the map over bench/run.sh's CPU time up to the map (pass it
# in KILO_INSTRUCTIONS_PER_MS; 2400 on the machine the figures in doc/benchmarks.md are from).
#   bench/profile.sh
set -euo pipefail
cd "$(dirname "$0")/.."
per_ms=${KILO_INSTRUCTIONS_PER_MS:-2400}

source bench/common.sh
build_bench palmora barewindow
command -v valgrind >/dev/null || { echo "profile.sh: valgrind is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb

fresh_home
mkdir -p "$work/app"
cp "$build/palmora" "$work/app/"

# Runs a program under callgrind until a window with the title is mapped, then
# ends it; callgrind writes its counts as the program ends.
profile() { # TITLE OUTPUT PROGRAM
  valgrind --tool=callgrind --callgrind-out-file="$2" "$3" 2>/dev/null &
  local pid=$!
  for _ in $(seq 1 600); do xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && break; sleep 0.05; done
  sleep 1
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
}
profile "Palmora v1.20" "$work/palmora.cg" "$work/app/palmora"
profile "Bare Window" "$work/bare.cg" "$build/bench/barewindow"

# Inclusive instructions of the functions whose names match, summed.
cost() { # FILE PATTERN
  callgrind_annotate --inclusive=yes --threshold=100 "$1" 2>/dev/null \
    | grep -E "$2" | awk '{gsub(",", "", $1); s += $1} END {printf "%d", s}'
}
row() { # LABEL PALMORA BARE
  awk -v l="$1" -v p="$2" -v b="$3" -v k="$per_ms" \
    'BEGIN {printf "| %s | %.2f M | %.2f ms | %.2f M | %.2f ms |\n", l, p/1e6, p/k/1000, b/1e6, b/k/1000}'
}
p=$work/palmora.cg; b=$work/bare.cg
p_load=$(cost "$p" 'rtld.c:_dl_start '); b_load=$(cost "$b" 'rtld.c:_dl_start ')
p_app=$(cost "$p" 'QApplication::QApplication\(int'); b_app=$(cost "$b" 'QApplication::QApplication\(int')
p_fonts=$(cost "$p" 'QFontconfigDatabase::populateFontDatabase'); b_fonts=$(cost "$b" 'QFontconfigDatabase::populateFontDatabase')
p_engines=$(cost "$p" 'QFontDatabasePrivate::loadEngine\('); b_engines=$(cost "$b" 'QFontDatabasePrivate::loadEngine\(')
p_main=$(cost "$p" '\?\?\?:main '); b_main=$(cost "$b" '\?\?\?:main ')
p_exec=$(cost "$p" 'QApplication::exec\(\)'); b_exec=$(cost "$b" 'QApplication::exec\(\)')
p_theme=$(cost "$p" 'palmora::Theme::apply')
p_window=$(cost "$p" 'palmora::MainWindow::MainWindow\('); p_setup=$(cost "$p" 'Ui_MainWindow::setupUi')
p_icon=$(cost "$p" 'palmora::AppIdentity::applicationIcon'); p_lock=$(cost "$p" 'palmora::SingleInstanceGuard::acquire')
p_reminder=$(cost "$p" 'palmora::runUpdateReminder|palmora::ReminderRecord::ReminderRecord\(')
p_show=$(cost "$p" 'QWidget::show\(\)'); b_show=$(cost "$b" 'QWidget::show\(\)')
b_window=$(cost "$b" 'QMainWindow::QMainWindow\(|QLabel::QLabel\(')
p_start=$((p_load + p_main - p_exec)); b_start=$((b_load + b_main - b_exec))

echo
echo "instructions (millions), and milliseconds at $per_ms thousand instructions a millisecond"
echo
echo "| up to the main window being mapped | Palmora | | bare window | |"
echo "|---|---|---|---|---|"
row "loading and linking the libraries" "$p_load" "$b_load"
row "QApplication: platform plugin, X connection" "$p_app" "$b_app"
row "reading the font configuration (asked first by the theme; bare: by show)" "$p_fonts" "$b_fonts"
row "theme: style, palette, choosing the font family" "$((p_theme - p_fonts))" 0
row "one-copy lock" "$p_lock" 0
row "update reminder: reading the record" "$p_reminder" 0
row "window icon (16, 32 and 64 pixels)" "$p_icon" "0"
row "main window built and measured (bare: window and label)" "$p_window" "$b_window"
row "  of which the form: start page, menu bar, links" "$p_setup" 0
row "showing the window (bare: font configuration excluded)" "$p_show" "$((b_show - b_fonts))"
row "font engines, one per size and weight (inside the rows above)" "$p_engines" "$b_engines"
row "all, up to the map" "$p_start" "$b_start"
awk -v p="$p_start" -v b="$b_start" 'BEGIN {printf "\ninstructions up to the map: Palmora / bare window = %.3f\n", p/b}'

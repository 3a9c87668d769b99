#!/usr/bin/env bash
# The suite's print system (tools/test-printer.sh) is its runner's alone: a
# user who cannot enter its folder cannot reach it, lp, who can, is refused
# whatever user name it gives, and no printer writes anywhere but printed.ps,
# while the runner still prints. Switching users needs root; as an ordinary
# user that part is skipped (77).
#   test_printer_private.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
# Open to lp's passing, so that the scheduler lives here and not under /tmp.
chmod 711 "$work"
trap '"$source_dir/tools/test-printer.sh" stop "$work/printer"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

export LC_ALL=C CUPS_SERVER
folder=$("$source_dir/tools/test-printer.sh" start "$work/printer")
CUPS_SERVER=$folder/cups.sock

as() { (cd / && setpriv --reuid="$1" --regid="$(id -g "$1")" --clear-groups "${@:2}"); }
if [[ $(id -u) -eq 0 ]]; then
  [[ $(as nobody lpstat -r) != "scheduler is running" ]] || fail "nobody reaches the socket"
  [[ $(as lp lpstat -r) == "scheduler is running" ]] || fail "lp cannot reach the socket, so its refusals prove nothing"
  for who in nobody lp; do
    ! as "$who" lpstat -v >/dev/null 2>&1 || fail "$who may list the printers"
    ! as "$who" /usr/sbin/lpadmin -p Planted -E -v "file://$work/planted" >/dev/null 2>&1 || fail "$who may add a printer"
    ! echo planted | as "$who" lp -d PDF >/dev/null 2>&1 || fail "$who may print"
    ! echo planted | as "$who" lp -U "$(id -un)" -d PDF >/dev/null 2>&1 || fail "$who may print as the runner"
  done
fi

# The scheduler may run as root: not even the runner may have it write elsewhere.
! /usr/sbin/lpadmin -p Planted -E -v "file://$work/planted" >/dev/null 2>&1 || fail "a printer may write to a file"
/usr/sbin/lpadmin -p Elsewhere -E -v "printed:$work/planted" || fail "the runner may not add a printer"
# One at a time: both end in printed.ps.
print_to() {
  echo page | lp -d "$1" >/dev/null || fail "the runner cannot print to $1"
  for _ in $(seq 1 600); do
    [[ -n $(lpstat -o "$1") ]] || return 0
    sleep 0.1
  done
  fail "the job on $1 did not end"
}
print_to Elsewhere
[[ ! -e "$work/planted" && $(cat "$folder/printed.ps") == page ]] || fail "Elsewhere printed elsewhere than printed.ps"
print_to PDF
[[ $(head -c 4 "$folder/printed.ps") == '%!PS' ]] || fail "PDF printed no PostScript into printed.ps"
[[ $(lpstat -W all -o | grep -c .) -eq 2 && $(lpstat -W completed -o | grep -c .) -eq 2 ]] \
  || fail "not just the runner's two jobs, completed: $(lpstat -W all -o)"

if [[ $(id -u) -ne 0 ]]; then
  [[ $(stat -c %a "$folder") == 700 ]] || fail "the print system's folder is open to others"
  echo "skipped: only root can switch users to try the print system as another user"
  exit 77
fi
echo "test printer: the runner's alone"

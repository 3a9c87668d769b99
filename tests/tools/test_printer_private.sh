#!/usr/bin/env bash
# The suite's print system (tools/test-printer.sh) is its runner's alone: nobody
# else reaches it, lp (who may pass through its folder) is refused whatever name
# it gives, and no printer writes anywhere but printed.ps. As an ordinary user,
# who cannot switch users, the part as others is skipped (77).
#   test_printer_private.sh SOURCE_DIR
set -euo pipefail
printer=$1/tools/test-printer.sh
work=$(mktemp -d)
chmod 711 "$work"
trap '"$printer" stop "$work/printer"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
export LC_ALL=C CUPS_SERVER
CUPS_SERVER=$("$printer" start "$work/printer")/cups.sock
as() { (cd / && setpriv --reuid="$1" --regid="$(id -g "$1")" --clear-groups "${@:2}"); }
for who in $([[ $(id -u) -eq 0 ]] && echo nobody lp); do
  ! as "$who" /usr/sbin/lpadmin -p Planted -E -v "file://$work/planted" 2>/dev/null || fail "$who may add a printer"
  ! echo x | as "$who" lp -U "$(id -un)" -d PDF 2>/dev/null || fail "$who may print as the runner"
done
[[ $(id -u) -ne 0 || $(as nobody lpstat -r) != "scheduler is running" ]] || fail "nobody reaches the socket"
! /usr/sbin/lpadmin -p Planted -E -v "file://$work/planted" 2>/dev/null || fail "a printer may write to a file"
/usr/sbin/lpadmin -p Elsewhere -E -v "printed:$work/planted" || fail "the runner may not add a printer"
echo page | lp -d Elsewhere >/dev/null || fail "the runner cannot print"
for _ in $(seq 1 600); do [[ -n $(lpstat -o Elsewhere) ]] || break; sleep 0.1; done
[[ ! -e "$work/planted" && $(cat "${CUPS_SERVER%/*}/printed.ps") == page ]] || fail "printed elsewhere than printed.ps"
[[ $(id -u) -eq 0 ]] || { echo "skipped: only root can try the print system as another user"; exit 77; }
echo "test printer: the runner's alone"

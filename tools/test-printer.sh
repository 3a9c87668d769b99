#!/usr/bin/env bash
# A CUPS scheduler of the test suite's own, so that the printing tests print
# through CUPS without touching the machine's printers, its default printer or
# anybody's files. It has its own configuration, spool, log and socket in one
# folder, and one printer, "PDF" (the CUPS-PDF model), the default there, whose
# output goes to printed.ps in that folder instead of to ~/PDF.
#
#   tools/test-printer.sh start FOLDER   starts it; prints the folder it uses
#   tools/test-printer.sh stop FOLDER    stops it and removes what it made
#
# Point the tests at it with CUPS_SERVER=<the folder printed>/cups.sock.
# It is the runner's alone: other users can neither enter the folder nor pass
# its access policy, and nothing it is asked to do writes a file elsewhere.
# FOLDER is used when the scheduler's filters can reach it and its socket name
# fits; otherwise a private temporary folder is: run as root, CUPS runs its
# filters as the user lp, who cannot enter a folder under /root.
set -euo pipefail
umask 077

usage() { echo "usage: $0 start|stop FOLDER" >&2; exit 2; }
[[ $# -eq 2 ]] || usage
action=$1
folder=$2

stop() {
  local dir=$1
  if [[ -f "$dir/cupsd.pid" ]]; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  # A temporary folder used in FOLDER's place is named in FOLDER.
  if [[ -f "$dir/elsewhere" ]]; then
    local other
    other=$(cat "$dir/elsewhere")
    [[ "$other" == "${TMPDIR:-/tmp}"/palmora-printer.* ]] && stop "$other"
  fi
  rm -rf "$dir"
}

if [[ "$action" == stop ]]; then
  stop "$folder"
  exit 0
fi
[[ "$action" == start ]] || usage

# The administrator's programs are not on an ordinary user's PATH.
for program in /usr/sbin/cupsd /usr/sbin/lpadmin lpstat; do
  if ! command -v "$program" >/dev/null; then
    echo "test-printer: $program is missing; run tools/install-deps.sh --test" >&2
    exit 1
  fi
done
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
if [[ ! -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]]; then
  echo "test-printer: the CUPS-PDF printer model is missing (printer-driver-cups-pdf); run tools/install-deps.sh --test" >&2
  exit 1
fi

# Run as root, the filters run as lp and open the job's files, the PPD and the
# temporary folder by name: lp may pass through, not look in.
private() {
  if [[ $(id -u) -eq 0 ]]; then
    chgrp lp "$1" && chmod 710 "$1"
  else
    chmod 700 "$1"
  fi
}
reachable() {
  [[ $(id -u) -ne 0 ]] || setpriv --reuid=lp --regid=lp --clear-groups test -x "$1" 2>/dev/null
}

# A scheduler left running by an interrupted run is stopped first.
stop "$folder"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
private "$folder"
if ! reachable "$folder" || (( ${#folder} > 90 )); then
  home=$folder
  folder=$(mktemp -d "${TMPDIR:-/tmp}/palmora-printer.XXXXXX")
  echo "$folder" >"$home/elsewhere"
  private "$folder"
fi
# cupsd opens its ServerRoot to everyone, so that lives a level down.
mkdir -p "$folder"/{conf,spool/tmp,state,cache,log,bin/backend}

# The machine's CUPS programs but for the backends, of which there is one:
# every job replaces printed.ps here, whatever device the printer names. Mode
# 700 makes CUPS run it as the scheduler's own user, the only one who may
# write here.
for entry in /usr/lib/cups/*; do
  [[ ${entry##*/} == backend* ]] || ln -s "$entry" "$folder/bin/"
done
private "$folder/bin"
cat >"$folder/bin/backend/printed" <<BACKEND
#!/bin/bash
[[ \$# -ge 5 ]] || { echo 'direct printed "Unknown" "the test suite'"'"'s printed.ps"'; exit 0; }
exec cat \${6+"\$6"} >$(printf %q "$folder/printed.ps")
BACKEND
chmod 700 "$folder/bin/backend/printed"

user=$(id -un)
cat >"$folder/conf/cupsd.conf" <<CONF
Listen $folder/cups.sock
Browsing No
WebInterface No
LogLevel warn
# The runner alone, known by the socket's peer credentials (PeerCred): with no
# authentication CUPS would believe the user name a request gives. The location
# holds every request; the policy lets a runner outside CUPS's SystemGroup
# manage the printer. Its private values are named so the log starts clean.
DefaultAuthType Basic
<Location />
  AuthType Default
  Require user $user
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    AuthType Default
    Require user $user
  </Limit>
</Policy>
CONF
cat >"$folder/conf/cups-files.conf" <<CONF
FileDevice No
ServerBin $folder/bin
ServerRoot $folder/conf
StateDir $folder/state
CacheDir $folder/cache
RequestRoot $folder/spool
TempDir $folder/spool/tmp
Printcap $folder/conf/printcap
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
CONF

/usr/sbin/cupsd -f -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" </dev/null >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"
export CUPS_SERVER=$folder/cups.sock
for _ in $(seq 1 50); do
  LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && break
  sleep 0.1
done
if ! LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; then
  echo "test-printer: the test suite's CUPS scheduler did not start:" >&2
  cat "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null | tail -n 5 | sed 's/^/  /' >&2
  exit 1
fi
# CUPS warns that printer drivers are deprecated; the model is what the machine has.
/usr/sbin/lpadmin -p PDF -E -v printed:/ -m "$ppd" 2>/dev/null
/usr/sbin/lpadmin -d PDF
echo "$folder"

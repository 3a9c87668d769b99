#!/usr/bin/env bash
# Starts the CUPS scheduler when it is not running and makes sure a virtual PDF
# printer ("PDF", from cups-pdf) exists and is the default, so that the printing
# tests have a real printer to send a job to.
set -euo pipefail

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi

# lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
scheduler_running() {
  LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'
}

if ! scheduler_running; then
  "${sudo[@]}" /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    scheduler_running && break
    sleep 0.2
  done
  if ! scheduler_running; then
    echo "start-cups: the CUPS scheduler did not start; see /var/log/cups/error_log" >&2
    exit 1
  fi
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  "${sudo[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
fi
"${sudo[@]}" cupsenable PDF >/dev/null 2>&1 || true
"${sudo[@]}" cupsaccept PDF >/dev/null 2>&1 || true
"${sudo[@]}" lpadmin -d PDF

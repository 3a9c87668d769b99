#!/usr/bin/env bash
# Starts the CUPS scheduler when it is not running and makes sure a virtual PDF
# printer ("PDF", from cups-pdf) exists and is the default, so that the printing
# tests have a real printer to send a job to.
set -euo pipefail

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi

if ! lpstat -r >/dev/null 2>&1; then
  "${sudo[@]}" /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.2
  done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  "${sudo[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
fi
"${sudo[@]}" cupsenable PDF >/dev/null 2>&1 || true
"${sudo[@]}" cupsaccept PDF >/dev/null 2>&1 || true
"${sudo[@]}" lpadmin -d PDF

#!/usr/bin/env bash
# Prints the load report of a sample load from the report window to a private CUPS daemon whose
# default queue is the cups-pdf printer, waits for the job, and checks that the printed PDF is
# one page on the same paper and with the same text as the report's PDF (the tool's, which is
# the program's page on the default printer's paper).
#   print-through-cups.sh DRIVER TOOL PROGRAM_DIR
# The daemon has its own configuration, socket, spool and logs in a temporary folder and no
# network port, so it never meets a system cupsd, and needs no systemd; it is stopped on every
# way out. cups-pdf writes where /etc/cups/cups-pdf.conf says (for root ${HOME}/PDF by default);
# the printed file is moved from there into the temporary folder.
set -euo pipefail
driver=$1 tool=$2 program=$3
PATH=$PATH:/usr/sbin:/sbin
load=S2506B117
queue=corvane-report-test

if ((EUID != 0)); then
    echo "print test skipped: the cups-pdf printer writes only when CUPS runs as root"
    exit 77
fi
fail() {
    echo "print test: $*" >&2
    exit 1
}
for command in cupsd lpadmin lpstat pdftotext pdfinfo; do
    command -v "$command" >/dev/null || fail "$command is missing (scripts/install-deps.sh)"
done
[[ -x /usr/lib/cups/backend/cups-pdf ]] || fail "the cups-pdf printer is missing (scripts/install-deps.sh)"
ppd=$(find /usr/share/ppd -name CUPS-PDF_opt.ppd -print -quit 2>/dev/null)
[[ -n "$ppd" ]] || fail "the cups-pdf PPD is missing"

work=$(mktemp -d /tmp/corvane-print.XXXXXX)
cupsd_pid= out_dir= made_out_dir=
cleanup() {
    local status=$?
    set +e
    if [[ -n "$cupsd_pid" ]]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    # The printed file, also when the run ended before it was moved here.
    if [[ -n "$out_dir" && -f "$work/before-printing" ]]; then
        find "$out_dir" -maxdepth 1 -name '*-job_1.pdf' -newer "$work/before-printing" \
            -delete 2>/dev/null
    fi
    [[ -n "$made_out_dir" ]] && rmdir "$out_dir" 2>/dev/null
    if ((status != 0)) && [[ -f "$work/log/error_log" ]]; then
        echo "--- end of the print server's log" >&2
        tail -n 30 "$work/log/error_log" >&2
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# The filters run as lp and must reach the spool.
chmod 755 "$work"
mkdir -p "$work/etc/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log" "$work/home"
cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
Printcap $work/printcap
CONF
cat >"$work/etc/cupsd.conf" <<CONF
Listen $work/cups.sock
Browsing No
WebInterface No
LogLevel info
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

# Every client below talks to this daemon only, with no one's personal printer choices.
export CUPS_SERVER="$work/cups.sock" HOME="$work/home"
unset PRINTER LPDEST
for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start: $(cat "$work/log/cupsd.out")"
    sleep 0.2
done
# pdftocairo keeps the text of the page findable in the PDF that cups-pdf writes.
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo \
    -o Label=2 2>/dev/null
lpadmin -d "$queue"
paper=$(sed -n 's/^\*DefaultPageSize: *//p' "$work/etc/ppd/$queue.ppd" | tr -d '\r')

user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out_dir=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
out_dir=${out_dir:-/var/spool/cups-pdf/\$\{USER\}}
out_dir=${out_dir//\$\{HOME\}/$home}
out_dir=${out_dir//\$\{USER\}/$user}
[[ -d "$out_dir" ]] || made_out_dir=yes

"$tool" report "$program" 0 "$load" --pdf "$work/reference.pdf" >"$work/report.txt"
touch "$work/before-printing"
sleep 1
timeout 90 "$driver" "$program/ProductInfo" "$work/report.txt" ||
    fail "the report window did not print"

for _ in $(seq 120); do
    [[ -z "$(lpstat -o "$queue")" ]] && break
    sleep 0.5
done
[[ -z "$(lpstat -o "$queue")" ]] && lpstat -W completed -o "$queue" | grep -q "^$queue-1 " ||
    fail "the job did not complete"
printed=$(find "$out_dir" -maxdepth 1 -name '*-job_1.pdf' -newer "$work/before-printing" \
    -print -quit 2>/dev/null)
[[ -n "$printed" ]] || fail "cups-pdf wrote no file in $out_dir"
mv "$printed" "$work/printed.pdf"

pages=$(pdfinfo "$work/printed.pdf" | sed -n 's/^Pages: *//p')
[[ "$pages" == 1 ]] || fail "the printed report has $pages pages"
printed_size=$(pdfinfo "$work/printed.pdf" | sed -n 's/^Page size: *//p')
reference_size=$(pdfinfo "$work/reference.pdf" | sed -n 's/^Page size: *//p')
[[ "${reference_size,,}" == *"(${paper,,})"* ]] ||
    fail "the report's PDF is on $reference_size, not on the printer's $paper paper"
[[ "$printed_size" == "$reference_size" ]] ||
    fail "printed on $printed_size, the PDF is on $reference_size"
pdftotext "$work/reference.pdf" "$work/reference.txt"
pdftotext "$work/printed.pdf" "$work/printed.txt"
grep -q "$load" "$work/reference.txt" || fail "the report's PDF holds no text"
diff -u "$work/reference.txt" "$work/printed.txt" || fail "the printed text differs from the PDF's"
echo "printed one $paper page with the report's text"

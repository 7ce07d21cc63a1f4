#!/bin/bash
# A report printed end to end: `cellvex script` builds a four-page report and
# prints it on the default printer of a CUPS scheduler of our own, whose
# cups-pdf queue turns the job into a PDF. The PDF must have four A4 pages,
# and page 1 (rendered to a PPM, the default of pdftoppm) must show the grid where it lies on screen at 100 %: the first
# column's left border 20 mm (76 pixels at 96 dpi) from the paper's edge,
# columns 80 and rows 19 pixels apart.
#
# usage: print_e2e.sh CELLVEX_BINARY PRINT_REPORT_JS
# Exit 0 passed, 1 failed, 77 skipped (not root, or the spooler packages
# cups, printer-driver-cups-pdf and poppler-utils are missing).
#
# The scheduler runs with its own configuration, spool and socket in a
# temporary folder, so it neither meets nor changes a system scheduler; the
# client calls reach it through CUPS_SERVER. It is stopped by its pid on exit.
set -u

readonly SKIP=77
cli=${1:-}
script=${2:-}
if [ ! -x "$cli" ] || [ ! -f "$script" ]; then
    echo "usage: $0 CELLVEX_BINARY PRINT_REPORT_JS" >&2
    exit 2
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: starting cupsd needs root"
    exit $SKIP
fi
for need in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/bin/pdfinfo /usr/bin/pdftoppm \
    /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
    if [ ! -e "$need" ]; then
        echo "SKIP: missing $need (packages cups printer-driver-cups-pdf poppler-utils)"
        exit $SKIP
    fi
done
if ! command -v python3 >/dev/null; then
    echo "SKIP: missing python3"
    exit $SKIP
fi

work=$(mktemp -d /tmp/cellvex-print-e2e.XXXXXX) || exit 1
cupsd_pid=""
cleanup() {
    if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
        kill "$cupsd_pid"
        for _ in $(seq 50); do
            kill -0 "$cupsd_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$cupsd_pid" 2>/dev/null && kill -9 "$cupsd_pid"
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -f "$work/log/error_log" ]; then
        echo "--- scheduler log (last lines)"
        tail -n 20 "$work/log/error_log"
    fi
    exit 1
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Filters run as the unprivileged user lp and must reach the spool folders.
chmod 755 "$work"
mkdir -p "$work/etc/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log"
cat >"$work/etc/cups-files.conf" <<EOF
SystemGroup root
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
EOF
# Only reachable through its own socket, so everyone may do everything.
cat >"$work/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $work/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
export CUPS_SERVER="$work/cups.sock"

/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
scheduler_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"; }
wait_for 150 scheduler_running || fail "cupsd did not answer within 15 s"

queue=CellvexPDF
# (lpadmin warns that PPD drivers are deprecated; cups-pdf has nothing else.)
lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>"$work/lpadmin.err" ||
    fail "could not add the cups-pdf queue: $(cat "$work/lpadmin.err")"
lpadmin -d "$queue" || fail "could not make $queue the default"

# cups-pdf writes into the PDF folder of the job's user, named after the job
# title; files older than the marker belong to earlier runs.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out_dir="${home:-/root}/PDF"
touch "$work/marker"
sleep 1 # the marker must be older than the PDF at the file system's resolution

export CELLVEX_REGISTRY="${CELLVEX_REGISTRY:-$work/registry.ini}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$cli" script "$script" || fail "cellvex script $script failed"

queue_empty() { [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; }
wait_for 600 queue_empty || fail "the queue did not empty within 60 s"
new_pdf() {
    pdf=$(find "$out_dir" -maxdepth 1 -name '*.pdf' -newer "$work/marker" -size +0 2>/dev/null | head -n 1)
    [ -n "$pdf" ]
}
wait_for 100 new_pdf || fail "no new PDF in $out_dir"
echo "PDF: $pdf"

info=$(LC_ALL=C pdfinfo "$pdf") || fail "pdfinfo cannot read $pdf"
pages=$(echo "$info" | sed -n 's/^Pages: *//p')
[ "$pages" = 4 ] || fail "expected 4 pages, the PDF has '$pages'"
echo "$info" | grep -q '^Page size:.*(A4)' || fail "the page is not A4: $(echo "$info" | grep '^Page size')"

pdftoppm -q -r 96 -f 1 -l 1 -singlefile "$pdf" "$work/page1" || fail "pdftoppm cannot render page 1"
python3 - "$work/page1.ppm" <<'EOF' || fail "page 1 does not show the grid as on screen"
import sys

# A binary PPM (P6): header tokens, then width x height RGB triples.
data = open(sys.argv[1], "rb").read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    if data[pos:pos + 1] == b"#":
        pos = data.index(b"\n", pos)
        continue
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pos += 1
assert fields[0] == b"P6" and fields[3] == b"255", fields
width, height = int(fields[1]), int(fields[2])
pixels = data[pos:pos + width * height * 3]

def dark(x, y):
    i = (y * width + x) * 3
    return max(pixels[i:i + 3]) < 100

def run_starts(points):
    starts, previous = [], False
    for k, p in enumerate(points):
        d = dark(*p)
        if d and not previous:
            starts.append(k)
        previous = d
    return starts

total = sum(1 for y in range(height) for x in range(width) if dark(x, y))
print("page 1: %d x %d pixels, %d dark" % (width, height, total))
# Across the middle of the second row, and down the middle of the second column.
cols = run_starts([(x, 76 + 19 + 9) for x in range(width)])
rows = run_starts([(76 + 80 + 40, y) for y in range(height)])
print("column edges:", cols[:5], "row edges:", rows[:5])
ok = len(cols) >= 8 and len(rows) >= 40
ok = ok and abs(cols[0] - 76) <= 1 and abs(rows[0] - 76) <= 1
ok = ok and all(abs((b - a) - 80) <= 1 for a, b in zip(cols[:8], cols[1:8]))
ok = ok and all(abs((b - a) - 19) <= 1 for a, b in zip(rows[:40], rows[1:40]))
sys.exit(0 if ok else 1)
EOF

[ -n "${CELLVEX_KEEP_PDF:-}" ] && cp "$pdf" "$CELLVEX_KEEP_PDF"
rm -f "$pdf"
echo "PASS: 4 A4 pages, grid at the margins in screen size"

#!/usr/bin/env bash
# Opens tables in LibreOffice Calc headless with the import settings README
# gives ("Opening the table in a spreadsheet"), saves them as .ods, saves
# the .ods back as Text CSV, and checks that every cell's text is unchanged.
#
# Tables: the sample's (examples/LeverPrototypes.txt) and one generated here
# with the cells a first-use import damages (x,y pairs, texts starting with
# a quote, =1+1, 12.5, 3.0, 00123, dates, percentages) and random cells of
# every byte from 0x20 to 0xFF. Calc drops control characters below 0x20
# (other than TAB, which separates cells) on import; README says so, and
# the generated cells leave them out.
#
# Saved back, a row has as many cells as the widest row and lines end in
# LF, so cells are compared, not bytes: trailing empty cells and the line
# end do not count.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "test-spreadsheet: $*" >&2
  exit 1
}
command -v soffice >/dev/null || fail "LibreOffice Calc is missing (scripts/setup.sh installs libreoffice-calc-nogui)"

# Import: Tab only, no text delimiter, Windows-1252, first line 1, every one
# of the eight columns Text (format 2), English (USA), quoted fields as text
# off, special numbers off. Export: the same separator, delimiter and
# character set.
readonly import_filter='Text - txt - csv (StarCalc):9,,1,1,1/2/2/2/3/2/4/2/5/2/6/2/7/2/8/2,1033,false,false'
readonly export_filter='Text - txt - csv (StarCalc):9,,1,1,,1033,false,false,false,false,false'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/ods" "$work/back"
cp examples/LeverPrototypes.txt "$work/in/sample.txt"

python3 - "$work/in/generated.txt" <<'PY'
import random, sys
random.seed(14)
hostile = [b'"quoted', b'"', b'""x""', b'=1+1', b'=A1', b'+1', b'-1', b'@sum', b"'apos",
           b'12.5', b'3.0', b'-0.0', b'12.5,-3.3', b'x,y', b'1,5', b'a;b', b'00123', b'1e5',
           b'1.0E20', b'5%', b'1/2', b'2026-12-08', b'12:30', b'12.5.', b'TRUE', b'#N/A',
           b'NAN', b'-INF', b' lead', b'trail ', b'\x80\x81\x8d\x8f\x90\x9d\xa0\xff']
alphabet = bytes(range(0x20, 0x100))
rows = [b'\t'.join(hostile[i:i + 8]) for i in range(0, len(hostile), 8)]
for _ in range(200):
    cells = []
    for _ in range(random.randint(0, 8)):
        cell = bytes(random.choice(alphabet) for _ in range(random.randint(0, 12)))
        if random.random() < 0.3:
            cell = random.choice(hostile) + cell
        cells.append(cell)
    rows.append(b'\t'.join(cells))
open(sys.argv[1], 'wb').write(b''.join(row + b'\r\n' for row in rows))
PY

soffice_run() {
  soffice -env:UserInstallation="file://$work/profile" --headless "$@" >"$work/log" 2>&1 ||
    { cat "$work/log"; fail "soffice $* failed"; }
}
soffice_run --infilter="$import_filter" --convert-to ods --outdir "$work/ods" "$work"/in/*.txt
soffice_run --convert-to "txt:$export_filter" --outdir "$work/back" "$work"/ods/*.ods

python3 - "$work" <<'PY'
import os, sys
work = sys.argv[1]
def cells(path):
    rows = open(path, 'rb').read().replace(b'\r\n', b'\n').split(b'\n')
    if rows and rows[-1] == b'':
        rows.pop()
    table = []
    for row in rows:
        row = row.split(b'\t')
        while row and row[-1] == b'':
            row.pop()
        table.append(row)
    while table and not table[-1]:
        table.pop()
    return table
failed = False
for name in sorted(os.listdir(os.path.join(work, 'in'))):
    before = cells(os.path.join(work, 'in', name))
    after = cells(os.path.join(work, 'back', name))
    count = sum(len(row) for row in before)
    if before == after:
        print(f'{name}: {len(before)} rows, {count} cells unchanged through .ods and back')
        continue
    failed = True
    for number, (a, b) in enumerate(zip(before, after), 1):
        if a != b:
            print(f'{name}: row {number} changed:\n  before {a!r}\n  after  {b!r}')
            break
    else:
        print(f'{name}: {len(before)} rows before, {len(after)} after')
sys.exit(1 if failed else 0)
PY

# ldbtool's workbooks through Calc and back (export, save as .xlsx and .ods,
# typed edits, apply).
scripts/test-calc-roundtrip.sh

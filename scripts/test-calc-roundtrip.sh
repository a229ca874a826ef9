#!/usr/bin/env bash
# Round trips of ldbtool's workbooks through a real LibreOffice Calc,
# headless, driven through UNO (scripts/calc_session.py, python3-uno):
#  1. the sample (examples/levers.ldb) and a database of texts spreadsheets
#     misread (tools/make_hostile_db: quotes, separators, formulas, leading
#     zeros, 3.0, 1.5E20, a TAB inside a text, bytes 0x80 to 0xFF) are
#     exported to .xlsx, opened in Calc and saved as .xlsx and as .ods; each
#     applied to its database gives the database back byte for byte;
#  2. edits typed into the sample's workbook through Calc's own typing path
#     (.uno:EnterString), 3.0, 00123, =1+1, 1.5E20 and Zugbrücke into text
#     columns and numbers into number columns, saved as .xlsx and .ods and
#     applied: kovrant's table of the result shows exactly what was typed.
# Each round trip prints its time. Calc runs with a private profile, without
# network, under a time limit (KOVRANT_CALC_TIMEOUT seconds, default 300),
# and is killed on the way out whatever happens.
#
# Uses the release preset's kovrant, ldbtool and make_hostile_db (built here
# when missing or out of date).
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "test-calc-roundtrip: $*" >&2
  exit 1
}
command -v soffice >/dev/null || fail "LibreOffice Calc is missing (scripts/setup.sh installs libreoffice-calc-nogui)"
# python3-uno belongs to Debian's Python; another python3 first on PATH
# (pyenv, a virtual environment) cannot import it.
python_uno=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import uno' 2>/dev/null; then python_uno=$candidate; break; fi
done
[[ -n $python_uno ]] || fail "no Python that imports uno (scripts/setup.sh installs python3-uno)"

if [[ ! -f build/release/CMakeCache.txt ]]; then
  cmake --preset release -DKOVRANT_WERROR=ON >/dev/null
fi
cmake --build --preset release --target kovrant ldbtool make_hostile_db >/dev/null
kovrant=$PWD/build/release/src/kovrant
ldbtool=$PWD/build/release/src/ldbtool/ldbtool

work=$(mktemp -d)
cleanup() {
  # The session kills Calc itself; this covers a session that was killed.
  if [[ -f $work/profile/soffice.pgid ]]; then
    kill -KILL -- "-$(cat "$work/profile/soffice.pgid")" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f s", b - a }'; }

cp "$OLDPWD/examples/levers.ldb" sample.ldb
"$OLDPWD/build/release/tools/make_hostile_db" hostile.ldb
declare -A export_time
for db in sample hostile; do
  started=$(now)
  "$ldbtool" export "$db.ldb" -o "$db.xlsx" >/dev/null || fail "ldbtool export $db.ldb failed"
  export_time[$db]=$(seconds "$started" "$(now)")
done

# The edits, typed into the sample's workbook; row 2 is the table's row 1.
cat >typed.json <<'JSON'
[["F2", "3.0"], ["F3", "00123"], ["G2", "=1+1"], ["G3", "1.5E20"], ["A2", "Zugbrücke"],
 ["H3", "a;b,\"c\""], ["B3", "1.5,-2.5"], ["D2", "2.5"], ["E3", "4.5"]]
JSON
"$python_uno" - typed.json >jobs.json <<'PY'
import json, sys
typed = json.load(open(sys.argv[1], encoding="utf-8"))
print(json.dumps([{"open": "sample.xlsx", "save": "sample.calc"},
                  {"open": "hostile.xlsx", "save": "hostile.calc"},
                  {"open": "sample.xlsx", "save": "typed", "type": typed}]))
PY

calc_started=$(now)
status=0
timeout --kill-after=10 "${KOVRANT_CALC_TIMEOUT:-300}" "$python_uno" \
  "$OLDPWD/scripts/calc_session.py" "$work/profile" jobs.json || status=$?
if ((status != 0)); then
  tail -n 20 "$work/profile/soffice.log" >&2 2>/dev/null || true
  ((status != 124)) || fail "the Calc session took longer than ${KOVRANT_CALC_TIMEOUT:-300} s"
  fail "the Calc session failed (status $status; soffice's last words above)"
fi
echo "Calc session: $(seconds "$calc_started" "$(now)") in all"

# 1. Saved by Calc, applied: the database itself.
for db in sample hostile; do
  for format in xlsx ods; do
    started=$(now)
    "$ldbtool" apply "$db.ldb" "$db.calc.$format" -o "$db.$format.ldb" >/dev/null ||
      fail "ldbtool apply $db.ldb $db.calc.$format refused Calc's file"
    cmp -s "$db.ldb" "$db.$format.ldb" ||
      fail "$db.ldb through Calc's .$format: the applied database differs from it"
    echo "$db.ldb -> export -> Calc -> .$format -> apply: byte for byte" \
      "(export ${export_time[$db]}, Calc as above, apply $(seconds "$started" "$(now)"))"
  done
done

# 2. Typed in Calc, applied: kovrant shows what was typed.
for format in xlsx ods; do
  started=$(now)
  "$ldbtool" apply sample.ldb "typed.$format" -o "typed.$format.ldb" >/dev/null ||
    fail "ldbtool apply sample.ldb typed.$format refused the typed edits"
  mkdir "table.$format"
  "$kovrant" "typed.$format.ldb" "table.$format" >/dev/null ||
    fail "kovrant could not convert typed.$format.ldb"
  "$python_uno" - typed.json "table.$format/LeverPrototypes.txt" "typed.$format" <<'PY' ||
import json, sys
typed = json.load(open(sys.argv[1], encoding="utf-8"))
rows = [line.split(b"\t") for line in open(sys.argv[2], "rb").read().split(b"\r\n")]
for cell, text in typed:
    column = ord(cell[0]) - ord("A")
    row = int(cell[1:]) - 1
    shown = rows[row][column] if row < len(rows) and column < len(rows[row]) else None
    if shown != text.encode("cp1252"):
        sys.exit(f"{sys.argv[3]}: {cell} was typed as {text!r}, kovrant shows "
                 f"{shown.decode('cp1252') if shown is not None else 'no cell'!r}")
print(f"typed.{sys.argv[3].split('.')[-1]}: {len(typed)} typed cells shown by kovrant as typed")
PY
    fail "the typed edits did not come through typed.$format"
  echo "  (Calc as above, apply and kovrant $(seconds "$started" "$(now)"))"
done

#!/usr/bin/env bash
# Conversion benchmark: how close does kovrant come to copying the file?
#
#   bench/convert_bench.sh [--profile long|short] [--build-dir DIR] [--no-build] [--runs N]
#                          [--prototypes N] [--kovrant BINARY] [--baseline BINARY]
#
# Builds the release preset (the converter and the database generator only)
# unless --no-build is given, generates a large synthetic lever database in
# DIR/convert-bench/ when it is not there yet (kovrant_make_large_db,
# deterministic), then runs, N times each and interleaved so that a change of
# machine load hits all of them alike:
#   kovrant DB OUTDIR         the conversion, replacing the table of the
#                             round before (as users do)
#   cat DB > /dev/null        reading the bytes
#   cat DB > COPY             copying them (the yardstick)
#   dd bs=256K DB COPY        copying them through user space in blocks of the
#                             converter's buffer size (GNU cat copies inside
#                             the kernel where it can; the script says which)
#   BASELINE DB OUTDIR2       with --baseline: another build of the converter
#                             (an older one), in the same rounds, so that
#                             before and after meet the same machine load
# Each run goes through /usr/bin/time -v for the user and system CPU time and
# the peak resident memory; wall time is taken around it with the shell's
# clock. One warm-up round (not counted) puts the database in the page cache
# first. Prints the median wall time, the throughput in MB/s of input (1 MB =
# 10^6 bytes), the ratios to `cat DB > COPY` and to the dd copy, the median
# user and system times and the largest peak RSS of the runs.
#
# Profiles (--profile):
#   long   1,000,000 prototypes of about 291 bytes (about 291 MB): long
#          descriptions, the table mostly copied text (the default)
#   short  1,200,000 prototypes of about 157 bytes (about 190 MB): short
#          texts, every number shown; most cells are numbers
#
# Then counts the system calls of one conversion with strace -c, on a small
# database (10,000 prototypes) and on the large one: they should grow with
# the bytes (one read per input buffer, one write per output buffer), not
# with the number of fields.
#
# Defaults: DIR = build/release, N = 5, the profile's prototypes, the converter
# built in DIR (--kovrant measures another build of it, e.g. an older one).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/release
build=1
runs=5
profile=long
prototypes=
small_prototypes=10000
kovrant=
baseline=
while [[ $# -gt 0 ]]; do
  case "$1" in
    --profile) profile=$2; shift 2 ;;
    --build-dir) build_dir=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    --runs) runs=$2; shift 2 ;;
    --prototypes) prototypes=$2; shift 2 ;;
    --kovrant) kovrant=$(realpath "$2"); shift 2 ;;
    --baseline) baseline=$(realpath "$2"); shift 2 ;;
    *)
      echo "usage: $0 [--profile long|short] [--build-dir DIR] [--no-build] [--runs N] [--prototypes N] [--kovrant BINARY] [--baseline BINARY]" >&2
      exit 2
      ;;
  esac
done
case "$profile" in
  long) profile_flag=; [[ -n $prototypes ]] || prototypes=1000000 ;;
  short) profile_flag=--short; [[ -n $prototypes ]] || prototypes=1200000 ;;
  *) echo "$0: unknown profile '$profile' (long or short)" >&2; exit 2 ;;
esac

for tool in /usr/bin/time strace; do
  if [[ ! -x $(command -v "$tool" || true) ]]; then
    echo "$0: needs $tool (Debian packages: time, strace)" >&2
    exit 2
  fi
done

if [[ $build == 1 ]]; then
  if [[ $build_dir == build/release ]]; then
    cmake --preset release >/dev/null
  else
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build_dir" --target kovrant kovrant_make_large_db >/dev/null
fi
[[ -n $kovrant ]] || kovrant=$(realpath "$build_dir/src/kovrant")
generator=$(realpath "$build_dir/tools/kovrant_make_large_db")

work=$(realpath -m "$build_dir/convert-bench")
mkdir -p "$work"
db=$work/levers_${profile}_$prototypes.ldb
small_db=$work/levers_${profile}_$small_prototypes.ldb
copy=$work/copy.ldb
out=$work/out
[[ -f $db ]] || "$generator" $profile_flag "$db" "$prototypes" >/dev/null
[[ -f $small_db ]] || "$generator" $profile_flag "$small_db" "$small_prototypes" >/dev/null
bytes=$(stat -c %s "$db")

# run NAME COMMAND: one timed run; appends "wall-seconds user-seconds
# system-seconds kbytes" to $work/NAME.runs.
run() {
  local name=$1 command=$2 start end
  start=$EPOCHREALTIME
  /usr/bin/time -v -o "$work/time.txt" bash -c "$command"
  end=$EPOCHREALTIME
  awk -F': ' -v a="$start" -v b="$end" '
    /User time/ {user = $2} /System time/ {sys = $2} /Maximum resident set size/ {rss = $2}
    END {printf "%.4f %.2f %.2f %d\n", b - a, user, sys, rss}' "$work/time.txt" >>"$work/$name.runs"
}

names=(convert read copy dd)
labels=("kovrant DB OUTDIR" "cat DB > /dev/null" "cat DB > COPY" "dd bs=256K DB COPY")
commands=("'$kovrant' '$db' '$out' >/dev/null"
          "cat '$db' >/dev/null"
          "cat '$db' >'$copy'"
          "dd if='$db' of='$copy' bs=256K status=none")
if [[ -n $baseline ]]; then
  names+=(baseline)
  labels+=("baseline DB OUTDIR")
  commands+=("'$baseline' '$db' '$work/out-baseline' >/dev/null")
fi

# GNU cat (coreutils 9) copies between regular files inside the kernel
# (copy_file_range) when it can: then `cat DB > COPY` never passes the bytes
# through user space. dd always does (read and write of 256 KiB blocks, the
# converter's buffer size), so it is shown as the user-space copy as well.
cat_copy="read and write through user space"
if strace -f -e trace=copy_file_range -o "$work/cat.strace" cat "$small_db" >"$copy" 2>/dev/null &&
   grep -q 'copy_file_range(.*= [1-9]' "$work/cat.strace"; then
  cat_copy="copy_file_range: copied inside the kernel, not through user space"
fi

echo "kovrant conversion benchmark"
echo "  program: $kovrant"
[[ -z $baseline ]] || echo "  baseline: $baseline"
echo "  input:   $db (profile $profile)"
echo "           $bytes bytes ($(awk -v b="$bytes" 'BEGIN {printf "%.1f", b / 1e6}') MB), $prototypes prototypes"
echo "  machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at start"
echo "  runs:    $runs of each, interleaved, after one warm-up round; medians quoted"
echo "  cat DB > COPY here: $cat_copy"

for i in "${!names[@]}"; do run warmup "${commands[$i]}"; done
rm -f "$work"/*.runs
for ((r = 0; r < runs; r++)); do
  for i in "${!names[@]}"; do run "${names[$i]}" "${commands[$i]}"; done
done

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
copy_median=$(cut -d' ' -f1 "$work/copy.runs" | median)
dd_median=$(cut -d' ' -f1 "$work/dd.runs" | median)
echo
printf '  %-20s %8s %9s %11s %10s %7s %7s %13s\n' \
  "command" "wall s" "MB/s" "x cat>COPY" "x dd copy" "user s" "sys s" "peak RSS KiB"
for i in "${!names[@]}"; do
  file=$work/${names[$i]}.runs
  wall=$(cut -d' ' -f1 "$file" | median)
  user=$(cut -d' ' -f2 "$file" | median)
  sys=$(cut -d' ' -f3 "$file" | median)
  rss=$(cut -d' ' -f4 "$file" | sort -g | tail -1)
  awk -v label="${labels[$i]}" -v w="$wall" -v c="$copy_median" -v d="$dd_median" -v b="$bytes" \
    -v user="$user" -v sys="$sys" -v rss="$rss" \
    'BEGIN {printf "  %-20s %8.3f %9.1f %11.2f %10.2f %7.2f %7.2f %13d\n", label, w, b / 1e6 / w,
            w / c, w / d, user, sys, rss}'
done
echo "  all runs, wall seconds:"
for i in "${!names[@]}"; do
  printf '    %-20s %s\n' "${labels[$i]}" "$(cut -d' ' -f1 "$work/${names[$i]}.runs" | tr '\n' ' ')"
done
echo "  load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"

# Start-up: the bundled 5 KB sample, converted many times in a row (process
# start included); the mean per conversion, interleaved in rounds with the
# same number of `cat SAMPLE > COPY` runs as the floor of starting a process.
sample=examples/levers.ldb
sample_runs=200
sample_time() {
  local start=$EPOCHREALTIME i
  for ((i = 0; i < sample_runs / 5; i++)); do eval "$1"; done
  awk -v a="$start" -v b="$EPOCHREALTIME" -v n=$((sample_runs / 5)) 'BEGIN {printf "%.6f\n", (b - a) / n}'
}
rm -f "$work"/sample_*.runs
for ((r = 0; r < 5; r++)); do
  sample_time "'$kovrant' '$sample' '$out' >/dev/null" >>"$work/sample_convert.runs"
  sample_time "cat '$sample' >'$copy'" >>"$work/sample_cat.runs"
  [[ -z $baseline ]] ||
    sample_time "'$baseline' '$sample' '$work/out-baseline' >/dev/null" >>"$work/sample_baseline.runs"
done
sample_ms() { median <"$work/sample_$1.runs" | awk '{printf "%.2f", $1 * 1000}'; }
echo
echo "  sample $sample ($(stat -c %s "$sample") bytes), $sample_runs runs each, medians of 5 rounds:"
echo "    kovrant $(sample_ms convert) ms per conversion, cat $(sample_ms cat) ms$(
  [[ -z $baseline ]] || echo ", baseline $(sample_ms baseline) ms")"

# System calls of one conversion, by strace -c.
syscalls() {
  local database=$1 summary=$work/strace.txt
  strace -f -c -o "$summary" "$kovrant" "$database" "$out" >/dev/null
  local size
  size=$(stat -c %s "$database")
  awk -v size="$size" -v name="$(basename "$database")" '
    $NF == "read" {reads = $4} $NF == "write" || $NF == "pwrite64" {writes += $4}
    $NF == "mmap" || $NF == "munmap" {maps += $4} $NF == "lseek" {seeks = $4}
    $NF == "total" {total = $4}
    END {printf "  %-26s %12d %8d %8d %8d %8d %8d %10.1f\n", name, size, total, reads, writes,
         maps, seeks + 0, total / (size / 1e6)}' "$summary"
}
echo
echo "  system calls of one conversion, all threads (strace -f -c; write counts pwrite64 too,"
echo "  map counts mmap and munmap, the runtime's included)"
printf '  %-26s %12s %8s %8s %8s %8s %8s %10s\n' "database" "bytes" "total" "read" "write" "map" \
  "lseek" "per MB"
syscalls "$small_db"
syscalls "$db"
rm -f "$copy" "$work/time.txt" "$work/strace.txt" "$work/cat.strace"

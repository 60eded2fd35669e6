#!/usr/bin/env bash
# Builds the benchmarks and runs them under the project's Wine prefix; each prints its
# own figures and the ratio against its baseline, timed in the same run.
#   bench/run.sh [walk|temp|overwrite|clean|analyze|startup|rules|all]   (all by default;
#   clean is temp and overwrite)
# The walk's generated tree lives in build/bench-tree (reached through Wine's Z: drive),
# outside the prefix's C:, so that whole-drive searches in the tests do not walk it.
# Each benchmark prints the load average before it: the figures are only as steady as
# the machine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
which="${1:-all}"
case "$which" in
  walk|temp|overwrite|clean|analyze|startup|rules|all) ;;
  *) echo "usage: bench/run.sh [walk|temp|overwrite|clean|analyze|startup|rules|all]" >&2; exit 2 ;;
esac
source scripts/wine-env.sh
preset="$(tervane_windows_preset "$TERVANE_WINE_ARCH")"
echo "bench: $TERVANE_WINE_ARCH Wine, build/$preset, $(uname -m) $(hostname), $(date -u '+%F %H:%M UTC')"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
targets=()
wants() { [ "$which" = all ] || [ "$which" = "$1" ] || { [ "$which" = clean ] && [[ "$1" = temp || "$1" = overwrite ]]; }; }
wants walk && targets+=(walk_bench)
wants temp && targets+=(bench_clean_temp_folder)
wants overwrite && targets+=(bench_clean_overwrite)
wants analyze && targets+=(bench_analyze)
wants startup && targets+=(bench_startup bench_startup_window vorn66)
wants rules && targets+=(bench_rules)
cmake --build --preset "$preset" --target "${targets[@]}" >/dev/null
tervane_ensure_prefix
wineserver -p >/dev/null 2>&1 &
bench="$TERVANE_WINDOWS_BUILD/bench"
load() { echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"; }
if wants walk; then
  mkdir -p build/bench-tree
  tree="Z:$(pwd | tr / '\\')\\build\\bench-tree"
  echo "== search walk =="
  load
  wine "$bench/walk_bench.exe" "$tree" 5 </dev/null
fi
if wants temp; then
  echo "== Windows temporary-folder step =="
  load
  # Seeded from the host side for each round (see the benchmark's notes): 20,000 files of
  # nine bytes, three days old, in two folders under the prefix's C:, which hold nothing
  # else and are removed empty at the end.
  seeded="$WINEPREFIX/drive_c/tervane-bench-temp"
  times="$(mktemp)"
  for round in 0 1 2; do
    python3 - "$seeded" 20000 <<'PY'
import os, sys, time
root, count = sys.argv[1], int(sys.argv[2])
old = time.time() - 3 * 86400
for side in ("step", "plain"):
    folder = os.path.join(root, side)
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        path = os.path.join(folder, "~DF%05d.tmp" % i)
        with open(path, "w") as f:
            f.write("temporary")
        os.utime(path, (old, old))
PY
    # On disk before the clock starts, as three-day-old files are: otherwise the
    # host's write-back of the new files runs during the deletions, in some rounds only.
    sync
    wine "$bench/bench_clean_temp_folder.exe" --seeded 'C:\tervane-bench-temp' "$round" \
      </dev/null | tee -a "$times"
  done
  rmdir "$seeded/step" "$seeded/plain" "$seeded"
  awk 'BEGIN { n = 0 } /^round/ { s[n] = $6; p[n] = $9; r[n] = $6 / $9; n++ }
    function median(a,  i, j, t, b) { for (i = 0; i < n; i++) b[i] = a[i]
      for (i = 0; i < n; i++) for (j = i + 1; j < n; j++) if (b[j] < b[i]) { t = b[i]; b[i] = b[j]; b[j] = t }
      return n % 2 ? b[int(n / 2)] : (b[n / 2 - 1] + b[n / 2]) / 2 }
    function best(a,  i, m) { m = a[0]; for (i = 1; i < n; i++) if (a[i] < m) m = a[i]; return m }
    END { ms = median(s); mp = median(p)
      printf "temporary-folder step: median %.3f s, best %.3f s; plain DeleteFileA loop: median %.3f s, best %.3f s\n", ms, best(s), mp, best(p)
      printf "ratio step / plain: %.2f of the medians, %.2f of the best runs, %.2f the median of the rounds (%d rounds)\n", ms / mp, best(s) / best(p), median(r), n }' "$times"
  rm -f "$times"
fi
if wants overwrite; then
  echo "== level 5 overwrite =="
  load
  wine "$bench/bench_clean_overwrite.exe" </dev/null
fi
if wants analyze; then
  echo "== Analyze All against a plain walk =="
  load
  wine "$bench/bench_analyze.exe" 3 </dev/null
fi
if wants rules; then
  echo "== winapp2.ini of 4,000 entries read and detected against the same look-ups =="
  load
  wine "$bench/bench_rules.exe" 5 </dev/null
fi
if wants startup; then
  # The template of the fresh program folder: the staged programs and data files, set
  # for a quiet start as the end-to-end tests make it (no path search tool, no notice,
  # paths taken as detected: the first start's detection says in a message box that the
  # prefix has no downloaded components folder). Nothing of it is a link.
  template="$(pwd)/build/bench-program"
  bash scripts/stage.sh "$TERVANE_WINDOWS_BUILD" "$template" 2>/dev/null
  rm -f "$template/scoutry.exe"
  sed -i -E 's/^(Scoutry|Showtip)=[^\r]*/\1=0/; s/^Detect=[^\r]*/Detect=1/' "$template/mainten.ini"
  cp "$bench/bench_startup_window.exe" "$template/"
  # The windows need a display: a private Xvfb unless one is set.
  xvfb=""
  if [ -z "${DISPLAY:-}" ]; then
    source scripts/xvfb.sh
    tervane_start_xvfb
    xvfb="$TERVANE_XVFB"
  fi
  echo "== start-up: main window's first answer =="
  load
  status=0
  wine "$bench/bench_startup.exe" "Z:$(echo "$template" | tr / '\\')" 7 \
    </dev/null || status=$?
  [ "$status" = 0 ] || echo "start-up benchmark failed ($status)"
fi
load
wineserver -k >/dev/null 2>&1 || true
if [ -n "${xvfb:-}" ]; then
  kill "$xvfb" 2>/dev/null || true
  rm -f "$TERVANE_XVFB_FD_FILE"
fi

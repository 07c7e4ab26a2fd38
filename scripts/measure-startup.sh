#!/usr/bin/env bash
# Start-up to the dashboard of the capacity congregation (1,509 people), release build, measured
# from the shell: each run starts zelvo, which quits as soon as its main window is exposed
# (ZELVO_EXIT_AFTER_SHOWN=1). Prints every run and the median, in milliseconds.
# Usage: scripts/measure-startup.sh [RUNS]   (run under a display, e.g. xvfb-run -a)
set -euo pipefail

runs=${1:-21}
build=${ZELVO_BUILD:-build/release}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

"$build/src/cli/zelvo-cli" --today 2026-12-08 demo "$folder" --people 1509 >/dev/null
# The start-up notice waits for OK; a secretary can turn it off, and so do we here.
python3 - "$folder/zelvog.ini" <<'PY'
import sys
path = sys.argv[1]
text = open(path, 'rb').read().decode('cp1253')
text = text.replace('[Nag]\r\nΕνεργοποιημένο=0', '[Nag]\r\nΕνεργοποιημένο=1', 1)
open(path, 'wb').write(text.encode('cp1253'))
PY

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    ZELVO_TODAY=2026-12-08 ZELVO_EXIT_AFTER_SHOWN=1 "$build/src/app/zelvo" "$folder" 2>/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
done
echo "runs (ms): ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median (ms): " a[int((NR+1)/2)]}'

#!/usr/bin/env bash
# Configures and builds one target ("all" for everything) into the given folder, on every core:
#   build.sh DIR TARGET [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1 target=$2
shift 2
echo "== Configuring the build in $dir"
# Later options win, so callers may choose another build type.
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
echo "== Building $target on $(nproc) cores"
cmake --build "$dir" --target "$target" --parallel "$(nproc)"

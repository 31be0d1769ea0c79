#!/usr/bin/env bash
# Makes a writable copy of the demo museum's data tree: the committed text files plus what
# the project's tools generate. make-data-tree.sh BUILD_DIR TARGET_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
target=$2
mkdir -p "$target"
cp -r "$root/data/." "$target/"
if [ -d "$build/generated" ]; then
  cp -r "$build/generated/." "$target/"
fi

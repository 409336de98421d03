#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own.
# The layers, lowest first: model, render, screens, rules, shell.
# Usage: check.sh [SRC_DIR]
set -euo pipefail
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}"
cd "$src"
for dir in */; do
  case "${dir%/}" in model | render | screens | rules | shell) ;;
  *) echo "src/${dir%/} is no layer (known: model render screens rules shell)" >&2; exit 1 ;;
  esac
done
grep -rn '#include "[a-z_]*/' -- */ | awk -F: '
  BEGIN { n = split("model render screens rules shell", names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i }
  {
    split($1, path, "/"); own = path[1]
    target = $3; sub(/.*#include "/, "", target); sub(/\/.*/, "", target)
    if (!(target in rank) || rank[target] > rank[own]) {
      print $1 ":" $2 ": " own " includes " target ", a layer above it" > "/dev/stderr"; failed = 1
    }
  }
  END { if (failed) exit 1; print "layers: every include stays in its layer or goes down" }'

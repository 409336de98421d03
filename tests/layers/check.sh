#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own.
# The layers, lowest first: model, render, screens, rules, shell.
# Usage: check.sh [SRC_DIR]
set -euo pipefail
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}"
layers=(model render screens rules shell)

rank() {
  local i
  for i in "${!layers[@]}"; do
    [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}

failed=0
for dir in "$src"/*/; do
  layer="$(basename "$dir")"
  own="$(rank "$layer")"
  if [ "$own" -lt 0 ]; then
    echo "src/$layer/ is no layer (known: ${layers[*]})" >&2
    failed=1
    continue
  fi
  while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    line="${rest%%:*}"
    target="$(sed -n 's/.*#include "\([a-z_]*\)\/.*/\1/p' <<<"$rest")"
    [ -n "$target" ] || continue
    other="$(rank "$target")"
    if [ "$other" -gt "$own" ] || [ "$other" -lt 0 ]; then
      echo "${file#"$src"/}:$line: $layer includes $target, a layer above it" >&2
      failed=1
    fi
  done < <(grep -rn '#include "' "$dir" || true)
done
[ "$failed" -eq 0 ] && echo "layers: every include stays in its layer or goes down"
exit "$failed"

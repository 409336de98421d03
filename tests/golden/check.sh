#!/usr/bin/env bash
# Plays the golden scripts through quorvel-replay and compares every byte of
# their output with the recorded one. With --update, records it anew instead.
# Usage: check.sh BUILD_DIR [--update]; QUORVEL_REPLAY may name another build of
# quorvel-replay to play them (the node build's, to prove the browser plays the same game).
set -euo pipefail
build="$(cd "$1" && pwd)"
update="${2:-}"
replay="${QUORVEL_REPLAY:-$build/quorvel-replay}"
data="$(cd "$(dirname "${BASH_SOURCE[0]}")/../data/golden" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each line: the script, and the folder it runs in (the load script plays the
# game the three-days script saved).
runs=("front front" "days played" "load played")
failed=0
for run in "${runs[@]}"; do
  read -r name folder <<<"$run"
  mkdir -p "$work/$folder"
  ln -sfn "$build/Images" "$work/$folder/Images"
  (cd "$work/$folder" && "$replay" --no-gl "$data/$name.txt") >"$work/$name.out"
  if [ "$update" = "--update" ]; then
    gzip -9n <"$work/$name.out" >"$data/$name.out.gz"
    echo "recorded $name: $(wc -l <"$work/$name.out") lines"
  elif ! cmp -s <(gzip -dc "$data/$name.out.gz") "$work/$name.out"; then
    echo "golden $name: output differs from the recording" >&2
    gzip -dc "$data/$name.out.gz" >"$work/$name.expected"
    where="$(cmp "$work/$name.expected" "$work/$name.out" 2>&1 | head -1 || true)"
    echo "  $where" >&2
    line="$(sed -n 's/.*line \([0-9]*\).*/\1/p' <<<"$where")"
    if [ -n "$line" ]; then
      column="$(cmp "$work/$name.expected" "$work/$name.out" 2>/dev/null | head -1 |
        sed -n 's/.*byte \([0-9]*\).*/\1/p' || true)"
      start=$(($(head -n $((line - 1)) "$work/$name.expected" | wc -c) + 1))
      from=$((column - start > 80 ? column - start - 80 : 0))
      echo "  expected: ...$(sed -n "${line}p" "$work/$name.expected" | cut -c$((from + 1))-$((from + 240)))" >&2
      echo "  printed:  ...$(sed -n "${line}p" "$work/$name.out" | cut -c$((from + 1))-$((from + 240)))" >&2
    fi
    failed=1
  else
    echo "golden $name: same bytes ($(wc -l <"$work/$name.out") lines)"
  fi
done
exit $failed

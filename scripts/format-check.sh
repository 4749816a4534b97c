#!/bin/sh
# Fails when a source file differs from what clang-format makes of it.
cd "$(dirname "$0")/.." || exit 1
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
[ -z "$files" ] && exit 0
bad=0
for f in $files; do
  if ! clang-format --style=file "$f" | cmp -s - "$f"; then
    echo "not formatted: $f (run: clang-format -i $f)"
    bad=1
  fi
done
exit $bad

#!/bin/sh
# Builds the puzzle tools and runs them.
#   tools/puzzles/puzzles.sh write    rewrite resources/text/PUZ*.txt from the clue files
#   tools/puzzles/puzzles.sh check    check the clue files without writing
#   tools/puzzles/puzzles.sh regenerate
#        rebuild lexicon, fills and drafts from scratch into the build folder
#        (drafts/ there; reviewed clue files are never overwritten)
# The build folder is $QUOREL_PUZZLE_BUILD (default /tmp/quorel-puzzle-tools).
set -e
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${QUOREL_PUZZLE_BUILD:-/tmp/quorel-puzzle-tools}
seed=${QUOREL_PUZZLE_SEED:-2026}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
catalogue="$repo/resources/text/PUZZLES.txt"
blocklist="$here/blocklist.txt"
scowl=/usr/share/dict/scowl
case "$1" in
write) "$build/quorel-write" "$here/clues" "$catalogue" "$here" "$scowl" "$repo/resources/text" ;;
check) "$build/quorel-write" "$here/clues" "$catalogue" "$here" "$scowl" "$repo/resources/text" --check ;;
regenerate)
    "$build/quorel-lexicon" /usr/share/wordnet "$scowl" "$blocklist" "$build/lexicon.tsv"
    "$build/quorel-fill" "$build/lexicon.tsv" "$catalogue" "$blocklist" "$seed" "$build/fills"
    "$build/quorel-draft" "$build/lexicon.tsv" "$catalogue" "$blocklist" "$build/fills" "$build/drafts" "$seed"
    ;;
*) echo "usage: $0 write|check|regenerate" >&2; exit 2 ;;
esac

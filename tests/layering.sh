#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Fails when a file under src/ includes a folder its library may not use:
#   base <- puzzle <- store <- aids; speech; session (where the solver is,
#   where things live); screen -> puzzle, store, session; print -> puzzle,
#   store; engine -> all of them; platform and main.cpp -> everything.
# Usage: layering.sh SRC_DIR
set -u
src=${1:?usage: layering.sh SRC_DIR}

declare -A may=(
    [base]="base"
    [puzzle]="base puzzle"
    [store]="base puzzle store"
    [aids]="base puzzle store aids"
    [speech]="base speech"
    [session]="base session"
    [screen]="base puzzle store session screen"
    [print]="base puzzle store print"
    [engine]="base puzzle store aids speech session screen print engine"
)

allowed() {  # allowed LIST INCLUDE
    local entry
    for entry in $1; do
        [[ $2 == "$entry" || $2 == "$entry"/* ]] && return 0
    done
    return 1
}

faults=0
fault() {
    echo "$1" >&2
    faults=$((faults + 1))
}

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [[ $folder == platform ]] && continue
    [[ -v may[$folder] ]] || { fault "src/$folder: a folder without a place in the layering"; continue; }
    for file in "$dir"*.h "$dir"*.cpp; do
        [[ -e $file ]] || continue
        name=$folder/$(basename "$file")
        while IFS= read -r include; do
            allowed "${may[$folder]}" "$include" || fault "src/$name includes \"$include\", which $folder may not use"
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    done
done

if ((faults > 0)); then
    echo "$faults layering fault(s)" >&2
    exit 1
fi
echo "layering: every include is one its library may use"

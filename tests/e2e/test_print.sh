#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Printing end to end with the real program on a machine without a printer:
# open puzzle 1, type its first answer, print it on two sheets (F5) and on
# one (Shift+F5), each confirmed in the box. The sheets arrive as PDF files in
# the documents folder; their text holds the title, the caption, the typed
# letters and every clue. Set E2E_KEEP_PAGES=folder to keep the PDFs and the
# pages rendered at 40 dots per inch for a look.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
command -v pdftotext >/dev/null || e2e_fail "pdftotext (poppler-utils) is not installed"

puzzle="$(dirname "$0")/../../resources/text/PUZ0101.txt"
[ -f "$puzzle" ] || e2e_fail "no shipped puzzle at $puzzle"
answer=$(e2e_first_answer "$puzzle") || exit 1

# said_count TEXT: how many spoken phrases are exactly TEXT.
said_count() {
    grep -cxF "crosswords.speech: say: $1" <(sed -E 's/^ *[0-9.]+ //' "$E2E_LOG")
}

# wait_said_times TEXT N: waits until TEXT has been spoken N times.
wait_said_times() {
    for _ in $(seq 1 300); do
        [ "$(said_count "$1")" -ge "$2" ] && return 0
        sleep 0.05
    done
    e2e_fail "'$1' was not said $2 times"
}

# squash: the text with every run of white space made one blank.
squash() {
    tr -s ' \t\n\f\r' '     '
}

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
e2e_key Return
e2e_wait_say "1 across"
e2e_type_answer "$answer"
e2e_key Return
e2e_wait_say "you filled this in with"

docs="$XDG_DOCUMENTS_DIR"
saved="No printer was found, so the puzzle was saved in your Documents folder."

# Two sheets.
e2e_key_logged F5 116 0
e2e_wait_say "You are about to print this puzzle on two pages."
e2e_answer_box Return
wait_said_times "printing the puzzle" 1
wait_said_times "$saved" 1
sheet1="$docs/Quorel Crosswords puzzle 1 sheet 1.pdf"
sheet2="$docs/Quorel Crosswords puzzle 1 sheet 2.pdf"
[ -f "$sheet1" ] || e2e_fail "no $sheet1"
[ -f "$sheet2" ] || e2e_fail "no $sheet2"
grep -qF "crosswords.print: document: $sheet1" "$E2E_LOG" || e2e_fail "sheet 1 not logged"
grep -qF "crosswords.print: document: $sheet2" "$E2E_LOG" || e2e_fail "sheet 2 not logged"

# One sheet: another key first, or F5 is refused as a repeat.
e2e_key_logged Right 39 0
e2e_key_logged shift+F5 116 1
e2e_wait_say "You are about to print this puzzle on one page."
e2e_answer_box Return
wait_said_times "printing the puzzle" 2
wait_said_times "$saved" 2
one="$docs/Quorel Crosswords puzzle 1 on one sheet.pdf"
[ -f "$one" ] || e2e_fail "no $one"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the game ended while printing"

if [ -n "${E2E_KEEP_PAGES:-}" ]; then
    mkdir -p "$E2E_KEEP_PAGES"
    cp "$sheet1" "$sheet2" "$one" "$E2E_KEEP_PAGES/"
    if command -v pdftoppm >/dev/null; then
        pdftoppm -png -r 40 "$sheet1" "$E2E_KEEP_PAGES/sheet1"
        pdftoppm -png -r 40 "$sheet2" "$E2E_KEEP_PAGES/sheet2"
        pdftoppm -png -r 40 "$one" "$E2E_KEEP_PAGES/one"
    fi
fi

# Each document is one sheet, portrait, portrait and landscape.
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }
size() { pdfinfo "$1" 2>/dev/null | awk '/^Page size:/ { print ($3 < $5) ? "portrait" : "landscape" }'; }
if command -v pdfinfo >/dev/null; then
    [ "$(pages "$sheet1")$(pages "$sheet2")$(pages "$one")" = "111" ] || e2e_fail "a document has more than one page"
    [ "$(size "$sheet1") $(size "$sheet2") $(size "$one")" = "portrait portrait landscape" ] \
        || e2e_fail "orientations: $(size "$sheet1") $(size "$sheet2") $(size "$one")"
fi

text1=$(pdftotext -layout "$sheet1" - | squash)
text2=$(pdftotext "$sheet2" - | squash)
textone=$(pdftotext -layout "$one" - | squash)
for t in "$text1" "$textone"; do
    grep -qF "Quorel Crosswords (Vol. 3)" <<<"$t" || e2e_fail "no title in: $t"
    grep -qF "Puzzle 1" <<<"$t" || e2e_fail "no caption in: $t"
    grep -qF "$(tr -d '\r\n' <"$(dirname "$0")/../../resources/text/FOOTER.txt" | iconv -f WINDOWS-1252 -t UTF-8 | squash)" \
        <<<"$t" || e2e_fail "no footer in: $t"
done
# The typed letters stand in the first row of squares, in upper case, one to
# a square (the clue numbers, smaller, come out on a line of their own).
for pdf in "$sheet1" "$one"; do
    pdftotext -layout "$pdf" - | tr -d ' ' | grep -q "^$answer" \
        || e2e_fail "no row of squares reads $answer in $pdf: $(pdftotext -layout "$pdf" - | head -n 8)"
done

# Every clue on sheet 2 and on the one sheet (where long clues are wrapped).
onewords=$(pdftotext "$one" - | squash)
while IFS=$'\t' read -r label ans clue; do
    [ -n "$clue" ] || continue
    clue=$(iconv -f WINDOWS-1252 -t UTF-8 <<<"$clue" | sed 's/&&/\&/')
    grep -qF -- "$clue" <<<"$text2" || e2e_fail "sheet 2 lacks clue $label: $clue"
    grep -qF -- "$clue" <<<"$onewords" || e2e_fail "the one sheet lacks clue $label: $clue"
done < <(tr -d '\r' <"$puzzle" | awk -F'\t' 'NF == 3')
grep -qF -- "- - ACROSS - -" <<<"$text2" || e2e_fail "no ACROSS header"
grep -qF -- "- - DOWN - -" <<<"$text2" || e2e_fail "no DOWN header"

e2e_stop
e2e_pass "printing on two sheets and on one, to PDF files"

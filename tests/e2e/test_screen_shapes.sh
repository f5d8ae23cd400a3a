#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The screen at every common shape, read from the real program's pixels: at
# each size the game opens puzzle 1, reveals its first answer, opens the answer
# line, then the full-screen view with the letter chooser (and 4 times zoom
# when the screenshots are kept).
# Every screenshot must leave its bottom edge to the backdrop (nothing runs
# off it), the answer line's yellow frame must be whole and the chooser's
# second row on screen, and the heading, the clue numbers on white and on
# yellow, a revealed letter, the answered clue in the panel and the selected
# key must each reach 7 : 1 against their backgrounds. Set E2E_KEEP_SHOTS to
# a folder to keep the screenshots, E2E_SHAPES to a list of sizes to try only those.
source "$(dirname "$0")/lib.sh"
command -v import >/dev/null || e2e_fail "ImageMagick is not installed"

bin="$1"
puzzle="$(dirname "$0")/../../resources/text/PUZ0101.txt"
[ -f "$puzzle" ] || e2e_fail "no shipped puzzle at $puzzle"
first=$(e2e_first_answer "$puzzle") || exit 1
first=${first:0:1}
shots=""

# shot NAME: a screenshot of the whole screen, after the window has repainted.
shot() {
    sleep 0.4
    import -window root "$shots/$1.png" || e2e_fail "no screenshot"
    if [ -n "${E2E_KEEP_SHOTS:-}" ]; then
        mkdir -p "$E2E_KEEP_SHOTS"
        cp "$shots/$1.png" "$E2E_KEEP_SHOTS/$size-$1.png"
    fi
    # ImageMagick's own cache format is read without decoding: every check
    # below reads the picture again.
    convert "$shots/$1.png" "$shots/$1.mpc" || e2e_fail "cannot read the screenshot"
}

# rgb FILE X Y: the pixel's channels as "r g b".
rgb() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# commonest FILE GEOMETRY: the colour most of the region is painted in, as "r g b".
commonest() {
    convert "$1" -crop "$2" +repage -depth 8 -format %c histogram:info:- \
        | sort -n -r | awk -F'[(),]+' 'NR == 1 { print ($2 + 0) " " ($3 + 0) " " ($4 + 0) }'
}

# surface FILE GEOMETRY WHAT: fails unless the text drawn on the region reaches
# 7 : 1 against the region's own background.
surface() {
    local back
    back=$(commonest "$1" "$2")
    readable "$3" "$(text_on "$1" "$2" "$back")" "$back"
}

# text_on FILE GEOMETRY "r g b": the colour in the region that stands out most
# from the given background (the core of the text drawn on it), as "r g b".
text_on() {
    convert "$1" -crop "$2" +repage -depth 8 -format %c histogram:info:- \
        | awk -v back="$3" -F'[(),]+' '
            function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : exp(2.4 * log((c + 0.055) / 1.055)) }
            function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
            BEGIN { split(back, p, " "); lb = lum(p[1], p[2], p[3]) }
            $1 + 0 >= 2 { l = lum($2, $3, $4); c = l > lb ? (l + 0.05) / (lb + 0.05) : (lb + 0.05) / (l + 0.05)
                          if (c > best) { best = c; colour = ($2 + 0) " " ($3 + 0) " " ($4 + 0) } }
            END { print colour }'
}

# contrast "r g b" "r g b": the contrast ratio of two colours.
contrast() {
    awk -v a="$1" -v b="$2" '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : exp(2.4 * log((c + 0.055) / 1.055)) }
        function lum(s,  p) { split(s, p, " "); return 0.2126 * lin(p[1]) + 0.7152 * lin(p[2]) + 0.0722 * lin(p[3]) }
        BEGIN { x = lum(a); y = lum(b); if (x < y) { t = x; x = y; y = t } printf "%.2f\n", (x + 0.05) / (y + 0.05) }'
}

# readable WHAT TEXT BACKGROUND: fails unless the two colours reach 7 : 1.
readable() {
    local ratio
    ratio=$(contrast "$2" "$3")
    awk -v r="$ratio" 'BEGIN { exit !(r >= 7) }' || e2e_fail "$size: $1 ($2 on $3) reaches only $ratio : 1"
    echo "$size: $1 ($2 on $3): $ratio : 1"
}

# edge_is FILE "r g b": the screen's bottom two rows hold that colour alone, so
# nothing the game shows runs off the bottom edge.
edge_is() {
    local colours
    colours=$(convert "$1" -gravity south -crop "x2+0+0" +repage -unique-colors -depth 8 txt:- | grep -c srgb)
    [ "$colours" -eq 1 ] && [ "$(rgb "$1" 0 $((height - 1)))" = "$2" ] \
        || e2e_fail "$size: something runs off the bottom edge of $(basename "$1" .mpc)"
}

# bbox_of FILE COLOUR REGION: where in REGION (WxH+X+Y) that colour is drawn, as
# WxH+X+Y of the whole screen, narrowed by a border of INSET pixels.
bbox_of() {
    local x y inset="${4:-0}"
    IFS='x+' read -r _ _ x y <<<"$3"
    convert "$1" -crop "$3" +repage -fuzz 2% -fill black +opaque "$2" -trim \
        -format "%[fx:w-2*$inset]x%[fx:h-2*$inset]+%[fx:page.x+$x+$inset]+%[fx:page.y+$y+$inset]" info:
}

# blobs FILE COLOUR FUZZ: bounding boxes (WxH+X+Y) of the shapes drawn in COLOUR.
blobs() {
    convert "$1" -fuzz "$3" -fill black +opaque "$2" -fill white -opaque "$2" \
        -define connected-components:verbose=true -define connected-components:area-threshold=3 \
        -connected-components 8 null: | awk '/gray\(255\)|srgb\(255,255,255\)|white/ { print $2 }'
}

# glyph_on FILE COLOUR FUZZ "r g b": the first glyph drawn in COLOUR on that
# background (taken just left of the glyph), as "glyph colour|background".
glyph_on() {
    local box w h x y back
    for box in $(blobs "$1" "$2" "$3" | head -n 60); do
        IFS='x+' read -r w h x y <<<"$box"
        [ "$x" -ge $((3 * scale)) ] || continue
        back=$(rgb "$1" $((x - 3 * scale)) $((y + h / 2)))
        if [ "$back" = "$4" ]; then
            echo "$(text_on "$1" "$box" "$back")|$back"
            return 0
        fi
    done
}

# answer_frame_whole FILE: down the middle column, the lowest yellow run (the
# frame's bottom band) is several pixels deep and ends above the last rows.
answer_frame_whole() {
    local runs
    runs=$(convert "$1" -crop "1x$((height / 3))+$((width / 2))+$((height - height / 3))" +repage \
        -depth 8 txt:- | awk -F'[ ,:()]+' 'NR > 1 { y = $2; yellow = ($0 ~ /#FFFF00/) }
            yellow { if (start < 0) start = y; last = y; next }
            { if (start >= 0) { first = start; end = last }; start = -1 }
            BEGIN { start = -1 }
            END { if (start >= 0) { first = start; end = last } print first, end }')
    read -r top bottom <<<"$runs"
    [ -n "$bottom" ] || e2e_fail "$size: no yellow frame round the answer line"
    [ $((bottom - top + 1)) -ge $((3 * scale)) ] && [ $((height / 3 - 1 - bottom)) -ge $((2 * scale)) ] \
        || e2e_fail "$size: the answer line's frame is cut (band rows $top..$bottom of the last $((height / 3)))"
}

# two_key_rows FILE: down a column through the first key of each row, two
# white keys lie inside the strip, the second ending above the bottom edge.
two_key_rows() {
    local keys
    keys=$(convert "$1" -crop "1x$((height / 4))+$((30 * scale))+$((height - height / 4))" +repage \
        -depth 8 txt:- | awk 'NR > 1 { white = ($0 ~ /#FFFFFF/); if (white && !was) n++; if (white) last = NR - 2; was = white }
            END { print n + 0, last + 0 }')
    read -r rows last <<<"$keys"
    [ "$rows" -ge 2 ] && [ $((height / 4 - 1 - last)) -ge $((2 * scale)) ] \
        || e2e_fail "$size: the chooser shows $rows whole rows of keys (last white row $last of $((height / 4)))"
}

check_size() {
    size="$1"
    scale="${2:-1}"
    width=${size%x*}
    height=${size#*x}
    e2e_init "$bin" "$size"
    shots="$E2E_DIR/shots"
    mkdir -p "$shots"
    if [ "$scale" -gt 1 ]; then export QT_SCALE_FACTOR="$scale"; else unset QT_SCALE_FACTOR; fi
    e2e_start
    e2e_wait_say "Welcome to Quorel Crosswords volume 3."
    shot menu

    # The clue list with the first answer revealed: grey letters on yellow,
    # and the answered clue grey on the yellow selection in the panel.
    e2e_key Return
    e2e_wait_say "1 across"
    e2e_key shift+F2
    box=$(e2e_box) || exit 1
    xdotool keydown --window "$box" Return 2>/dev/null || true
    xdotool keyup Return 2>/dev/null || true
    xdotool windowfocus --sync "$E2E_WID" 2>/dev/null || true
    e2e_wait_say "the answer is"
    shot clues
    edge_is "$shots/clues.mpc" "0 0 0"
    local s="$scale"
    local heading
    heading=$(bbox_of "$shots/clues.mpc" "#0000FF" "$((width / 2))x$((30 * s))+0+$((8 * s))" $((3 * s)))
    surface "$shots/clues.mpc" "$heading" "heading"

    local line what
    for what in "clue number|#8B0000|12%|255 255 255" "clue number|#8B0000|12%|255 255 0" \
        "revealed letter|#505050|6%|255 255 0"; do
        IFS='|' read -r -a part <<<"$what"
        line=$(glyph_on "$shots/clues.mpc" "${part[1]}" "${part[2]}" "${part[3]}")
        [ -n "$line" ] || e2e_fail "$size: no ${part[0]} found on ${part[3]}"
        readable "${part[0]}" "${line%|*}" "${line#*|}"
    done

    # The panel's selected entry: the yellow band in the panel's column.
    local entry
    entry=$(bbox_of "$shots/clues.mpc" "#FFFF00" "$((width / 6))x$((height * 6 / 10))+$((24 * s))+$((56 * s))")
    surface "$shots/clues.mpc" "$entry" "selected clue in the panel"

    # Typing the first letter opens the answer line inside its yellow frame.
    e2e_key "${first,,}"
    e2e_wait_log "crosswords.speech: say: $first"
    shot answerline
    edge_is "$shots/answerline.mpc" "0 0 0"
    answer_frame_whole "$shots/answerline.mpc"
    e2e_key Escape

    # Full screen, then the chooser with a key of the second row selected.
    e2e_key F4
    e2e_wait_say "Full screen"
    shot fullscreen
    edge_is "$shots/fullscreen.mpc" "$(rgb "$shots/fullscreen.mpc" 0 0)"
    e2e_key Return
    e2e_wait_say "Use the cursor keys to choose the letter"
    e2e_key Right Right
    e2e_wait_log "crosswords.speech: say: B"
    e2e_key Down
    e2e_wait_log "crosswords.speech: say: O"
    shot chooser
    edge_is "$shots/chooser.mpc" "0 0 0"
    two_key_rows "$shots/chooser.mpc"
    local key
    key=$(blobs "$shots/chooser.mpc" "#A00000" "3%" | head -n 1)
    [ -n "$key" ] || e2e_fail "$size: no selected key"
    surface "$shots/chooser.mpc" "$key" "selected key"
    e2e_key Escape
    e2e_wait_said_count "cancelled" 2  # the answer line's Escape said it first

    # 4 times zoom, for a look only.
    if [ -n "${E2E_KEEP_SHOTS:-}" ]; then
        e2e_key KP_Add KP_Add
        e2e_wait_say "4 times zoom"
        shot zoom4
    fi
    e2e_stop
    e2e_cleanup
    rm -rf "$E2E_DIR"
}

# E2E_SHAPES picks sizes for a quick look; "@2" runs the game at scale 2.
for shape in ${E2E_SHAPES:-800x600 1024x768 1280x1024 1366x768 1920x1080 2560x1440 3840x2160@2}; do
    check_size "${shape%@*}" "$([[ $shape == *@* ]] && echo "${shape#*@}" || echo 1)"
done
e2e_pass "every screen shape shows the whole game, every text at 7 : 1 or better"

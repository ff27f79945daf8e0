#!/usr/bin/env bash
# Pictures of the game window filling a 1920x1080 screen at 100 %, 200 % and "Fit to Window",
# with a column of 17 cards on the table (game 1 after 97 moves), for docs/.
# usage: zoom-screenshots.sh GAME CLI OUTDIR
set -euo pipefail
game=$(realpath "$1")
cli=$(realpath "$2")
mkdir -p "$3"
outdir=$(realpath "$3")
cd "$(dirname "$0")/.."
source scripts/temp-home.sh

# Game 1 played until its column D holds 17 cards.
moves="AC EG EG FH A1 A2 DA A3 FA FC FD EF EF EH DE 1E 2C A1 3A B2 A3 B4 3A E3 ED 3D E3 GE GB
EB 1E A1 EA BE BG EG 4E BE BD B4 BD AB AD BD AB AC DA 1D A1 DA 1D B1 DB AD EA EC AC DA/single BD
CB/single FE BC DB AD FA EA FB BD FA DB 2A BD B2 AB/single AE/single BE AB/single AD BD CA/single
CB/single AB CA/single BF BA FA CB/single CF BF CH CB FC FH CH EF ED FD"

shot() { # NAME ZOOM KEYHINTS
    local home
    home=$(mktemp -d)
    (
        temp_home "$home"
        mkdir -p "$XDG_CONFIG_HOME/Velmora 2003"
        unset QT_QPA_PLATFORM
        # A window as large as a maximised one below a 30-pixel title bar (sizes in twips).
        printf '[Options]\r\nZoom=%s\r\nKeyHints=%s\r\n[Save]\r\nwidth=28800\r\nHeight=15750\r\n' \
            "$2" "$3" > "$XDG_CONFIG_HOME/Velmora 2003/Velmora 2003.ini"
        # shellcheck disable=SC2086
        "$cli" play 1 $moves --save "$home/game.vlg" > /dev/null
        VELMORA_SCREENSHOT="$outdir/$1" timeout 60 \
            xvfb-run -a -s "-screen 0 1920x1080x24" "$game" "$home/game.vlg"
    )
    rm -rf "$home"
    echo "$outdir/$1"
}

shot zoom-100.png 100 0
shot zoom-200.png 200 0
shot zoom-fit.png 0 1

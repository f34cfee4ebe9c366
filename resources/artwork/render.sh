#!/bin/bash
# SPDX-License-Identifier: MIT
# Draws every picture in resources/ from the SVG drawings: run it after changing a drawing and
# commit what it writes; the build only uses the committed pictures. Needs rsvg-convert (Debian
# package librsvg2-bin) and ImageMagick. A rerun writes the same bytes.
#
# Variants of a drawing (a mouth, shut eyes, a small icon's plainer face) are the same SVG with
# a few CSS rules laid over it.
set -euo pipefail
art=$(cd "$(dirname "$0")" && pwd)
res=$(dirname "$art")
chars=$res/characters/quornel

# render SVG STYLE [rsvg-convert options]: the drawing as PNG on stdout.
render() {
    local svg=$1 style=$2
    shift 2
    printf '%s' "$style" | rsvg-convert -s /dev/stdin "$@" "$svg"
}

# save FORMAT:FILE [convert options]: the PNG on stdin, converted, without metadata.
save() {
    local out=$1
    shift
    convert png:- "$@" -strip -define png:exclude-chunks=date,time "$out"
}

# The main window's picture.
render "$art/mascot.svg" '' | save "PNG24:$res/mascot.png"
render "$art/mascot.svg" '' -z 2 | save "PNG24:$res/mascot@2x.png"

# The program's icon. Small sizes leave out the thin rings, which would only blur, and keep an
# outline of at least a pixel; at 16 pixels the eyes are plain irises, and the drawing shrinks a
# little to keep the thick outline inside. The 32-pixel icon has 16 colours: flat colours and
# the halfway colours where they meet, no gradient.
icon=$res/quornel-desktop-notes.svg
small='.ring{stroke:none}.pupil{r:8px}'
render "$icon" "$small.white,.glint{display:none}.iris{r:14px}#head{stroke-width:8.1}
    #icon{transform:translate(50px,50px) scale(0.953) translate(-50px,-50px)}" -w 16 -h 16 |
    save "PNG32:$res/icon-16.png"
palette=()
for c in 3b2772 7e5bd0 a488e8 f6f1ff ffffff f6b93b 1b1f3f f59a2a \
    5c41a1 baa6e7 fadc9d 886c3d f5c594 b97a7d f6d59d; do
    palette+=("xc:#$c")
done
render "$icon" "$small#head{stroke-width:3.44;fill:#7e5bd0}" -w 32 -h 32 |
    save "PNG8:$res/icon-32.png" -channel A -threshold 50% +channel \
        \( -size 1x1 "${palette[@]}" xc:none +append -write mpr:palette +delete \) \
        +dither -remap mpr:palette
for n in 48 64 128 256; do
    render "$icon" '' -w $n -h $n | save "PNG32:$res/icon-$n.png"
done

render "$art/loudspeaker.svg" '' | save "PNG32:$res/loudspeaker.png"
render "$art/loudspeaker.svg" '' -z 2 | save "PNG32:$res/loudspeaker@2x.png"

# The speaking character's frames, each with a twin of twice the size beside it.
frame() {
    render "$art/character.svg" "$2" | save "PNG32:$chars/$1.png"
    render "$art/character.svg" "$2" -z 2 | save "PNG32:$chars/$1@2x.png"
}
pose() { printf '.eyes,.mouth{display:none}.eyes.%s,.mouth.%s{display:inline}' "$1" "$2"; }

frame idle "$(pose open closed)"
frame blink "$(pose shut closed)"
for mouth in closed half wide round; do
    frame "mouth-$mouth" "$(pose open "$mouth")"
done

# Appearing: Quornel pops up out of a burst of sparkles, overshoots a little and settles. The
# sparkles spread out from 48 to 62 pixels round the middle as they shrink and fade.
n=0
while read -r scale opacity sparkles eyes mouth; do
    n=$((n + 1))
    frame "appear-0$n" "$(pose "$eyes" "$mouth")$(awk -v n=$n -v s="$scale" -v o="$opacity" \
        -v p="$sparkles" 'BEGIN {
            spread = 1 + (n - 1) / 24; star = 0.6 + 0.6 * p
            printf "#owl{transform:scale(%s);opacity:%s}#sparkles{display:inline;opacity:%s}", s, o, p
            printf "#spread{transform:scale(%.4f)}", spread
            printf ".star{transform:scale(%.4f);stroke-width:%.3f}", star / spread, 0.8 / star
        }')"
done <<'STEPS'
0.10 0.3 1    shut closed
0.30 0.7 1    shut closed
0.58 1   1    shut closed
0.86 1   0.9  open closed
1.08 1   0.75 open half
1.04 1   0.55 open half
0.97 1   0.35 open closed
1.00 1   0.15 open closed
STEPS

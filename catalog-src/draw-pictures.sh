#!/bin/sh
# Draws every picture of the sample catalog into catalog-src/ProductInfo/ with ImageMagick.
# The results are committed, so building the catalog does not need ImageMagick; run this again
# only after changing a drawing. Needs `convert` (ImageMagick 6) and fonts-liberation.
set -eu

OUT="$(cd "$(dirname "$0")" && pwd)/ProductInfo"
mkdir -p "$OUT"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

SANS=Liberation-Sans
BOLD=Liberation-Sans-Bold
JPEG="-strip -quality 80 -sampling-factor 2x2"

# The large image popup shows a picture unscaled in a client area 250 pixels high (its width
# follows the picture), so every large picture is made that high.
LARGE_HEIGHT=250

# save NAME SMALL_HEIGHT: writes the drawing TMP/NAME.png reduced to the popup's height as
# NAMEl.jpg and to SMALL_HEIGHT as NAME.jpg (the detail area shows the small one, a click opens
# the large one).
save() {
    convert "$TMP/$1.png" -resize "x$LARGE_HEIGHT" $JPEG "$OUT/${1}l.jpg"
    convert "$TMP/$1.png" -resize "x$2" $JPEG "$OUT/$1.jpg"
}

# ---- boxes: box NAME COLOUR LINE1 LINE2 CARTRIDGE_COLOUR
box() {
    convert -size 480x430 xc:white \
        -fill '#d8d8d8' -draw "polygon 60,110 360,110 420,60 120,60" \
        -fill '#b0b0b0' -draw "polygon 360,110 420,60 420,330 360,380" \
        -fill "$2" -stroke '#202020' -strokewidth 2 -draw "rectangle 60,110 360,380" \
        -stroke none -fill white -draw "rectangle 60,150 360,200" \
        -fill "$2" -font "$BOLD" -pointsize 40 -annotate +96+189 'CORVANE' \
        -fill white -font "$BOLD" -pointsize 26 -annotate +80+245 "$3" \
        -font "$SANS" -pointsize 22 -annotate +80+280 "$4" \
        -fill "$5" -stroke '#303030' -strokewidth 1 \
        -draw "roundrectangle 90,300 300,340 6,6" \
        -fill '#c08a3e' -draw "polygon 300,304 330,312 345,320 330,328 300,336" \
        "$TMP/$1.png"
    save "$1" 125
}
box box-rifle '#1f4e79' 'Centerfire Rifle' 'Hunting ammunition' '#d4a64a'
box box-pistol '#5b2c6f' 'Centerfire Pistol' 'Handgun ammunition' '#d4a64a'
box box-rimfire '#1e7b4f' 'Rimfire' '50 rounds' '#c9a24e'
box box-slug '#8e2b1e' 'Shotgun Slugs' '5 rounds' '#b8342a'
box box-shotshell '#7a5c1e' 'Shotshells' '25 shells' '#2f6fb0'
box box-match '#222222' 'ARVENTA Match' 'Match grade' '#e0b84e'

# ---- bullets: bullet NAME BODY_COLOUR TIP_COLOUR NOSE (pointed|round|flat|hollow|tipped)
bullet() {
    case "$4" in
    pointed) nose="path 'M 150,140 L 300,140 C 370,140 420,200 450,215 C 420,230 370,290 300,290 L 150,290 Z'" ;;
    round) nose="path 'M 150,140 L 320,140 C 420,140 440,215 440,215 C 440,215 420,290 320,290 L 150,290 Z'" ;;
    flat) nose="path 'M 150,140 L 320,140 C 380,140 410,175 420,185 L 420,245 C 410,255 380,290 320,290 L 150,290 Z'" ;;
    hollow) nose="path 'M 150,140 L 310,140 C 380,140 420,180 430,195 L 430,235 C 420,250 380,290 310,290 L 150,290 Z'" ;;
    tipped) nose="path 'M 150,140 L 300,140 C 360,140 400,185 415,195 L 415,235 C 400,245 360,290 300,290 L 150,290 Z'" ;;
    esac
    convert -size 480x430 xc:white \
        -fill "$2" -stroke '#303030' -strokewidth 2 -draw "$nose" \
        -fill "$2" -draw "rectangle 40,150 150,280" \
        -stroke none -fill '#ffffff60' -draw "rectangle 60,160 400,180" \
        "$TMP/$1.png"
    case "$4" in
    hollow) convert "$TMP/$1.png" -fill '#303030' -draw "ellipse 430,215 6,18 0,360" "$TMP/$1.png" ;;
    tipped) convert "$TMP/$1.png" -fill "$3" -stroke '#303030' -strokewidth 2 \
        -draw "polygon 415,195 460,215 415,235" "$TMP/$1.png" ;;
    esac
    convert "$TMP/$1.png" -fill '#404040' -font "$SANS" -pointsize 20 -annotate +40+370 "$5" "$TMP/$1.png"
    save "$1" 125
}
bullet bullet-sp '#c27c3a' '#c27c3a' pointed 'Soft point'
bullet bullet-rn '#c27c3a' '#c27c3a' round 'Round nose'
bullet bullet-hp '#c27c3a' '#c27c3a' hollow 'Hollow point'
bullet bullet-pt '#c27c3a' '#c0302a' tipped 'Polymer tip'
bullet bullet-fmj '#b87333' '#b87333' round 'Full metal jacket'
bullet bullet-cu '#d9844a' '#d9844a' hollow 'Solid copper'
bullet bullet-fn '#c27c3a' '#c27c3a' flat 'Flat nose'
bullet bullet-lead '#8a8d91' '#8a8d91' flat 'Lead'

# ---- slugs
convert -size 480x430 xc:white -fill '#8a8d91' -stroke '#303030' -strokewidth 2 \
    -draw "path 'M 120,120 L 300,120 C 380,120 410,180 410,215 C 410,250 380,310 300,310 L 120,310 Z'" \
    -stroke '#505050' -draw "line 160,120 200,310" -draw "line 210,120 250,310" -draw "line 260,120 300,310" \
    -stroke none -fill '#404040' -font "$SANS" -pointsize 20 -annotate +40+370 'Rifled slug' "$TMP/slug.png"
save slug 125
convert -size 480x430 xc:white -fill '#2b2b2b' -stroke '#303030' -strokewidth 2 \
    -draw "rectangle 80,120 240,310" -fill '#c27c3a' \
    -draw "path 'M 240,150 L 330,150 C 390,150 420,200 420,215 C 420,230 390,280 330,280 L 240,280 Z'" \
    -stroke none -fill '#404040' -font "$SANS" -pointsize 20 -annotate +40+370 'Sabot slug' "$TMP/slug-sabot.png"
save slug-sabot 125

# ---- shot: shot NAME COLOUR RADIUS COUNT LABEL (a seeded scatter of pellets)
shot() {
    draw=$(awk -v r="$3" -v n="$4" 'BEGIN { srand(7); for (i = 0; i < n; i++) {
        x = 40 + r + rand() * (400 - 2 * r); y = 40 + r + rand() * (290 - 2 * r);
        printf "circle %d,%d %d,%d ", x, y, x + r, y } }')
    convert -size 480x430 xc:white -fill "$2" -stroke '#303030' -strokewidth 1 -draw "$draw" \
        -stroke none -fill '#404040' -font "$SANS" -pointsize 20 -annotate +40+390 "$5" "$TMP/$1.png"
    save "$1" 125
}
shot shot-lead '#7d8084' 9 120 'Lead shot'
shot shot-steel '#c9ccd1' 10 100 'Steel shot'
shot shot-tungsten '#45484d' 9 110 'Tungsten-iron shot'
shot shot-buck '#7d8084' 30 9 'Buckshot'

convert -size 480x430 xc:white -fill '#2f6fb0' -stroke '#303030' -strokewidth 2 \
    -draw "rectangle 60,150 360,280" -fill '#c9a24e' -draw "rectangle 20,140 70,290" \
    -fill '#1f4f80' -draw "polygon 360,150 410,185 410,245 360,280" \
    -stroke none -fill '#404040' -font "$SANS" -pointsize 20 -annotate +40+370 'Blank shell, no shot' \
    "$TMP/shell-blank.png"
save shell-blank 125

# ---- placeholders
placeholder() {
    convert -size "$2" xc:'#f0f0f0' -fill none -stroke '#b0b0b0' -strokewidth 2 \
        -draw "rectangle 2,2 $3" -stroke none -fill '#808080' -font "$SANS" -pointsize "$4" \
        -gravity center -annotate +0+0 "$5" $JPEG "$OUT/$1"
}
placeholder noimage.jpg 116x125 '113,122' 14 'No image'
placeholder noimagel.jpg "280x$LARGE_HEIGHT" "277,$((LARGE_HEIGHT - 3))" 22 'No image available'
placeholder boxholder.jpg 116x125 '113,122' 13 'Loading...'
placeholder styleholder.jpg 116x125 '113,122' 13 'Loading...'

# ---- section title pictures ts0.jpg .. ts5.jpg
title() {
    convert -size 760x140 gradient:"$2"-white \
        -fill white -stroke '#00000040' -strokewidth 1 -font "$BOLD" -pointsize 54 -annotate +30+80 'CORVANE' \
        -stroke none -fill '#202020' -font "$BOLD" -pointsize 34 -annotate +330+78 "$3" \
        -font "$SANS" -pointsize 18 -annotate +332+112 "$4" \
        $JPEG "$OUT/$1"
}
title ts0.jpg '#1f4e79' 'Centerfire Rifle' 'From varmints to dangerous game'
title ts1.jpg '#5b2c6f' 'Centerfire Pistol' 'Defense, range, match and hunting'
title ts2.jpg '#1e7b4f' 'Rimfire' '.17 and .22 for small game and targets'
title ts3.jpg '#8e2b1e' 'Slug' 'Full bore and sabot slugs for deer'
title ts4.jpg '#7a5c1e' 'Shotshell' 'Upland, waterfowl, turkey, targets, buckshot'
title ts5.jpg '#4a4a4a' 'Components' 'Primers and caps for the reloader'

# ---- splash picture with the seven hot areas (left, top, width, height)
caption() { # caption X Y W H TEXT: the text centred in the hot area's rectangle
    convert "$TMP/splash.png" \( -size "$3x$4" -background none -fill white -font "$BOLD" \
        -pointsize 16 -gravity center label:"$5" \) -gravity NorthWest -geometry "+$1+$2" \
        -composite "$TMP/splash.png"
}
convert -size 800x500 gradient:'#0e3b43'-'#041a1e' \
    -fill '#c9a24e' -font "$BOLD" -pointsize 72 -annotate +60+130 'CORVANE' \
    -fill white -font "$SANS" -pointsize 30 -annotate +64+180 'Ammo Catalog 2005' \
    -fill '#ffffff30' -draw "rectangle 40,235 760,289" \
    -fill '#c9a24e' -font "$SANS" -pointsize 15 -annotate +64+330 'Click a section to open the catalog' \
    -fill '#ffffff20' -draw "rectangle 500,415 700,475" \
    -fill '#c9a24e' -font "$SANS" -pointsize 15 -annotate +300+450 'Not sure which load? Ask the' \
    "$TMP/splash.png"
caption 53 247 142 30 'Centerfire Rifle'
caption 218 247 147 30 'Centerfire Pistol'
caption 386 247 71 30 'Rimfire'
caption 471 247 48 30 'Slug'
caption 534 247 87 30 'Shotshell'
caption 636 247 100 30 'Components'
caption 525 430 150 30 'Zora Raduzu'
convert "$TMP/splash.png" $JPEG "$OUT/splash.jpg"

# ---- report pictures: header 3.6 x 0.84 inch, footer 6 x 1 inch, at 300 pixels per inch
convert -size 1080x252 xc:white -fill '#1f4e79' -draw "rectangle 0,0 1079,40" \
    -fill '#c9a24e' -draw "rectangle 0,211 1079,251" \
    -fill '#1f4e79' -font "$BOLD" -pointsize 110 -annotate +40+165 'CORVANE' \
    -fill '#303030' -font "$SANS" -pointsize 44 -annotate +620+120 'Ammunition' \
    -annotate +620+170 'Load Report' \
    -colors 32 -type Palette -compress None BMP3:"$OUT/RprtClr.bmp"
convert -size 1080x252 xc:white -fill black -draw "rectangle 0,0 1079,12" -draw "rectangle 0,239 1079,251" \
    -font "$BOLD" -pointsize 110 -annotate +40+165 'CORVANE' \
    -font "$SANS" -pointsize 44 -annotate +620+120 'Ammunition' -annotate +620+170 'Load Report' \
    -type Bilevel BMP3:"$OUT/RprtBW.bmp"
convert -size 900x150 xc:white -fill '#606060' -draw "rectangle 0,0 899,3" \
    -font "$SANS" -pointsize 26 -annotate +20+60 'Corvane Ammunition - factory data from test barrels.' \
    -annotate +20+100 'Your firearm and conditions will give different results.' \
    -colors 16 -type Palette -compress None BMP3:"$OUT/CustomFooter.bmp"

du -ch "$OUT"/*.jpg "$OUT"/*.bmp | tail -1

#!/bin/sh
# Converts the program's built-in button glyphs from Debian's tango-icon-theme
# (public domain, /usr/share/icons/Tango) into src/themes/art/. The converted
# files are committed, so a build needs neither the icons nor ImageMagick;
# run this again only to change the artwork.
set -eu
T=/usr/share/icons/Tango
OUT=$(dirname "$0")/../src/themes/art
mkdir -p "$OUT"

glyph() { # name source
    convert "$T/32x32/$2" -background none -gravity center -extent 32x32 "PNG32:$OUT/$1.png"
}

# Two arrows, one up and one down, for the Order buttons.
convert -size 32x32 xc:none \
    \( "$T/32x32/actions/go-up.png" -resize 22x22 \) -geometry +0+0 -composite \
    \( "$T/32x32/actions/go-down.png" -resize 22x22 \) -geometry +10+10 -composite "PNG32:$OUT/invert.png"
# A check mark drawn in the Tango green, for the Check buttons.
convert -size 32x32 xc:none -stroke '#4e9a06' -strokewidth 5 -fill none \
    -draw "polyline 5,17 13,25 27,7" "PNG32:$OUT/chk.png"
# The note marker of the grids, 18 x 16.
convert "$T/16x16/mimetypes/text-x-generic.png" -background none -gravity center -extent 18x16 "PNG32:$OUT/note.png"

glyph bo_about status/dialog-information.png
glyph bo_fix actions/go-top.png
glyph bo_refresh actions/view-refresh.png
glyph bo_iconize actions/go-bottom.png
glyph bo_minimize actions/go-down.png
glyph bo_maximize actions/view-fullscreen.png
glyph bo_kill actions/process-stop.png
glyph help_hint apps/help-browser.png
glyph add actions/appointment-new.png
glyph del actions/edit-delete.png
glyph mod apps/accessories-text-editor.png
glyph exp actions/document-save-as.png
glyph imp actions/document-open.png
glyph dup actions/edit-copy.png
glyph print actions/document-print.png
glyph date_origin actions/go-jump.png
glyph date_back actions/go-previous.png
glyph date_next actions/go-next.png
glyph date_today apps/office-calendar.png
glyph date_cal apps/date.png
glyph contact_add actions/contact-new.png
glyph contact_email actions/mail-message-new.png
glyph contact_phone apps/internet-group-chat.png
glyph contact_web apps/internet-web-browser.png
glyph contact_map categories/gnome-globe.png
glyph note_add actions/document-new.png
glyph note_hidelist actions/go-first.png
glyph note_save actions/document-save.png
glyph note_breakline actions/format-justify-left.png
glyph note_format actions/document-properties.png
glyph note_restore actions/edit-undo.png
glyph note_find actions/edit-find.png
glyph todo_add actions/list-add.png
glyph todo_del actions/list-remove.png
glyph help_manual mimetypes/x-office-document.png
glyph help_web apps/internet-web-browser.png
glyph fb apps/system-users.png
glyph piggy emblems/emblem-favorite.png
glyph key actions/system-lock-screen.png

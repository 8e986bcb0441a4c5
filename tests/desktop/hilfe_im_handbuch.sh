#!/usr/bin/env bash
# hilfe_im_handbuch.sh PROGRAMM SEITE: the manual page says what --help says.
# Every usage line and every option line of "PROGRAMM --help" (its term and
# its whole description, continuation lines included) must appear in the
# page as rendered by groff (whitespace ignored), every --option the page
# names must be one that --help lists, and groff must not warn.
set -euo pipefail
programm=$1
seite=$2

fehler=0
melde() { echo "$*" >&2; fehler=1; }
einzeilig() { tr -s ' \t\n' ' ' | sed 's/^ //; s/ $//'; }

hilfe=$("$programm" --help)
warnungen=$(groff -k -ww -z -man "$seite" 2>&1 || true)
[ -z "$warnungen" ] || melde "groff warns about $seite: $warnungen"
seitentext=$(groff -k -man -Tutf8 -rLL=1000n -rHY=0 -P-c -P-b -P-u -P-o "$seite" | einzeilig)

pruefe() {  # pruefe WHAT TEXT: TEXT (whitespace ignored) stands in the page
    local text
    text=$(printf '%s' "$2" | einzeilig)
    [ -z "$text" ] && return
    [[ $seitentext == *"$text"* ]] || melde "the page lacks the $1: \"$text\""
}

anzahl=0
im_aufruf=0
begriff=""
beschreibung=""
schliesse_option() {
    if [ -n "$begriff" ]; then
        pruefe "option" "$begriff"
        pruefe "description of $begriff" "$beschreibung"
        anzahl=$((anzahl + 1))
    fi
    begriff=""
    beschreibung=""
}
while IFS= read -r zeile; do
    if [[ $zeile == Aufruf:* ]]; then
        im_aufruf=1
        pruefe "usage" "${zeile#Aufruf:}"
    elif [ $im_aufruf = 1 ] && [[ $zeile == " "*[![:space:]]* ]]; then
        pruefe "usage" "$zeile"
    elif [[ $zeile =~ ^\ \ ([^ ]+( [^ ]+)*)(\ \ +(.*))?$ ]]; then
        im_aufruf=0
        schliesse_option
        begriff=${BASH_REMATCH[1]}
        beschreibung=${BASH_REMATCH[4]}
    elif [ -n "$begriff" ] && [[ $zeile =~ ^\ \ \ +([^ ].*)$ ]]; then
        beschreibung+=" ${BASH_REMATCH[1]}"
    else
        im_aufruf=0
        schliesse_option
    fi
done <<< "$hilfe"
schliesse_option
[ $anzahl -gt 0 ] || melde "no option lines found in: $hilfe"

# Options the page names but --help does not know (removed or misspelt).
for option in $(grep -oE -- '--[a-z][a-z-]*' <<< "$seitentext" | sort -u); do
    grep -qE -- "$option([^a-z-]|\$)" <<< "$hilfe" || melde "the page names $option, --help does not"
done
exit $fehler

#!/usr/bin/env bash
# Brings the translation sources (translations/lmk17_<lang>.ts) up to date with
# the program's texts: new texts appear as unfinished entries for the
# translators (Qt Linguist: linguist translations/lmk17_de.ts), texts no longer
# used are dropped. Run it after adding or changing texts. The build only
# compiles the .ts files into the language modules; the app tests fail while
# an entry is unfinished. The command-line program is left out: it speaks
# English only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"
sources=()
for dir in src/*/; do
    [ "$dir" = "src/cli/" ] && continue
    sources+=("${dir%/}")
done
for lang in cs de es fr pl sk; do
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I src "${sources[@]}" \
        -target-language "$lang" -ts "translations/lmk17_$lang.ts"
done
echo "updated: translations/lmk17_{cs,de,es,fr,pl,sk}.ts"

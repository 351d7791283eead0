#!/usr/bin/env bash
# Gathers the benchmark corpus: real HTML pages from Debian documentation packages, made by three
# different generators (the Python manual, the Git manual pages, the SQLite documentation), copied
# flat into bench/corpus/. A second run only reports what is there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(python3-doc git-doc sqlite3-doc)
corpus=bench/corpus
stamp="$corpus/.complete"

report() {
  local files bytes
  files=$(find "$corpus" -maxdepth 1 -name '*.html' -type f | wc -l)
  bytes=$(find "$corpus" -maxdepth 1 -name '*.html' -type f -printf '%s\n' | awk '{s += $1} END {print s + 0}')
  echo "Corpus $corpus: $files files, $(awk -v b="$bytes" 'BEGIN {printf "%.1f", b / 1048576}') MB"
}

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "${packages[*]}" ]; then
  report
  exit 0
fi

tools/install-deps.sh "${packages[@]}"

# A package's pages, and those of the packages it depends on (python3-doc only points to the
# versioned package that holds the files).
package_pages() {
  local pkg=$1 deps
  deps=$(dpkg-query -W -f='${Depends}' "$pkg" | tr ',' '\n' | sed 's/[ (].*//; s/^ *//' | grep -- '-doc$' || true)
  for p in "$pkg" $deps; do dpkg -L "$p"; done | grep '\.html$' | sort -u
}

mkdir -p "$corpus"
for pkg in "${packages[@]}"; do
  while IFS= read -r page; do
    [ -f "$page" ] && [ ! -L "$page" ] || continue
    # /usr/share/doc/python3.11/html/library/os.html → python3.11-html-library-os.html
    name=${page#/usr/share/doc/}
    cp -p "$page" "$corpus/${name//\//-}"
  done < <(package_pages "$pkg")
done
echo "${packages[*]}" >"$stamp"
report

#!/usr/bin/env bash
# The main job: builds the quorvel-ml tool and takes a short tour of the library on the sample
# language directory examples/lang/: a sentence, a caption, log lines and a Big5/GB conversion.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/normal -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/normal -j"$(nproc)" --target quorvel-ml >/dev/null

tool=build/normal/cli/quorvel-ml
quote() {  # an argument as a reader would type it
  case "$1" in
    *$'\t'*) printf " \$'%s'" "${1//$'\t'/\\t}" ;;
    *[!A-Za-z0-9_./=-]*) printf " '%s'" "$1" ;;
    *) printf ' %s' "$1" ;;
  esac
}
show() {  # prints the command, then runs it; --utf8 makes GBK, Big5 and Latin-1 readable here
  printf '\n$ quorvel-ml'
  for arg in "$@"; do quote "$arg"; done
  printf '\n'
  "$tool" "$@"
}

echo "== The languages of examples/lang, captioned in French"
show languages --lang 3 --utf8

echo
echo "== A sentence: words and {braced phrases} are looked up, \$literals\$ and numbers kept"
for lang in 3 4 1 0; do
  show translate --lang "$lang" --utf8 '{Incoming call} from $Alice$ on line 5 failed'
done

echo
echo "== A menu caption: accelerator, ellipsis and shortcut survive the translation"
show caption --lang 3 --utf8 $'&Open...\tCtrl+O'
show caption --lang 1 --utf8 $'&Open...\tCtrl+O'

echo
echo "== Log lines as a host's logger receives them, with the ready-made diagnostics"
show log --lang 0 --utf8 --diagnostics 'Open file failed'

echo
echo "== What a language file still needs for a text"
show keys --lang 4 'Hang up the {Incoming call} now'

echo
echo "== Chinese: a Big5 file, converted to GB and back to Big5"
show detect --system gb examples/big5-sample.txt
show convert --to gb --utf8 examples/big5-sample.txt
printf '\n$ quorvel-ml convert --to gb --raw examples/big5-sample.txt | quorvel-ml convert --to big5 --utf8\n'
"$tool" convert --to gb --raw examples/big5-sample.txt | "$tool" convert --to big5 --utf8
printf '\n$ quorvel-ml convert --to gb --raw examples/big5-sample.txt | quorvel-ml convert --to big5 --raw | cmp - examples/big5-sample.txt\n'
"$tool" convert --to gb --raw examples/big5-sample.txt | "$tool" convert --to big5 --raw | cmp - examples/big5-sample.txt &&
  echo "same bytes: the Big5 file came back unchanged"

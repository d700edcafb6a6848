#!/usr/bin/env bash
# Regenerates the sample lessons in samples/ from the UTF-8 texts beside this
# script: one item per line, written with CR LF in each lesson's encoding.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")

convert() {  # source text, iconv encoding, lesson file
  sed 's/$/\r/' "$here/$1" | iconv -f UTF-8 -t "$2" > "$out/$3"
}

convert everyday.gb.txt GB2312 everyday.gb
convert everyday.b5.txt BIG5 everyday.b5
convert everyday.euc.txt EUC-JP everyday.euc
convert everyday.jis.txt ISO-2022-JP everyday.jis
convert everyday.euk.txt EUC-KR everyday.euk

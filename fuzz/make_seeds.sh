#!/usr/bin/env bash
# Builds the fuzzer's seed corpus: the sample skin's archive, its SK2 table and its bitmaps, each
# prefixed with the byte that selects its parser.
set -eu
skintool=$1 archive=$2 bitmaps=$3 out=$4
rm -rf "$out"; mkdir -p "$out"
{ printf '\x00'; cat "$archive"; } >"$out/archive"
tmp=$(mktemp); trap 'rm -f "$tmp"' EXIT
"$skintool" extract "$archive" "$tmp"
{ printf '\x02'; cat "$tmp"; } >"$out/sk2"
for f in "$bitmaps"/*.bmp; do { printf '\x03'; cat "$f"; } >"$out/bmp-$(basename "$f" .bmp)"; done

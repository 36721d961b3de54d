#!/usr/bin/env bash
# Pomiar: ocena LICZBA wygenerowanych plików roboczych przez
#   pontiva-cli oblicz --format json KATALOG
# obok cat czytającego te same pliki, naprzemiennie w jednym przebiegu. Cel: czas
# pontiva-cli nie większy niż 3 × czas cat.
#   bench/cli/porownanie_z_cat.sh [LICZBA=10000] [POWTORZENIA=7]
set -euo pipefail
KATALOG="$(cd "$(dirname "$0")/../.." && pwd)"
LICZBA=${1:-10000}
POWTORZENIA=${2:-7}
BUILD=${PONTIVA_BUILD:-$KATALOG/build}
cmake -S "$KATALOG" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target pontiva-cli pontiva-przyklady -j"$(nproc)" >/dev/null
CLI="$BUILD/pontiva-cli"

DANE="$BUILD/bench-cli-$LICZBA"
if [ "$(find "$DANE" -maxdepth 1 -name '*.PTV' 2>/dev/null | wc -l)" -ne "$LICZBA" ]; then
  rm -rf "$DANE"
  "$BUILD/pontiva-przyklady" generuj "$DANE" "$LICZBA"
fi

teraz() { date +%s%N; }
mediana() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

cd "$DANE"
# Rozgrzanie pamięci podręcznej plików.
cat ./*.PTV >/dev/null
"$CLI" oblicz --format json . >/dev/null || true

czasy_cat=()
czasy_cli=()
for _ in $(seq "$POWTORZENIA"); do
  t0=$(teraz); cat ./*.PTV >/dev/null; t1=$(teraz)
  "$CLI" oblicz --format json . >/dev/null || true; t2=$(teraz)
  czasy_cat+=($(( (t1 - t0) / 1000 )))
  czasy_cli+=($(( (t2 - t1) / 1000 )))
done

m_cat=$(printf '%s\n' "${czasy_cat[@]}" | mediana)
m_cli=$(printf '%s\n' "${czasy_cli[@]}" | mediana)
ocenione=$("$CLI" oblicz --format json . | grep -c '"ok":true' || true)
echo "plików: $LICZBA (poprawnie ocenionych: $ocenione), powtórzeń: $POWTORZENIA"
echo "cat:         mediana $((m_cat / 1000)) ms   (${czasy_cat[*]} µs)"
echo "pontiva-cli: mediana $((m_cli / 1000)) ms   (${czasy_cli[*]} µs)"
awk -v a="$m_cli" -v b="$m_cat" 'BEGIN { r = a / b; printf "stosunek pontiva-cli / cat: %.2f (cel: ≤ 3)\n", r; exit (r <= 3 ? 0 : 1) }'

#!/usr/bin/env bash
# Konfiguracja bez Qt 6: z oknem włączonym kończy się błędem z podpowiedzią, z oknem
# wyłączonym jawnie (-DPONTIVA_OKNA=OFF) przechodzi i nie ma celu pontiva.
source "$(dirname "$0")/wspolne.sh"
ZRODLA=$1
GENERATOR=$2

if cmake -S "$ZRODLA" -B "$TMP/z_oknem" -G "$GENERATOR" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >"$TMP/wy" 2>&1; then
  blad "konfiguracja bez Qt 6 przeszła, choć okno jest włączone"
fi
grep -q "Nie znaleziono Qt 6" "$TMP/wy" || { cat "$TMP/wy"; blad "brak komunikatu o Qt 6"; }
grep -q -- "-DPONTIVA_OKNA=OFF" "$TMP/wy" || { cat "$TMP/wy"; blad "brak podpowiedzi -DPONTIVA_OKNA=OFF"; }

cmake -S "$ZRODLA" -B "$TMP/bez_okna" -G "$GENERATOR" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DPONTIVA_OKNA=OFF \
  >"$TMP/wy" 2>&1 || { cat "$TMP/wy"; blad "konfiguracja z -DPONTIVA_OKNA=OFF"; }
# Cel pontiva-cli jest w wygenerowanej budowie (make albo ninja); katalogów okien w niej nie ma.
grep -qsE '^(build )?pontiva-cli:' "$TMP/bez_okna/Makefile" "$TMP/bez_okna/build.ninja" || blad "brak celu pontiva-cli"
[ ! -e "$TMP/bez_okna/src/ui/qt" ] && [ ! -e "$TMP/bez_okna/tests/ui/qt" ] || blad "okna w budowie mimo -DPONTIVA_OKNA=OFF"
echo "konfiguracja_bez_qt: 1 passed, 0 failed"

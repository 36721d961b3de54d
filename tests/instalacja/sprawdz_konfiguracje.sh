#!/usr/bin/env bash
# Konfiguracja bez Qt 6: z oknem włączonym kończy się błędem z podpowiedzią, z oknem
# wyłączonym jawnie (-DPONTIVA_OKNA=OFF) przechodzi i nie ma celu pontiva.
source "$(dirname "$0")/wspolne.sh"
ZRODLA=$1
GENERATOR=$2

if cmake -S "$ZRODLA" -B "$TMP/budowa" -G "$GENERATOR" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >"$TMP/wy" 2>&1; then
  blad "konfiguracja bez Qt 6 przeszła, choć okno jest włączone"
fi
grep -q "Nie znaleziono Qt 6" "$TMP/wy" || { cat "$TMP/wy"; blad "brak komunikatu o Qt 6"; }
grep -q -- "-DPONTIVA_OKNA=OFF" "$TMP/wy" || { cat "$TMP/wy"; blad "brak podpowiedzi -DPONTIVA_OKNA=OFF"; }

# Ten sam katalog budowy: rozpoznanie kompilatora z pierwszej próby się przydaje.
cmake -S "$ZRODLA" -B "$TMP/budowa" -G "$GENERATOR" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DPONTIVA_OKNA=OFF \
  >"$TMP/wy" 2>&1 || { cat "$TMP/wy"; blad "konfiguracja z -DPONTIVA_OKNA=OFF"; }
# Cel pontiva-cli jest w wygenerowanej budowie (make albo ninja), celów okien w niej nie ma.
grep -qsE '^(build )?pontiva-cli:' "$TMP/budowa/Makefile" "$TMP/budowa/build.ninja" || blad "brak celu pontiva-cli"
! grep -qsE '^(build )?(pontiva|testy_qt_[A-Za-z]+):' "$TMP/budowa/Makefile" "$TMP/budowa/build.ninja" ||
  blad "okna w budowie mimo -DPONTIVA_OKNA=OFF"
echo "konfiguracja_bez_qt: 1 passed, 0 failed"

#!/usr/bin/env bash
# Instalacja do DESTDIR z prefiksem /usr: dokładna lista plików, poprawny wpis pulpitu
# i typ MIME (przyjęty przez update-mime-database), ikony PNG w swoich rozmiarach, strona
# man z każdym poleceniem i opcją z "pontiva-cli --help", działające pontiva-cli.
source "$(dirname "$0")/wspolne.sh"
BUILD=$1
TESTY=$2

DESTDIR="$TMP/root" cmake --install "$BUILD" --prefix /usr >/dev/null
cd "$TMP/root/usr"

find . -type f | LC_ALL=C sort >"$TMP/pliki"
diff -u "$TESTY/pliki.txt" "$TMP/pliki" || blad "inna lista zainstalowanych plików"
[ -x bin/pontiva ] && [ -x bin/pontiva-cli ] || blad "programy nie są wykonywalne"

desktop-file-validate share/applications/pontiva.desktop || blad "wpis pulpitu"
grep -qx 'Exec=pontiva %f' share/applications/pontiva.desktop || blad "Exec wpisu pulpitu"
grep -qx 'MimeType=application/x-pontiva-ptv;application/x-pontiva-pjz;' share/applications/pontiva.desktop || blad "MimeType wpisu pulpitu"

xmllint --noout share/mime/packages/pontiva.xml || blad "plik MIME"
if command -v update-mime-database >/dev/null; then
  XDG_DATA_DIRS="$PWD/share" update-mime-database "$PWD/share/mime" >"$TMP/mime.log" 2>&1 || { cat "$TMP/mime.log"; blad "update-mime-database"; }
  [ ! -s "$TMP/mime.log" ] || { cat "$TMP/mime.log"; blad "ostrzeżenia update-mime-database"; }
  for typ_wzor in 'ptv:*.PTV' 'ptv:*.ptv' 'pjz:*.PJZ' 'pjz:*.pjz'; do
    grep -qF "application/x-pontiva-${typ_wzor%%:*}:${typ_wzor#*:}" share/mime/globs2 || blad "brak wzoru $typ_wzor w globs2"
  done
fi

for r in 16 22 24 32 48 64 128 256; do
  for png in share/icons/hicolor/${r}x$r/apps/pontiva.png share/icons/hicolor/${r}x$r/mimetypes/application-x-pontiva-ptv.png; do
    file "$png" | grep -q "PNG image data, $r x $r," || blad "$png nie ma $r x $r"
  done
done
xmllint --noout share/icons/hicolor/scalable/apps/pontiva.svg || blad "ikona SVG"

bin/pontiva-cli --help >"$TMP/pomoc" || blad "pontiva-cli --help"
head -1 "$TMP/pomoc" | grep -q '^pontiva-cli – ' || blad "pierwszy wiersz pomocy pontiva-cli"
if command -v man >/dev/null; then
  MANWIDTH=200 man -l share/man/man1/pontiva-cli.1 2>"$TMP/man.log" | col -bx >"$TMP/man"
  [ ! -s "$TMP/man.log" ] || { cat "$TMP/man.log"; blad "ostrzeżenia man"; }
  # Każde polecenie i opcja pomocy jest na stronie man.
  for slowo in $(grep -oE '^  pontiva-cli [a-z-]+|--?[a-z]+' "$TMP/pomoc" | sed 's/^  pontiva-cli //' | sort -u); do
    grep -qF -- "$slowo" "$TMP/man" || blad "strona man nie zna \"$slowo\" z pontiva-cli --help"
  done
fi
echo "instalacja: 1 passed, 0 failed"

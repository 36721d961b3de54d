#!/usr/bin/env bash
# Zrzuty całego ekranu z prawdziwym oknem programu (Xvfb, menedżer okien openbox z paskiem
# tytułu i miejscem na pasek zadań), do obejrzenia przez człowieka; nie test.
#   1366 × 768 przy 100 % (pasek zadań 40 px: zostaje 728) i 1920 × 1080 przy 150 %
#   (QT_SCALE_FACTOR=1.5, pasek 48 px: zostaje 1280 × 688 pikseli logicznych), 2560 × 1440 przy
#   200 % (pasek 96 px: zostaje 1280 × 672) i 1024 × 700 bez paska zadań; okno bez panelu
#   "Elementy", z panelem pokazanym przy starcie (ustawienia) i włączonym jak Ctrl+E; okno
#   z czcionką 14 pt na ekranie 1920 × 1080 przy 100 %. Miejsce paska zadań jest na zrzucie
#   zabarwione na czerwono: okno nie powinno w nie wchodzić. Obok: wszystkie okna (offscreen)
#   z czcionką 14 pt w czcionka14/. Okno "Rejestr obiektów" obok okna głównego na katalogu
#   pliku (przyklady/) i na 2 000 obiektów z generatora, przy 100 % i przy 150 %. Okno "Pojazd
#   nienormatywny" z żurawiem z przyklady/pojazdy/ nad oknem głównym z panelem "Elementy" i rejestrem.
# Użycie: zrzuty_ekranu.sh PONTIVA ZRZUTY_OKIEN KATALOG_WYJSCIA PLIK.PTV GENERATOR
set -euo pipefail
PONTIVA=$1 ZRZUTY=$2 WYJSCIE=$3 PLIK=$(realpath "$4") GENERATOR=$5
mkdir -p "$WYJSCIE"
WYJSCIE=$(realpath "$WYJSCIE")
# xvfb-run i import instaluje scripts/setup; menedżer okien tylko to narzędzie potrzebuje.
for p in xvfb-run import openbox xwininfo; do
  command -v $p >/dev/null || { echo "brak programu $p (apt-get install xvfb imagemagick openbox x11-utils)"; exit 1; }
done
ROBOCZY=$(mktemp -d)
trap 'rm -rf "$ROBOCZY"' EXIT

# zrzut NAZWA SZEROKOSC WYSOKOSC PASEK SKALA POLECENIE...: polecenie pokazuje okno, po 4 s
# zrzut ekranu; PANEL=1 zapisuje w ustawieniach okna widoczny panel "Elementy".
zrzut() {
  local nazwa=$1 szer=$2 wys=$3 pasek=$4 skala=$5
  shift 5
  local k="$ROBOCZY/$nazwa"
  mkdir -p "$k/dane" "$k/ustawienia/Pontiva"
  [ "${PANEL:-0}" = 1 ] && printf '[okno]\nelementy=true\n' >"$k/ustawienia/Pontiva/Pontiva.conf"
  cat >"$k/rc.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>$pasek</bottom><left>0</left><right>0</right></margins>
</openbox_config>
EOF
  cat >"$k/sesja.sh" <<'EOF'
LC_ALL=C.UTF-8 openbox --config-file "$K/rc.xml" & wm=$!
sleep 1
"$@" & p=$!
sleep 4
import -window root "$K/ekran.png"
LC_ALL=C.UTF-8 xwininfo -root -tree | grep -E '\("(pontiva|zrzuty_okien)" ' | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*  *+[0-9]*+[0-9]*$' >"$K/okno.txt" || true
kill $p $wm 2>/dev/null || true
wait 2>/dev/null || true
EOF
  K=$k PONTIVA_DANE=$k/dane XDG_CONFIG_HOME=$k/ustawienia LANG=pl_PL.UTF-8 QT_SCALE_FACTOR=$skala \
    xvfb-run -a -s "-screen 0 ${szer}x${wys}x24" bash "$k/sesja.sh" "$@" >"$k/log.txt" 2>&1
  convert "$k/ekran.png" -fill 'rgba(255,0,0,0.3)' -draw "rectangle 0,$((wys - pasek)) $((szer - 1)),$((wys - 1))" \
    "$WYJSCIE/$nazwa.png"
  # Wnętrze okna (bez ramki menedżera okien): rozmiar+położenie w ramce  położenie na ekranie.
  echo "$nazwa.png: $(head -1 "$k/okno.txt")"
}

zrzut ekran_1366x768_100 1366 768 40 1 "$PONTIVA" "$PLIK"
PANEL=1 zrzut ekran_1366x768_100_elementy_przy_starcie 1366 768 40 1 "$PONTIVA" "$PLIK"
zrzut ekran_1366x768_100_elementy_ctrl_e 1366 768 40 1 "$ZRZUTY" --pulpit "$PLIK" --elementy
zrzut ekran_1920x1080_150 1920 1080 48 1.5 "$PONTIVA" "$PLIK"
PANEL=1 zrzut ekran_1920x1080_150_elementy_przy_starcie 1920 1080 48 1.5 "$PONTIVA" "$PLIK"
zrzut ekran_1920x1080_150_elementy_ctrl_e 1920 1080 48 1.5 "$ZRZUTY" --pulpit "$PLIK" --elementy
zrzut ekran_2560x1440_200 2560 1440 96 2 "$PONTIVA" "$PLIK"
PANEL=1 zrzut ekran_2560x1440_200_elementy_przy_starcie 2560 1440 96 2 "$PONTIVA" "$PLIK"
zrzut ekran_2560x1440_200_elementy_ctrl_e 2560 1440 96 2 "$ZRZUTY" --pulpit "$PLIK" --elementy
zrzut ekran_1024x700_100 1024 700 0 1 "$PONTIVA" "$PLIK"
PANEL=1 zrzut ekran_1024x700_100_elementy_przy_starcie 1024 700 0 1 "$PONTIVA" "$PLIK"
zrzut ekran_1024x700_100_elementy_ctrl_e 1024 700 0 1 "$ZRZUTY" --pulpit "$PLIK" --elementy
zrzut ekran_1920x1080_100_czcionka14 1920 1080 48 1 "$ZRZUTY" --pulpit "$PLIK" --czcionka 14
zrzut ekran_1920x1080_100_czcionka14_elementy_ctrl_e 1920 1080 48 1 "$ZRZUTY" --pulpit "$PLIK" --czcionka 14 --elementy
mkdir -p "$ROBOCZY/obiekty2000"
"$GENERATOR" generuj "$ROBOCZY/obiekty2000" 2000 >/dev/null
for ekran in "1366x768_100 1366 768 40 1" "1366x768_150 1366 768 40 1.5" "1920x1080_150 1920 1080 48 1.5"; do
  set -- $ekran
  zrzut rejestr_$1 $2 $3 $4 $5 "$ZRZUTY" --pulpit "$PLIK" --rejestr "$(dirname "$PLIK")"
  zrzut rejestr_2000_$1 $2 $3 $4 $5 "$ZRZUTY" --pulpit "$PLIK" --rejestr "$ROBOCZY/obiekty2000"
done
POJAZD="$(dirname "$PLIK")/pojazdy/zuraw_60t.PJZ"
zrzut pojazd_1366x768_100 1366 768 40 1 "$ZRZUTY" --pulpit "$PLIK" --elementy --pojazd "$POJAZD"
zrzut pojazd_rejestr_1366x768_100 1366 768 40 1 "$ZRZUTY" --pulpit "$PLIK" --rejestr "$(dirname "$PLIK")" --pojazd "$POJAZD"
zrzut pojazd_1920x1080_150 1920 1080 48 1.5 "$ZRZUTY" --pulpit "$PLIK" --elementy --pojazd "$POJAZD"
QT_QPA_PLATFORM=offscreen "$ZRZUTY" "$WYJSCIE/czcionka14" --czcionka 14 >/dev/null 2>&1
echo "zrzuty w $WYJSCIE"

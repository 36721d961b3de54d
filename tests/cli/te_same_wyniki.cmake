# Te same liczby i pliki na każdym systemie: pontiva-cli (w budowie dla Windows pod Wine)
# ocenia każdy katalog przypadku i każdy przykład, a wyjście, ślad i zapisane pliki muszą
# być bajt w bajt takie jak wzorce, których używają testy na Linuksie. Do tego polskie
# litery w ścieżkach, zastąpienie istniejącego raportu i kody wyjścia.
#   cmake -DCLI=… [-DEMULATOR=wine] -DDANE=tests/dane -DPRZYKLADY=przyklady -DROBOCZY=… -P te_same_wyniki.cmake
set(DATA 07.12.2026)
set(bledy 0)
file(REMOVE_RECURSE ${ROBOCZY})
file(MAKE_DIRECTORY ${ROBOCZY})

# Uruchamia pontiva-cli w katalogu; kod wyjścia w zmiennej kod, wyjście w pliku wyjscie.
function(cli katalog wyjscie)
  # Do plików, nie do potoków: usługi, które Wine uruchamia przy pierwszym programie,
  # dziedziczą potok i trzymałyby go otwartego.
  # Program kończy się tylko kodem 0, 1 albo 2; inny koniec pod Wine (nieudany start procesu
  # na obciążonej maszynie) jest powtarzany, najwyżej trzy razy.
  foreach(proba 1 2 3)
    execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN} WORKING_DIRECTORY ${katalog}
                    OUTPUT_FILE ${wyjscie} ERROR_FILE ${wyjscie}.bledy RESULT_VARIABLE k)
    if(NOT EMULATOR OR k MATCHES "^[012]$")
      break()
    endif()
  endforeach()
  file(READ ${wyjscie}.bledy bl)
  set(kod ${k} PARENT_SCOPE)
  set(bledy_cli "${bl}" PARENT_SCOPE)
endfunction()

function(porownaj plik wzorzec)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${plik} ${wzorzec} RESULT_VARIABLE r)
  if(NOT r EQUAL 0)
    message(SEND_ERROR "Inny niż wzorzec: ${plik} (wzorzec ${wzorzec})")
  endif()
endfunction()

function(oczekuj_kodu oczekiwany opis)
  if(NOT "${kod}" STREQUAL "${oczekiwany}")
    message(SEND_ERROR "${opis}: kod wyjścia ${kod}, oczekiwany ${oczekiwany}; ${bledy_cli}")
  endif()
endfunction()

# Przypadki: ślad, wynik JSON i przejazd pojazdu (gdzie jest pojazd.PJZ).
file(GLOB przypadki LIST_DIRECTORIES true ${DANE}/przypadki/*)
set(liczba 0)
foreach(k IN LISTS przypadki)
  if(EXISTS ${k}/obiekt.PTV)
    get_filename_component(n ${k} NAME)
    cli(${k} ${ROBOCZY}/${n}-slad.txt slad --separator , obiekt.PTV)
    porownaj(${ROBOCZY}/${n}-slad.txt ${k}/slad.txt)
    cli(${k} ${ROBOCZY}/${n}-wynik.json oblicz --format json --separator , obiekt.PTV)
    porownaj(${ROBOCZY}/${n}-wynik.json ${k}/wynik.json)
    if(EXISTS ${k}/pojazd.PJZ)
      cli(${k} ${ROBOCZY}/${n}-przejazd.json przejazd --pojazd pojazd.PJZ --format json --separator , obiekt.PTV)
      porownaj(${ROBOCZY}/${n}-przejazd.json ${k}/przejazd.json)
    endif()
    # Raport każdego modelu obciążenia: ślad zgodny z tabelami i nośnością, przeliczenie to samo.
    cli(${k} ${ROBOCZY}/${n}-r.txt raport obiekt.PTV -o ${ROBOCZY}/${n}.RTF --separator ,)
    if(kod EQUAL 0)
      cli(${k} ${ROBOCZY}/${n}-s.txt sprawdz ${ROBOCZY}/${n}.RTF)
      oczekuj_kodu(0 "sprawdz raportu przypadku ${n}")
      cli(${k} ${ROBOCZY}/${n}-s.txt sprawdz ${ROBOCZY}/${n}.RTF --plik obiekt.PTV)
      oczekuj_kodu(0 "sprawdz --plik raportu przypadku ${n}")
    endif()
    math(EXPR liczba "${liczba} + 1")
  endif()
endforeach()
if(liczba LESS 30)
  message(SEND_ERROR "Za mało przypadków: ${liczba}")
endif()

# Przykłady: ślad, JSON, porównanie norm i raport urzędowy (tests/dane/przyklady/odswiez).
file(GLOB przyklady ${PRZYKLADY}/*.PTV)
foreach(p IN LISTS przyklady)
  get_filename_component(n ${p} NAME_WE)
  set(w ${DANE}/przyklady/${n})
  set(r ${ROBOCZY}/${n})
  file(MAKE_DIRECTORY ${r})
  cli(${PRZYKLADY} ${r}/slad.txt slad --separator , ${n}.PTV)
  cli(${PRZYKLADY} ${r}/wynik.json oblicz --format json --separator , ${n}.PTV)
  cli(${PRZYKLADY} ${r}/wyjscie.txt normy ${n}.PTV -o ${r}/PTU.TXT --separator ,)
  cli(${PRZYKLADY} ${r}/wyjscie.txt raport ${n}.PTV -o ${r}/raport.RTF --data ${DATA} --separator ,)
  foreach(plik slad.txt wynik.json PTU.TXT raport.RTF)
    if(ODSWIEZ)
      file(COPY ${r}/${plik} DESTINATION ${w})
    else()
      porownaj(${r}/${plik} ${w}/${plik})
    endif()
  endforeach()
  # Raporty już wydane sprawdzają się dalej: sam kod i przeliczenie z datą wydania.
  cli(${PRZYKLADY} ${r}/s.txt sprawdz ${w}/raport.RTF)
  oczekuj_kodu(0 "sprawdz wzorcowego raportu ${n}")
  cli(${PRZYKLADY} ${r}/s.txt sprawdz ${w}/raport.RTF --plik ${n}.PTV --data ${DATA})
  oczekuj_kodu(0 "sprawdz --plik wzorcowego raportu ${n}")
endforeach()

cli(${DANE}/raporty ${ROBOCZY}/s.txt sprawdz 12345678@2.RTF --plik most.ptv)
oczekuj_kodu(0 "sprawdz --plik wzorcowego raportu testów")

# Porównanie norm z wykresem (wzorce testów raportów).
cli(${ROBOCZY} ${ROBOCZY}/normy.txt normy ${DANE}/raporty/most.ptv -o PTU.TXT --wykres w.svg --separator ,)
oczekuj_kodu(0 "normy")
porownaj(${ROBOCZY}/PTU.TXT ${DANE}/raporty/PTU.TXT)
porownaj(${ROBOCZY}/w.svg ${DANE}/raporty/wykres.svg)

# Polskie litery w katalogu i nazwie pliku: wynik jak z pliku o zwykłej nazwie.
set(pl "${ROBOCZY}/Łódź")
file(MAKE_DIRECTORY ${pl})
file(COPY_FILE ${DANE}/przypadki/pn85_p0/obiekt.PTV "${pl}/Most żółty.PTV")
cli(${ROBOCZY} ${ROBOCZY}/pl-slad.txt slad --separator , "Łódź/Most żółty.PTV")
oczekuj_kodu(0 "ślad z polskiej ścieżki")
porownaj(${ROBOCZY}/pl-slad.txt ${DANE}/przypadki/pn85_p0/slad.txt)
cli(${ROBOCZY} ${ROBOCZY}/pl.csv oblicz --format csv --separator , "Łódź")
file(READ ${ROBOCZY}/pl.csv csv)
if(NOT csv MATCHES "\nŁódź/Most żółty[.]PTV;")
  message(SEND_ERROR "Katalog z polskimi literami: ${csv}")
endif()

# Istniejący raport zastąpiony (także krótszym: bez resztek starego pliku).
file(WRITE ${ROBOCZY}/raport.RTF "stary raport, dłuższy niż jakikolwiek nowy ${csv}${csv}${csv}")
cli(${PRZYKLADY} ${ROBOCZY}/r.txt raport belka.PTV -o ${ROBOCZY}/raport.RTF --data ${DATA} --separator ,)
oczekuj_kodu(0 "raport w miejsce istniejącego")
porownaj(${ROBOCZY}/raport.RTF ${DANE}/przyklady/belka/raport.RTF)
file(GLOB zostale ${ROBOCZY}/.pontiva-*)
if(zostale)
  message(SEND_ERROR "Pozostały pliki tymczasowe: ${zostale}")
endif()

# Kody wyjścia: 0 ocenione, 1 odrzucone dane, 2 pliku nie ma.
cli(${DANE}/cli ${ROBOCZY}/k.txt oblicz sumy.PTV)
oczekuj_kodu(1 "plik odrzucony")
cli(${ROBOCZY} ${ROBOCZY}/k.txt oblicz brak.PTV)
oczekuj_kodu(2 "pliku nie ma")
cli(${ROBOCZY} ${ROBOCZY}/k.txt sprawdz raport.RTF)
oczekuj_kodu(0 "kod kontrolny raportu")

# Separator dziesiętny bez --separator: z ustawień regionalnych użytkownika. W Windows to
# ustawienie w rejestrze (jak z Panelu sterowania), które Wine zakłada przy tworzeniu prefiksu
# ze środowiska; zmienne LC_* nie grają tam roli. Na Linuksie ze środowiska wprost.
if(WINDOWS)
  set(ustawienia ",|,|64,6229" ".|.|64.6229")
else()
  set(ustawienia "pl_PL.UTF-8|-|64,6229" "en_US.UTF-8|-|64.6229")
endif()
foreach(ustawienie ${ustawienia})
  string(REPLACE "|" ";" u "${ustawienie}")
  list(GET u 0 locale)
  list(GET u 1 rejestr)
  list(GET u 2 m1n)
  if(WINDOWS)
    execute_process(COMMAND ${EMULATOR} reg add "HKCU\\Control Panel\\International" /v sDecimal /t REG_SZ
                    /d ${rejestr} /f OUTPUT_QUIET ERROR_QUIET)
    set(srodowisko)
  else()
    set(srodowisko ${CMAKE_COMMAND} -E env LC_ALL=${locale})
  endif()
  execute_process(COMMAND ${srodowisko} ${EMULATOR} ${CLI} oblicz belka.PTV
                  WORKING_DIRECTORY ${PRZYKLADY} OUTPUT_FILE ${ROBOCZY}/separator.txt)
  file(READ ${ROBOCZY}/separator.txt tekst)
  if(NOT tekst MATCHES "\nM1N: ${m1n}\n")
    message(SEND_ERROR "Separator dla ${locale}: ${tekst}")
  endif()
endforeach()

# Windows: nazwy, których system nie zapisze tak, jak je podano, dostają błąd zapisu, a stary
# plik zostaje (PTU.TXT. zapisałby po cichu PTU.TXT).
if(WINDOWS)
  file(WRITE ${ROBOCZY}/PTU.TXT "stary")
  foreach(nazwa "PTU.TXT." "PTU.TXT " NUL CON aux.txt)
    cli(${ROBOCZY} ${ROBOCZY}/k.txt normy ${DANE}/raporty/most.ptv -o "${nazwa}" --separator ,)
    oczekuj_kodu(2 "normy -o \"${nazwa}\"")
    if(NOT bledy_cli MATCHES "^Błąd zapisu pliku[.]\n")
      message(SEND_ERROR "normy -o \"${nazwa}\": ${bledy_cli}")
    endif()
  endforeach()
  file(READ ${ROBOCZY}/PTU.TXT stary)
  if(NOT stary STREQUAL "stary")
    message(SEND_ERROR "PTU.TXT zmieniony przez zapis pod inną nazwą")
  endif()
endif()

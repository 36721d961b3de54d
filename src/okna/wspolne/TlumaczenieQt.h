#pragma once
// Polskie napisy standardowych okien i menu Qt (okna plików, wydruku, czcionki, przyciski,
// menu kontekstowe pól) z tłumaczeń samego Qt. Bez pliku tłumaczenia program działa
// dalej, tylko te napisy zostają angielskie.
class QCoreApplication;

// true, gdy tłumaczenie wczytano i zainstalowano w aplikacji.
bool ZainstalujTlumaczenieQt(QCoreApplication& aplikacja);

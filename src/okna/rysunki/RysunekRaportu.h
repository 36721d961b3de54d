#pragma once
// Raport urzędowy narysowany przez program z układu bez Qt (reports/UkladRaportu.h), tak jak
// ustawia go dokument RTF: strona A4 z jego marginesami, nagłówek z JNI, stopka z datą i numerem
// strony, akapity czcionką stałej szerokości łamane na słowach, wiersze tabel o szerokościach
// kolumn dokumentu, załącznik w dwóch szpaltach od nowej strony. Ten sam rysunek pokazuje
// podgląd, drukuje drukarka i zapisuje plik PDF.
#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

class QPaintDevice;
class QPagedPaintDevice;
struct tUkladRaportu;

// Napis strony: dokładny fragment tekstu akapitu albo komórki (z odstępami) od punktu na linii
// bazowej, w pikselach urządzenia. Czesc: numer części układu, z której pochodzi (przebiegi
// akapitu mają numer części, która go kończy), -1 dla nagłówka i stopki.
struct tNapisRaportu {
    QPointF Punkt;
    QString Tekst;
    QFont Czcionka;
    int Czesc = -1;
    int Komorka = 0;
};
using tStronaRaportu = std::vector<tNapisRaportu>;

// Strony raportu na urządzeniu (jego rozdzielczość i miary czcionek), napisy w kolejności
// rysowania: nagłówek, treść, stopka.
std::vector<tStronaRaportu> StronyRaportu(const tUkladRaportu& uklad, QPaintDevice& urzadzenie);
// Strona A4 dokumentu bez marginesów urządzenia: położenia liczy układ strony raportu.
void UstawStroneRaportu(QPagedPaintDevice& urzadzenie);
// Rysuje strony od..doStrony (od 1; 0: do końca) na urządzeniu z ustawioną stroną raportu;
// false, gdy urządzenia nie da się otworzyć do rysowania.
bool RysujRaport(QPagedPaintDevice& urzadzenie, const tUkladRaportu& uklad, int od = 1, int doStrony = 0);

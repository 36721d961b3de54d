#pragma once
// Skróty okna (Ctrl+litera, np. Ctrl+C "Wczytaj", Ctrl+Z "Zapisz") mają pierwszeństwo
// przed kopiowaniem i cofaniem w kontrolce, która ma fokus.
class QEvent;

// true, gdy zdarzenie to pytanie o skrót Ctrl+litera: kontrolka je odrzuca, a skrót
// trafia do okna. Wywoływane na początku event() kontrolki.
bool OddajSkrotOknu(QEvent* zdarzenie);

class QWidget;
// Esc zamyka okno pomocnicze (skrót okna, działa przy fokusie w każdej jego kontrolce).
void ZamykanieEsc(QWidget& okno);

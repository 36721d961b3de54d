#pragma once
// Skróty okna (Ctrl+litera i Ctrl+Shift+litera, np. Ctrl+C "Wczytaj", Ctrl+Z "Zapisz",
// Ctrl+Y "Ponów", oraz Alt+Backspace "Cofnij") mają pierwszeństwo przed kopiowaniem
// i cofaniem w kontrolce, która ma fokus: cofa się cały obiekt, nie tekst jednego pola.
class QEvent;

// true, gdy zdarzenie to pytanie o taki skrót: kontrolka je odrzuca, a skrót
// trafia do okna. Wywoływane na początku event() kontrolki.
bool OddajSkrotOknu(QEvent* zdarzenie);

class QWidget;
// Esc zamyka okno pomocnicze (skrót okna, działa przy fokusie w każdej jego kontrolce).
void ZamykanieEsc(QWidget& okno);

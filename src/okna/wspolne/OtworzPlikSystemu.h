#pragma once
// Plik pokazany programem, który system przypisał jego rodzajowi (raport RTF).
#include <QString>
#include <functional>

class QObject;

// Program otwierający zgłasza błąd dopiero po chwili (np. brak programu do RTF): wtedy,
// także później, woła nieUdalo w wątku okna, o ile kontekst jeszcze istnieje.
void OtworzProgramemSystemu(QObject* kontekst, const QString& plik, std::function<void()> nieUdalo);

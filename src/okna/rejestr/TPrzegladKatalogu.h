#pragma once
// Katalog rejestru śledzony w oknie: pliki robocze oceniane porcjami w wątku okna (krok
// najwyżej ~30 ms, między krokami okno obsługuje zdarzenia). Po zmianie w katalogu
// (QFileSystemWatcher, zdarzenia zebrane przez chwilę) oceniane są tylko pliki nowe i te,
// które zgłosił obserwator pliku (zapis w miejscu, podmiana, usunięcie); usunięte znikają
// z modelu. Katalog, który zniknął, opróżnia model; gdy wróci, jest czytany od nowa.
// Niczego w katalogu nie zapisuje.
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QFileSystemWatcher;
class TModelRejestru;
class tOceniacz;

class TPrzegladKatalogu : public QObject {
    Q_OBJECT
public:
    TPrzegladKatalogu(TModelRejestru& model, QObject* rodzic);
    ~TPrzegladKatalogu() override;

    // Nowy katalog: model opróżniony, wszystkie pliki w kolejce.
    void Otworz(const QString& katalog);
    // Pliki jeszcze nieocenione zostają pominięte (do ponownego otwarcia katalogu).
    void Przerwij();

    const QString& Katalog() const { return katalog_; }
    bool Dostepny() const { return dostepny_; }
    bool Trwa() const { return !kolejka_.empty(); }
    int Ocenione() const { return ocenione_; }  // w bieżącej serii ocen
    int DoOceny() const { return wSerii_; }     // cała bieżąca seria
    int Pominiete() const { return static_cast<int>(pominiete_.size()); }

signals:
    // Postęp oceny, koniec serii, przerwanie, zniknięcie albo powrót katalogu.
    void Zmieniono();

private:
    std::string Sciezka(const std::string& nazwa) const;
    void Wyczysc();
    void DoKolejki(const std::string& nazwa);
    void Obserwuj(const std::string& nazwa);
    void Odswiez();
    void Krok();
    void Zniknal();

    TModelRejestru& model_;
    std::unique_ptr<tOceniacz> oceniacz_;
    QFileSystemWatcher* obserwator_ = nullptr;  // katalog
    // Pliki (zapis w miejscu nie zmienia katalogu), po kilkaset na obserwatora: dodanie ścieżki
    // sprawdza wszystkie już obserwowane, więc jeden na 20 000 plików zatrzymałby okno.
    std::vector<QFileSystemWatcher*> obserwatorzyPlikow_;
    QTimer krok_, zwloka_, powrot_;
    QString katalog_;
    bool dostepny_ = false;
    std::map<std::string, QFileSystemWatcher*> znane_;  // pliki katalogu i obserwator każdego (albo brak)
    std::set<std::string> zmienione_;                     // zgłoszone przez obserwatora pliku
    std::deque<std::string> kolejka_;
    std::set<std::string> wKolejce_, pominiete_;
    int ocenione_ = 0, wSerii_ = 0;
};

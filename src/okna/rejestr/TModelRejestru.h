#pragma once
// Model tabeli okna "Rejestr obiektów": wszystkie wiersze katalogu (po nazwie pliku), a z nich
// pokazane, czyli przyjęte przez filtr rejestru, w kolejności sortowania widoku. Liczby sortują
// się jak liczby, teksty w polskim porządku; nowy albo oceniony ponownie plik trafia od razu
// na swoje miejsce.
#include <QAbstractTableModel>
#include <QCollator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "przebieg/SkalaMas.h"
#include "rejestr/Zestawienie.h"

enum tKolumnaRejestru {
    rPlik, rJNI, rNrP, rDroga, rKm, rMiejscowosc, rPrzeszkoda, rNormatyw, rKlasa, rPrzekroj, rSchemat,
    rPrzesla, rNajdluzsze, rKategoria, rNajgorszy, LiczbaKolumnRejestru
};

class TModelRejestru : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TModelRejestru(QObject* rodzic);
    ~TModelRejestru() override;

    void Wyczysc();
    // Wiersze nowych albo ocenionych ponownie plików (ten sam plik: wiersz zastąpiony).
    void Ustaw(std::vector<tWierszRejestru> wiersze);
    void Usun(const std::string& plik);
    void UstawFiltr(const tFiltrRejestru& filtr);
    const tFiltrRejestru& Filtr() const { return filtr_; }

    // Pokazane wiersze w kolejności tabeli.
    const std::vector<const tWierszRejestru*>& Pokazane() const { return pokazane_; }
    int Wszystkie() const { return static_cast<int>(wiersze_.size()); }

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override;
    void sort(int kolumna, Qt::SortOrder kierunek = Qt::AscendingOrder) override;

signals:
    // Zmienił się skład pokazanych wierszy (linia stanu, podsumowanie).
    void Zmieniono();

private:
    bool Przed(const tWierszRejestru& a, const tWierszRejestru& b) const;
    void Uporzadkuj();
    void Wyjmij(const tWierszRejestru* w);
    void OdswiezSkale();

    std::map<std::string, std::unique_ptr<tWierszRejestru>> wiersze_;
    std::vector<const tWierszRejestru*> pokazane_;
    tFiltrRejestru filtr_;
    int kolumna_ = rPlik;
    Qt::SortOrder kierunek_ = Qt::AscendingOrder;
    QCollator porzadek_;
    tSkalaMas skala_;  // od najmniejszej pokazanej KATEGORII do 42 t
};

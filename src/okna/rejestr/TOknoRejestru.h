#pragma once
// Okno "Rejestr obiektów": wszystkie pliki robocze katalogu (domyślnie JNI, do którego
// zapisuje "Zapisz") w tabeli z filtrem, podsumowaniem kategorii i zapisem zestawienia.
// Wiersz otwarty (dwuklik, Enter) wczytuje obiekt w oknie głównym jak "Wczytaj". Okno
// niczego nie liczy: wiersze daje rejestr, filtr, podsumowanie i zestawienie też.
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;
class TModelRejestru;
class TPrzegladKatalogu;
class TWykresKategorii;

class TOknoRejestru : public QWidget {
    Q_OBJECT
public:
    explicit TOknoRejestru(QWidget* rodzic = nullptr);

    // Pokazuje okno; przy pierwszym pokazaniu otwiera katalog JNI.
    void Pokaz();
    void OtworzKatalog(const QString& katalog);
    void InnyKatalog();
    void ZapiszZestawienie();

    // Wczytanie pliku w oknie głównym (jego droga "Wczytaj", z pytaniem o niezapisane zmiany).
    std::function<bool(const QString&)> OtworzPlik;
    // Wybór katalogu i pliku zestawienia (tytuł, nazwa, filtry, wybrany filtr); pusty:
    // rezygnacja. Testy podstawiają własne, by nie otwierać okien dialogowych.
    std::function<QString(const QString&)> WybierzKatalog;
    std::function<QString(const QString&, const QString&, const QString&, QString*)> WybierzPlik;

    TModelRejestru& Model() { return *model_; }
    TPrzegladKatalogu& Przeglad() { return *przeglad_; }
    QTableView* Tabela() const { return tabela_; }
    QLabel* LiniaStanu() const { return stan_; }
    TWykresKategorii* Wykres() const { return wykres_; }
    QLineEdit* PoleFiltra() const { return tekst_; }
    QCheckBox* Ponizej() const { return ponizej_; }
    QSpinBox* Prog() const { return prog_; }

private:
    void Otworz(const QModelIndex& indeks);
    void ZmienFiltr();
    void OdswiezStan();

    TModelRejestru* model_ = nullptr;
    TPrzegladKatalogu* przeglad_ = nullptr;
    QLabel* katalog_ = nullptr;
    QLineEdit* tekst_ = nullptr;
    QCheckBox* ponizej_ = nullptr;
    QSpinBox* prog_ = nullptr;
    QTableView* tabela_ = nullptr;
    TWykresKategorii* wykres_ = nullptr;
    QProgressBar* postep_ = nullptr;
    QPushButton* przerwij_ = nullptr;
    QPushButton* zapisz_ = nullptr;
    QLabel* stan_ = nullptr;
    QTimer* zwlokaFiltra_ = nullptr;
    bool szerokosci_ = false;  // szerokości kolumn dopasowane do pierwszych wierszy katalogu
};

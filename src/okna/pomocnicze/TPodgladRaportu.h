#pragma once
// Okno "Podgląd raportu": raport urzędowy narysowany przez program z tego samego układu,
// z którego zapis pisze dokument RTF (te same teksty, ten sam kod kontrolny), strona po
// stronie, z wydrukiem i zapisem PDF. Urzędowym plikiem zostaje RTF; okno niczego nie liczy.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "reports/UkladRaportu.h"

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;

class TPodgladRaportu : public QMainWindow {
    Q_OBJECT
public:
    explicit TPodgladRaportu(QWidget* rodzic = nullptr);
    ~TPodgladRaportu() override;

    // Pokazuje raport; nazwa to nazwa pliku PDF proponowana przy zapisie (bez rozszerzenia),
    // opis mówi w linii stanu, skąd jest raport.
    void Pokaz(const tUkladRaportu& uklad, const QString& nazwa, const QString& opis);
    const tUkladRaportu& Uklad() const { return uklad_; }

    // PDF zapisem atomowym (stary plik zostaje przy błędzie; komunikat mówi dlaczego).
    bool ZapiszPdf(const QString& sciezka, std::string& komunikat) const;
    // Wydruk na drukarce (strona A4 raportu, zakres stron z drukarki).
    void Drukuj(QPrinter& drukarka) const;

    // Wybór pliku PDF (tytuł, nazwa domyślna, filtr); pusty: rezygnacja. Testy podstawiają
    // własny, by nie otwierać okna dialogowego.
    std::function<QString(const QString&, const QString&, const QString&)> WybierzPlik;

    QPrintPreviewWidget* Podglad() const { return podglad_; }
    QLabel* LiniaStanu() const { return stan_; }
    QAction* acDrukuj;
    QAction* acZapiszPdf;
    QAction* acKoniec;

private:
    void ZapiszJakoPdf();
    void DrukujZOknem();

    tUkladRaportu uklad_;
    QString nazwa_;
    QString opis_;  // linia stanu: skąd jest raport i liczba stron
    std::unique_ptr<QPrinter> drukarkaPodgladu_;
    QPrintPreviewWidget* podglad_ = nullptr;
    QLabel* stan_ = nullptr;
};

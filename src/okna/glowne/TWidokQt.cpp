#include "okna/glowne/TWidokQt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include "okna/glowne/TPoleLiczbowe.h"

// Zmiana kontrolki na polecenie przebiegu: jej sygnały nie wracają do przebiegu.
struct TWidokQt::tUstawianie {
    explicit tUstawianie(int& licznik) : l(licznik) { ++l; }
    ~tUstawianie() { --l; }
    int& l;
};

TWidokQt::TWidokQt(const tKontrolkiOkna& kontrolki) : k_(kontrolki) {}

void TWidokQt::UstawPozycjeListy(tLista lista, const std::vector<std::string>& pozycje)
{
    tUstawianie u(ustawia_);
    QComboBox* cb = k_.Listy[static_cast<int>(lista)];
    cb->clear();
    for (const std::string& p : pozycje) cb->addItem(Tekst(p));
    cb->setCurrentIndex(-1);
}

int TWidokQt::LiczbaPozycjiListy(tLista lista) const { return k_.Listy[static_cast<int>(lista)]->count(); }

void TWidokQt::UstawWybor(tLista lista, int pozycja)
{
    tUstawianie u(ustawia_);
    QComboBox* cb = k_.Listy[static_cast<int>(lista)];
    cb->setCurrentIndex(pozycja >= 0 && pozycja < cb->count() ? pozycja : -1);
}

int TWidokQt::Wybor(tLista lista) const { return k_.Listy[static_cast<int>(lista)]->currentIndex(); }

double TWidokQt::Wartosc(tPole pole) const { return k_.Pola[pole]->Wartosc(); }

void TWidokQt::UstawWartosc(tPole pole, double wartosc)
{
    tUstawianie u(ustawia_);
    k_.Pola[pole]->UstawWartosc(wartosc);
}

void TWidokQt::UstawWartoscWpisana(tPole pole, double wartosc)
{
    tUstawianie u(ustawia_);
    k_.Pola[pole]->UstawWartoscWpisana(wartosc);
}

bool TWidokQt::JestLiczba(tPole pole) const { return k_.Pola[pole]->JestLiczba(); }

void TWidokQt::OznaczBlad(tPole pole, bool blad) { k_.Pola[pole]->OznaczBlad(blad); }

void TWidokQt::PokazPole(tPole pole, bool widoczne) { k_.Pola[pole]->setVisible(widoczne); }

void TWidokQt::PokazPodpisWiersza(tWierszPol wiersz, bool widoczny) { k_.PodpisyWierszy[wiersz]->setVisible(widoczny); }

void TWidokQt::UstawWierszePrzesel(const std::vector<tWierszPrzesla>& wiersze)
{
    const int k = static_cast<int>(wiersze.size());
    for (int i = 0; i < k; ++i) k_.PodpisyPrzesel[i]->setText(Tekst(wiersze[i].Podpis));
    if (k == wierszeWidoczne_) return;
    // Ukryte wiersze zachowują wartości; zmienia się tylko widoczność.
    const int od = wierszeWidoczne_ < 0 ? 0 : std::min(k, wierszeWidoczne_);
    const int doW = wierszeWidoczne_ < 0 ? MaksWierszy : std::max(k, wierszeWidoczne_);
    for (int i = od; i < doW; ++i) {
        k_.Pola[PoleDlugosci(i + 1)]->setVisible(i < k);
        k_.PodpisyPrzesel[i]->setVisible(i < k);
    }
    wierszeWidoczne_ = k;
    QWidget* edytor = k_.PodpisyPrzesel[0]->parentWidget();
    edytor->setFixedHeight(k * k_.WierszEdytora + 10);
}

void TWidokQt::UstawTytul(const std::string& tytul) { k_.Okno->setWindowTitle(Tekst(tytul)); }

void TWidokQt::UstawWyniki(const tTekstyWynikow& w)
{
    const std::string* teksty[5] = {&w.M1N, &w.TN, &w.MP, &w.TP, &w.Kategoria};
    for (int i = 0; i < 5; ++i) k_.Wyniki[i]->setText(Tekst(*teksty[i]));
}

// Każde przeliczenie ukrywa obszar i zaraz pokazuje go z nowymi wierszami, zwykle takimi
// samymi. Ukryty obszar nie jest widoczny, więc jego wiersze zastępuje dopiero następne
// pokazanie, a ten sam tekst nie jest składany na nowo (to połowa kosztu odświeżenia).
void TWidokQt::UkryjKomunikaty() { k_.Komunikaty->hide(); }

void TWidokQt::UstawTekstKomunikatow(const QString& tekst)
{
    if (tekst == tekstKomunikatow_ && k_.Komunikaty->document()->characterCount() > 1) return;
    tekstKomunikatow_ = tekst;
    k_.Komunikaty->setPlainText(tekst);
}

void TWidokQt::PokazKomunikaty(const std::vector<std::string>& linie, bool blad)
{
    QTextEdit* m = k_.Komunikaty;
    // Barwy zmieniamy tylko przy zmianie rodzaju komunikatu: każde przeliczenie pokazuje
    // obszar na nowo, a zmiana palety i czcionki to pełne odświeżenie stylu kontrolki.
    if (barwyBledu_ != (blad ? 1 : 0)) {
        barwyBledu_ = blad ? 1 : 0;
        QPalette paleta = QApplication::palette(m);
        QFont czcionka = QApplication::font(m);
        czcionka.setBold(blad);
        if (blad) {
            paleta.setColor(QPalette::Base, Qt::red);
            paleta.setColor(QPalette::Text, Qt::white);
        }
        m->setPalette(paleta);
        m->setFont(czcionka);
    }
    QString tekst;
    for (size_t i = 0; i < linie.size(); ++i) {
        if (i) tekst += QLatin1Char('\n');
        tekst += Tekst(linie[i]);
    }
    UstawTekstKomunikatow(tekst);
    m->show();
}

void TWidokQt::OdswiezSzkic()
{
    if (k_.OdswiezSzkic) k_.OdswiezSzkic();
}

void TWidokQt::OdswiezElementy()
{
    if (k_.OdswiezElementy) k_.OdswiezElementy();
}

void TWidokQt::PokazKomunikat(const std::string& tytul, const std::string& tekst, tIkona ikona)
{
    QMessageBox okno(ikona == tIkona::Ostrzezenie ? QMessageBox::Warning : QMessageBox::Information, Tekst(tytul),
                     Tekst(tekst), QMessageBox::Ok, k_.Okno);
    okno.exec();
}

tOdpowiedz TWidokQt::Zapytaj(const std::string& tytul, const std::string& tekst, bool zAnuluj)
{
    QMessageBox::StandardButtons przyciski = QMessageBox::Yes | QMessageBox::No;
    if (zAnuluj) przyciski |= QMessageBox::Cancel;
    QMessageBox okno(QMessageBox::Question, Tekst(tytul), Tekst(tekst), przyciski, k_.Okno);
    // Napisy po polsku także bez tłumaczenia Qt w systemie.
    okno.button(QMessageBox::Yes)->setText(Tekst("Tak"));
    okno.button(QMessageBox::No)->setText(Tekst("Nie"));
    if (zAnuluj) okno.button(QMessageBox::Cancel)->setText(Tekst("Anuluj"));
    okno.setDefaultButton(zAnuluj ? QMessageBox::Cancel : QMessageBox::No);
    okno.setEscapeButton(zAnuluj ? QMessageBox::Cancel : QMessageBox::No);
    switch (okno.exec()) {
    case QMessageBox::Yes: return tOdpowiedz::Tak;
    case QMessageBox::No: return tOdpowiedz::Nie;
    default: return tOdpowiedz::Anuluj;
    }
}

#include "okna/wspolne/Pytanie.h"

#include <QMessageBox>
#include <QPushButton>

#include "okna/wspolne/Tekst.h"

tOdpowiedz Zapytaj(QWidget* rodzic, const std::string& tytul, const std::string& tekst, bool zAnuluj)
{
    QMessageBox::StandardButtons przyciski = QMessageBox::Yes | QMessageBox::No;
    if (zAnuluj) przyciski |= QMessageBox::Cancel;
    QMessageBox okno(QMessageBox::Question, Tekst(tytul), Tekst(tekst), przyciski, rodzic);
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

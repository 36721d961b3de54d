#pragma once
// Okno pomocy: tekst HTML z katalogu help/, z rozdziałami otwieranymi przez numer
// tematu (1: lewy panel i okna dialogowe, 2: prawy panel).
#include <QString>
#include <QWidget>

class QTextBrowser;

class TOknoPomocy : public QWidget {
    Q_OBJECT
public:
    explicit TOknoPomocy(QWidget* rodzic = nullptr);

    // Spis treści (początek tekstu).
    void PokazSpis();
    // Temat 1 albo 2; inny numer: spis treści.
    void PokazTemat(int temat);

    // Adres pliku pomocy: zasób programu, Help/ obok programu, share/pontiva/Help
    // programu zainstalowanego albo help/ źródeł;
    // pusty, gdy pomocy nie ma nigdzie.
    static QString AdresPomocy();

    QTextBrowser* Tekst;

private:
    void Pokaz(const QString& kotwica);
};

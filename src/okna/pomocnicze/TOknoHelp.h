#pragma once
// Przeglądarka tekstu: ślad obliczeń i raporty tekstowe, tylko do odczytu.
// Tekst można zapisać do pliku, wydrukować i oglądać inną czcionką.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QPlainTextEdit;
class QPrinter;

class TOknoHelp : public QMainWindow {
    Q_OBJECT
public:
    explicit TOknoHelp(QWidget* rodzic = nullptr);
    ~TOknoHelp() override;

    // Plik zapisany przez program (Windows-1250); brak pliku: nic się nie dzieje.
    void PokazPlik(const QString& tytul, const QString& sciezka);
    // Kopia wierszy bieżącego śladu obliczeń pod tytułem "Ślad obliczeń".
    void PokazSlad();

    // Zapis pokazanych wierszy (Windows-1250, każdy wiersz zakończony CR LF) zapisem
    // atomowym; przy błędzie stary plik zostaje, a komunikat mówi dlaczego.
    bool ZapiszDoPliku(const QString& sciezka, std::string& komunikat) const;
    // Wydruk z tytułem okna jako nazwą zadania; każda strona z nagłówkiem: JNI obiektu,
    // tytuł okna, "strona n z m".
    void Drukuj(QPrinter& drukarka) const;
    // JNI obiektu, którego dotyczy pokazany tekst (nagłówek wydruku); pusty: bez JNI.
    QString JNI;

    QString Tekst() const;

    // Okienko "UWAGA" przy próbie pisania; testy podstawiają własne.
    std::function<void(const QString& tytul, const QString& tresc)> PokazUwage;

    QPlainTextEdit* Memo;
    QAction* acZapisz;
    QAction* acDrukuj;
    QAction* acCzcionka;
    QAction* acKoniec;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Pokaz(const QString& tytul, const QString& tekst);
    void ZapiszJako();
    void DrukujZOknem();
    void ZmienCzcionke();
};

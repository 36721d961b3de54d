#pragma once
// Panel "Elementy" okna głównego: wiersz stanu (element decydujący albo powód
// odrzucenia danych), tabela wyników wszystkich elementów, widok podłużny i kopiowanie
// wierszy do arkusza.
#include <QDockWidget>

struct tTabelaElementow;
class QPushButton;
class QTableView;
class TModelElementow;
class TWierszStanu;
class TWidokPodluzny;

class TPanelElementow : public QDockWidget {
    Q_OBJECT
public:
    TPanelElementow(const tTabelaElementow& tabela, QWidget* rodzic);

    // Po każdym przeliczeniu; ukryty panel odświeża się dopiero przy pokazaniu.
    void Odswiez();
    // Zaznaczone wiersze (wszystkie, gdy nic nie zaznaczono) do schowka jako tekst arkusza.
    void Kopiuj();

    QTableView* Tabela() const { return tabela_; }
    TWidokPodluzny* WidokPodluzny() const { return podluzny_; }
    QPushButton* PrzyciskKopiuj() const { return kopiuj_; }

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void UstawSzerokosciKolumn();

    const tTabelaElementow& dane_;
    TModelElementow* model_ = nullptr;
    TWierszStanu* stan_ = nullptr;
    QTableView* tabela_ = nullptr;
    TWidokPodluzny* podluzny_ = nullptr;
    QPushButton* kopiuj_ = nullptr;
    bool nieaktualny_ = true;
};

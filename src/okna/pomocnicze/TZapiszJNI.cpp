#include "okna/pomocnicze/TZapiszJNI.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "przebieg/SprawdzDaneJNI.h"

namespace {

const char* const Tytul = "Informacje o moście";
const char* const EtJNI = "JNI";
const char* const EtNrP = "Numer pierwszego przęsła";
const char* const EtDroga = "Numer drogi";
const char* const EtKm = "Kilometraż (pikietaż)";
const char* const EtNajblizsza = "Najbliższa miejscowość";
const char* const EtPrzeszkoda = "Przeszkoda";
const char* const NapisOK = "OK";
const char* const NapisAnuluj = "Anuluj";
const char* const TytulBledu = "Błąd";

constexpr int MaksJNI = 8;
constexpr int MaksNrP = 3;
constexpr int MaksDroga = 8;
constexpr int MaksKm = 7;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

} // namespace

TZapiszJNI::TZapiszJNI(QWidget* rodzic) : QDialog(rodzic)
{
    setWindowTitle(QString::fromUtf8(Tytul));
    setObjectName("ZapiszJNI");

    auto pole = [this](int maks) {
        auto* e = new QLineEdit(this);
        if (maks > 0) e->setMaxLength(maks);
        return e;
    };
    edJNI = pole(MaksJNI);
    edNrP = pole(MaksNrP);
    edDroga = pole(MaksDroga);
    edKm = pole(MaksKm);
    edNajblizsza = pole(0);
    edPrzeszkoda = pole(0);
    edJNI->setObjectName("edJNI");
    edNrP->setObjectName("edNrP");
    edDroga->setObjectName("edDroga");
    edKm->setObjectName("edKm");
    edNajblizsza->setObjectName("edNajblizsza");
    edPrzeszkoda->setObjectName("edPrzeszkoda");
    // Pola krótkie mają szerokość na swoją liczbę znaków, opisowe są szersze.
    const int znak = edJNI->fontMetrics().horizontalAdvance('W');
    for (QLineEdit* e : {edJNI, edNrP, edDroga, edKm}) e->setFixedWidth(znak * (e->maxLength() + 2));
    edNajblizsza->setMinimumWidth(znak * 18);
    edPrzeszkoda->setMinimumWidth(znak * 18);

    auto* formularz = new QFormLayout;
    formularz->addRow(QString::fromUtf8(EtJNI), edJNI);
    formularz->addRow(QString::fromUtf8(EtNrP), edNrP);
    formularz->addRow(QString::fromUtf8(EtDroga), edDroga);
    formularz->addRow(QString::fromUtf8(EtKm), edKm);
    formularz->addRow(QString::fromUtf8(EtNajblizsza), edNajblizsza);
    formularz->addRow(QString::fromUtf8(EtPrzeszkoda), edPrzeszkoda);

    bbOK = new QPushButton(QString::fromUtf8(NapisOK), this);
    bbAnuluj = new QPushButton(QString::fromUtf8(NapisAnuluj), this);
    bbOK->setObjectName("bbOK");
    bbAnuluj->setObjectName("bbAnuluj");
    bbOK->setDefault(true);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(bbOK);
    przyciski->addWidget(bbAnuluj);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(formularz);
    uklad->addSpacing(8);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    PokazBlad = [this](const QString& tytul, const QString& tresc) {
        QString t = tresc;
        t.replace('\r', '\n');
        QMessageBox::warning(this, tytul, t);
    };

    connect(edJNI, &QLineEdit::textEdited, this, &TZapiszJNI::ZamienNaWielkie);
    connect(bbOK, &QPushButton::clicked, this, [this] {
        if (SprawdzDane()) accept();
    });
    connect(bbAnuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void TZapiszJNI::ZamienNaWielkie(const QString& tekst)
{
    const QString wielkie = tekst.toUpper();
    if (wielkie == tekst) return;
    const int kursor = edJNI->cursorPosition();
    edJNI->setText(wielkie.left(edJNI->maxLength()));
    edJNI->setCursorPosition(kursor);
}

void TZapiszJNI::UstawDane(const tInfoObiektu& info)
{
    edJNI->setText(Q(info.JNI));
    edNrP->setText(Q(info.NrP));
    edDroga->setText(Q(info.Droga));
    edKm->setText(Q(info.Km));
    edNajblizsza->setText(Q(info.Najblizsza));
    edPrzeszkoda->setText(Q(info.Przeszkoda));
}

tInfoObiektu TZapiszJNI::Dane() const
{
    return {Przytnij(S(edJNI->text())),        Przytnij(S(edNrP->text())),
            Przytnij(S(edDroga->text())),      Przytnij(S(edKm->text())),
            Przytnij(S(edNajblizsza->text())), Przytnij(S(edPrzeszkoda->text()))};
}

bool TZapiszJNI::SprawdzDane()
{
    // Sprawdza się tekst nieobcięty: długość JNI liczy się z odstępami.
    const tInfoObiektu surowe{S(edJNI->text()),        S(edNrP->text()),
                              S(edDroga->text()),      S(edKm->text()),
                              S(edNajblizsza->text()), S(edPrzeszkoda->text())};
    const tWynikSprawdzeniaJNI w = SprawdzDaneJNI(surowe);
    if (!w.Poprawne) {
        if (PokazBlad) PokazBlad(QString::fromUtf8(TytulBledu), Q(w.Komunikat));
        return false;
    }
    nazwaPliku_ = Q(w.NazwaPliku);
    return true;
}

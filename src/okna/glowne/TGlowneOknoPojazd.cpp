// Okno główne i pojazd nienormatywny: okno pojazdu (Ctrl+Shift+P, plik *.PJZ z wiersza poleceń
// i upuszczony na okno), a pojazd w nim wybrany oceniany przy każdym przeliczeniu okna
// i w rejestrze obiektów.
#include "okna/glowne/TGlowneOkno.h"
#include "okna/pomocnicze/TOknoPojazdu.h"
#include "okna/rejestr/TOknoRejestru.h"

TOknoPojazdu& TGlowneOkno::OknoPojazdu()
{
    if (!oknoPojazdu_) {
        oknoPojazdu_ = new TOknoPojazdu(this);
        connect(oknoPojazdu_, &TOknoPojazdu::Zmieniono, this, &TGlowneOkno::ZmienionoPojazd);
    }
    return *oknoPojazdu_;
}

void TGlowneOkno::Pojazd() { OknoPojazdu().Pokaz(); }

bool TGlowneOkno::OtworzPojazd(const QString& sciezka)
{
    OknoPojazdu().Pokaz();
    return oknoPojazdu_->Otworz(sciezka);
}

void TGlowneOkno::ZmienionoPojazd()
{
    const std::optional<tWybranyPojazd> wybrany = oknoPojazdu_ ? oknoPojazdu_->Edycja().Wybrany() : std::nullopt;
    if (wybrany == przebieg_->Pojazd()) return;
    przebieg_->UstawPojazd(wybrany);
    if (oknoRejestru_) oknoRejestru_->UstawPojazd(wybrany);
}

#pragma once
// Mały system plików tmpfs (64 KiB) zamontowany w katalogu tymczasowym na czas testu,
// prawie zapełniony: zapis większy niż Wolne bajtów kończy się brakiem miejsca. Tam,
// gdzie montowanie jest niedozwolone, Powod() mówi dlaczego, a test się pomija.
#include <cstdlib>
#include <string>

#include "Wspolne.h"

namespace testy {

class tPelnyDysk {
public:
    static constexpr size_t Wolne = 8192;  // dwie strony tmpfs

    tPelnyDysk()
    {
        if (kat_.Sciezka().empty()) {
            powod_ = "brak katalogu tymczasowego";
            return;
        }
        const std::string k = WCudzyslowie(kat_.Sciezka());
        if (std::system(("mount -t tmpfs -o size=64k tmpfs " + k + " 2>/dev/null").c_str()) != 0) {
            powod_ = "montowanie tmpfs niedozwolone (potrzebny root poza kontenerem bez uprawnień)";
            return;
        }
        zamontowany_ = true;
        // Wypełnienie: dopisujemy, póki jest miejsce, potem zwalniamy Wolne bajtów.
        const std::string wypelnienie = kat_ / ".wypelnienie";
        std::system(("head -c 1M /dev/zero > " + WCudzyslowie(wypelnienie) + " 2>/dev/null").c_str());
        const auto rozmiar = fs::file_size(wypelnienie);
        fs::resize_file(wypelnienie, rozmiar > Wolne ? rozmiar - Wolne : 0);
    }
    ~tPelnyDysk()
    {
        if (zamontowany_) std::system(("umount -l " + WCudzyslowie(kat_.Sciezka())).c_str());
    }
    tPelnyDysk(const tPelnyDysk&) = delete;
    tPelnyDysk& operator=(const tPelnyDysk&) = delete;

    // Pusty, gdy dysk jest gotowy.
    const std::string& Powod() const { return powod_; }
    std::string operator/(const std::string& nazwa) const { return kat_ / nazwa; }
    // Nazwy plików na dysku poza wypełnieniem.
    std::vector<std::string> Pliki() const
    {
        std::vector<std::string> n;
        for (const auto& w : fs::directory_iterator(kat_.Sciezka()))
            if (w.path().filename() != ".wypelnienie") n.push_back(w.path().filename().string());
        return n;
    }

private:
    tKatalogTymczasowy kat_;
    std::string powod_;
    bool zamontowany_ = false;
};

}  // namespace testy

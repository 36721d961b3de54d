#include "okna/rejestr/TPrzegladKatalogu.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "rejestr/Rejestr.h"
#include "okna/rejestr/TModelRejestru.h"

namespace {
constexpr int CzasKroku = 30;           // [ms] ocen w jednym kroku
constexpr int ZbieranieZmian = 250;     // [ms] od ostatniego zdarzenia do odczytu katalogu
constexpr int CzekanieNaPowrot = 1000;  // [ms] co tyle sprawdzany katalog, którego nie ma
constexpr int PlikowNaObserwatora = 500;
}  // namespace

TPrzegladKatalogu::TPrzegladKatalogu(TModelRejestru& model, QObject* rodzic)
    : QObject(rodzic), model_(model), oceniacz_(std::make_unique<tOceniacz>()),
      obserwator_(new QFileSystemWatcher(this))
{
    krok_.setSingleShot(true);
    krok_.setInterval(0);
    zwloka_.setSingleShot(true);
    zwloka_.setInterval(ZbieranieZmian);
    powrot_.setInterval(CzekanieNaPowrot);
    connect(&krok_, &QTimer::timeout, this, &TPrzegladKatalogu::Krok);
    connect(&zwloka_, &QTimer::timeout, this, &TPrzegladKatalogu::Odswiez);
    connect(&powrot_, &QTimer::timeout, this, &TPrzegladKatalogu::Odswiez);
    connect(obserwator_, &QFileSystemWatcher::directoryChanged, &zwloka_, qOverload<>(&QTimer::start));
}

TPrzegladKatalogu::~TPrzegladKatalogu() = default;

std::string TPrzegladKatalogu::Sciezka(const std::string& nazwa) const
{
    return SciezkaWKatalogu(katalog_.toStdString(), nazwa);
}

void TPrzegladKatalogu::Wyczysc()
{
    krok_.stop();
    zwloka_.stop();
    powrot_.stop();
    if (!obserwator_->directories().isEmpty()) obserwator_->removePaths(obserwator_->directories());
    qDeleteAll(obserwatorzyPlikow_);
    obserwatorzyPlikow_.clear();
    znane_.clear();
    zmienione_.clear();
    kolejka_.clear();
    wKolejce_.clear();
    pominiete_.clear();
    ocenione_ = wSerii_ = 0;
    model_.Wyczysc();
}

void TPrzegladKatalogu::Otworz(const QString& katalog)
{
    katalog_ = katalog;
    dostepny_ = true;
    Wyczysc();
    Odswiez();
    emit Zmieniono();
}

void TPrzegladKatalogu::Zniknal()
{
    dostepny_ = false;
    Wyczysc();
    powrot_.start();
    emit Zmieniono();
}

void TPrzegladKatalogu::DoKolejki(const std::string& nazwa)
{
    if (!wKolejce_.insert(nazwa).second) return;
    kolejka_.push_back(nazwa);
    ++wSerii_;
}

// Obserwacja pliku od chwili przed jego oceną; ścieżka, której nie da się obserwować (limit
// systemu), zostaje bez obserwacji. Plik podmieniony (nowy i-węzeł) obserwowany od nowa.
void TPrzegladKatalogu::Obserwuj(const std::string& nazwa)
{
    QFileSystemWatcher*& o = znane_[nazwa];
    const QString sciezka = QString::fromStdString(Sciezka(nazwa));
    if (o) {
        if (!o->files().contains(sciezka)) o->addPath(sciezka);
        return;
    }
    if (obserwatorzyPlikow_.empty() || obserwatorzyPlikow_.back()->files().size() >= PlikowNaObserwatora) {
        obserwatorzyPlikow_.push_back(new QFileSystemWatcher(this));
        connect(obserwatorzyPlikow_.back(), &QFileSystemWatcher::fileChanged, this, [this](const QString& plik) {
            zmienione_.insert(QFileInfo(plik).fileName().toStdString());
            zwloka_.start();
        });
    }
    o = obserwatorzyPlikow_.back();
    o->addPath(sciezka);
}

// Lista plików katalogu porównana z tym, co już jest w modelu, i pliki zgłoszone jako zmienione.
void TPrzegladKatalogu::Odswiez()
{
    std::vector<std::string> nazwy;
    if (!PlikiRobocze(katalog_.toStdString(), nazwy)) {
        if (dostepny_ || !powrot_.isActive()) Zniknal();
        return;
    }
    const bool wrocil = !dostepny_;
    dostepny_ = true;
    powrot_.stop();
    if (!obserwator_->directories().contains(katalog_)) obserwator_->addPath(katalog_);
    const std::set<std::string> teraz(nazwy.begin(), nazwy.end());
    for (auto i = znane_.begin(); i != znane_.end();) {
        if (teraz.count(i->first)) {
            ++i;
            continue;
        }
        model_.Usun(i->first);
        if (i->second) i->second->removePath(QString::fromStdString(Sciezka(i->first)));
        wKolejce_.erase(i->first);
        pominiete_.erase(i->first);
        i = znane_.erase(i);
    }
    for (const std::string& n : nazwy)
        if (znane_.emplace(n, nullptr).second) DoKolejki(n);
    for (const std::string& n : zmienione_)
        if (teraz.count(n) && !pominiete_.count(n)) DoKolejki(n);
    zmienione_.clear();
    if (!kolejka_.empty()) krok_.start();
    if (wrocil || !kolejka_.empty()) emit Zmieniono();
}

void TPrzegladKatalogu::Krok()
{
    QElapsedTimer czas;
    czas.start();
    std::vector<tWierszRejestru> wiersze;
    while (!kolejka_.empty() && (wiersze.empty() || czas.elapsed() < CzasKroku)) {
        const std::string n = std::move(kolejka_.front());
        kolejka_.pop_front();
        if (!wKolejce_.erase(n)) continue;  // usunięty z katalogu w międzyczasie
        Obserwuj(n);
        wiersze.push_back(oceniacz_->Ocen(Sciezka(n), n));
        ++ocenione_;
    }
    model_.Ustaw(std::move(wiersze));
    if (!kolejka_.empty())
        krok_.start();
    else
        ocenione_ = wSerii_ = 0;
    emit Zmieniono();
}

void TPrzegladKatalogu::Przerwij()
{
    krok_.stop();
    for (const std::string& n : kolejka_)
        if (wKolejce_.count(n)) pominiete_.insert(n);
    kolejka_.clear();
    wKolejce_.clear();
    ocenione_ = wSerii_ = 0;
    emit Zmieniono();
}

#include "okna/TPrzegladKatalogu.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <vector>

#include "rejestr/Rejestr.h"
#include "okna/TModelRejestru.h"

namespace {
constexpr int CzasKroku = 30;       // [ms] ocen w jednym kroku
constexpr int ZbieranieZmian = 250; // [ms] od ostatniego zdarzenia katalogu do jego odczytu
constexpr int CzekanieNaPowrot = 1000;  // [ms] co tyle sprawdzany katalog, którego nie ma

qint64 Ms(const QDateTime& t) { return t.isValid() ? t.toMSecsSinceEpoch() : 0; }
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
    connect(obserwator_, &QFileSystemWatcher::fileChanged, &zwloka_, qOverload<>(&QTimer::start));
}

TPrzegladKatalogu::~TPrzegladKatalogu() = default;

std::string TPrzegladKatalogu::Sciezka(const std::string& nazwa) const
{
    return SciezkaWKatalogu(katalog_.toStdString(), nazwa);
}

TPrzegladKatalogu::tZnacznik TPrzegladKatalogu::Znacznik(const std::string& nazwa) const
{
    const QFileInfo f(QString::fromStdString(Sciezka(nazwa)));
    if (!f.exists()) return {};
    return {f.size(), Ms(f.lastModified()), Ms(f.metadataChangeTime())};
}

void TPrzegladKatalogu::Otworz(const QString& katalog)
{
    krok_.stop();
    zwloka_.stop();
    powrot_.stop();
    if (!obserwator_->files().isEmpty()) obserwator_->removePaths(obserwator_->files());
    if (!obserwator_->directories().isEmpty()) obserwator_->removePaths(obserwator_->directories());
    katalog_ = katalog;
    dostepny_ = true;
    znane_.clear();
    kolejka_.clear();
    wKolejce_.clear();
    pominiete_.clear();
    ocenione_ = wSerii_ = 0;
    model_.Wyczysc();
    Odswiez();
}

void TPrzegladKatalogu::Zniknal()
{
    krok_.stop();
    if (!obserwator_->files().isEmpty()) obserwator_->removePaths(obserwator_->files());
    if (!obserwator_->directories().isEmpty()) obserwator_->removePaths(obserwator_->directories());
    dostepny_ = false;
    znane_.clear();
    kolejka_.clear();
    wKolejce_.clear();
    pominiete_.clear();
    ocenione_ = wSerii_ = 0;
    model_.Wyczysc();
    powrot_.start();
    emit Zmieniono();
}

// Lista plików katalogu porównana z tym, co już oceniono.
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
        obserwator_->removePath(QString::fromStdString(Sciezka(i->first)));
        wKolejce_.erase(i->first);
        pominiete_.erase(i->first);
        i = znane_.erase(i);
    }
    QStringList nowe;
    for (const std::string& n : nazwy) {
        const tZnacznik z = Znacznik(n);
        const auto i = znane_.find(n);
        if (i != znane_.end() && i->second == z) continue;
        if (i == znane_.end()) nowe << QString::fromStdString(Sciezka(n));
        znane_[n] = z;
        pominiete_.erase(n);
        if (wKolejce_.insert(n).second) {
            kolejka_.push_back(n);
            ++wSerii_;
        }
    }
    // Zmiana treści pliku bez zmiany katalogu (zapis w miejscu) zgłasza obserwator pliku.
    if (!nowe.isEmpty()) obserwator_->addPaths(nowe);
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

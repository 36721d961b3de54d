// Zrzuty okien do obejrzenia przez człowieka (nie test): okno główne dla każdego rodzaju
// przekroju (mosty z katalogów przypadków) z przekrojem w skali i wykresem "Różnych norm",
// okno z błędem danych, okno identyfikacji, przeglądarka ze śladem, rysunki przekrojów,
// panel "Elementy" (każdy rodzaj przekroju, belki przegubowe, 45 przęseł, dane odrzucone),
// "O programie", pomoc i rejestr obiektów na przykładach. Obok wzorce do tests/dane/rysunki/: opis rysunków przekrojów
// (przekroje.txt) i ikona w każdym rozmiarze (ikona_N.png).
// Użycie: QT_QPA_PLATFORM=offscreen zrzuty_okien KATALOG_WYJSCIA [--czcionka PUNKTY]; kod 1,
// gdy któryś zrzut się nie zapisał. --czcionka: czcionka programu tej wielkości (jak większa
// czcionka pulpitu), by zobaczyć, czy okna rosną z tekstem.
// Z --pulpit PLIK.PTV [--elementy] program tylko pokazuje okno główne z tym plikiem na
// prawdziwym ekranie i czeka na zabicie; zrzut całego ekranu robi zrzuty_ekranu.sh.
// --elementy włącza panel "Elementy" jak Ctrl+E, gdy okno już stoi na ekranie.
// --rejestr KATALOG otwiera obok okno "Rejestr obiektów" na tym katalogu.
#include <QDir>
#include <QToolTip>

#include "OknoTestowe.h"
#include "common/Slad.h"
#include "okna/pomocnicze/TOknoPomocy.h"
#include "okna/rejestr/TModelRejestru.h"
#include "okna/rejestr/TOknoRejestru.h"
#include "okna/rejestr/TPrzegladKatalogu.h"
#include "okna/glowne/TPanelElementow.h"
#include "okna/pomocnicze/TAboutBox.h"
#include "okna/pomocnicze/TObrazekPrzekroju.h"
#include "okna/pomocnicze/TOknoHelp.h"
#include "okna/pomocnicze/TOknoWykresu.h"
#include "okna/pomocnicze/TZapiszJNI.h"

namespace {
QString katalog;
int bledy = 0;

void Zrzut(QWidget& okno, const QString& nazwa)
{
    okno.show();
    if (!QTest::qWaitForWindowExposed(&okno)) qWarning("okno %s się nie pokazało", qPrintable(nazwa));
    const QString plik = katalog + '/' + nazwa + QStringLiteral(".png");
    if (!okno.grab().save(plik)) {
        qWarning("nie zapisano %s", qPrintable(plik));
        ++bledy;
    }
}

// Wartość opcji (usuniętej z listy razem z nią); pusta, gdy opcji nie ma.
QString Opcja(QStringList& argumenty, const char* nazwa)
{
    const qsizetype i = argumenty.indexOf(QString::fromLatin1(nazwa));
    if (i < 0 || i + 1 >= argumenty.size()) return {};
    const QString wartosc = argumenty.takeAt(i + 1);
    argumenty.removeAt(i);
    return wartosc;
}

int Pulpit(QApplication& aplikacja, const QString& plik, bool elementy, const QString& rejestr)
{
    QTemporaryDir ustawienia;  // widoczność panelu nie trafia do ustawień użytkownika
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia.path());
    tOknoTestowe t;
    if (!t.Otworz() || !t.Okno().OtworzPlik(plik)) return 1;
    if (elementy)
        QTimer::singleShot(1000, &t.Okno(), [&t] { t.Okno().findChild<QAction*>(QStringLiteral("acElementy"))->trigger(); });
    if (!rejestr.isEmpty()) {
        t.Okno().OknoRejestru().OtworzKatalog(rejestr);
        t.Okno().OknoRejestru().Pokaz();
    }
    return aplikacja.exec();
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QStringList argumenty = QApplication::arguments();
    const int punkty = Opcja(argumenty, "--czcionka").toInt();
    if (punkty > 0) {
        QFont f = QApplication::font();
        f.setPointSize(punkty);
        QApplication::setFont(f);
    }
    const QString pulpit = Opcja(argumenty, "--pulpit");
    const QString rejestr = Opcja(argumenty, "--rejestr");
    const bool elementy = argumenty.removeAll(QStringLiteral("--elementy")) > 0;
    katalog = argumenty.size() > 1 ? argumenty[1] : QStringLiteral("zrzuty");
    if (QFontDatabase::families().isEmpty() || (pulpit.isEmpty() && !QDir().mkpath(katalog))) {
        qCritical("brak czcionek albo katalogu %s", qPrintable(katalog));
        return 1;
    }
    Regionalne() = {',', "dd.MM.yyyy"};
    QCoreApplication::setApplicationVersion(QStringLiteral(PONTIVA_WERSJA));
    if (!pulpit.isEmpty()) return Pulpit(aplikacja, pulpit, elementy, rejestr);

    tOknoTestowe t;
    if (!t.Otworz()) return 1;
    TGlowneOkno& okno = t.Okno();
    QToolTip::showText(Lista(okno, tLista::CBNormatyw)->mapToGlobal(QPoint(5, 5)),
                       Lista(okno, tLista::CBNormatyw)->toolTip(), &okno);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) Zrzut(*w, QStringLiteral("dymek_normatywu"));
    QToolTip::hideText();
    for (int typ = 0; typ < 7; ++typ) {
        const std::string przypadek = "przypadki/pn85_p" + std::to_string(typ) + "/obiekt.PTV";
        if (!testy::fs::exists(testy::DaneTestowe(przypadek))) {
            qWarning("brak przypadku %s", przypadek.c_str());
            ++bledy;
        }
        okno.Przebieg().WczytajDane(testy::DaneTestowe(przypadek));
        Zrzut(okno, QStringLiteral("glowne_okno_przekroj_%1").arg(typ));
        okno.OknoPrzekroju().PokazPrzekroj(typ);
        okno.OknoPrzekroju().PokazWSkali(true);
        Zrzut(okno.OknoPrzekroju(), QStringLiteral("przekroj_w_skali_%1").arg(typ));
        okno.findChild<QAction*>(QStringLiteral("acNormy"))->trigger();
        if (auto* wykres = okno.findChild<TOknoWykresu*>()) Zrzut(*wykres, QStringLiteral("wykres_norm_%1").arg(typ));
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &okno) w->hide();
    okno.Przebieg().WczytajDane(testy::DaneTestowe("przypadki/pn85_przegubowa_prawe_ramie/obiekt.PTV"));
    Zrzut(okno, QStringLiteral("glowne_okno_przegubowa"));
    Pole(okno, RxSE_C1)->UstawWartosc(Pole(okno, RxSE_C1)->Wartosc() + 1);
    Zrzut(okno, QStringLiteral("glowne_okno_blad"));

    QTemporaryDir ustawienia;  // widoczność panelu nie trafia do ustawień użytkownika
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia.path());
    okno.findChild<QAction*>(QStringLiteral("acElementy"))->trigger();
    // Cały panel, jak na wysokim ekranie (ekran offscreen ma 600 pikseli); panel na niższym
    // ekranie pokazuje zrzuty_ekranu.sh.
    okno.resize(okno.sizeHint());
    for (const char* p : {"pn85_p0", "pn85_p1", "pn85_p2", "pn85_p3", "pn85_p4", "pn85_p5", "pn85_p6",
                          "pn85_przegubowa_lewe_ramie", "pn85_przegubowa_prawe_ramie", "din_p0"}) {
        okno.Przebieg().WczytajDane(testy::DaneTestowe("przypadki/" + std::string(p) + "/obiekt.PTV"));
        QCoreApplication::processEvents();
        Zrzut(okno, QStringLiteral("elementy_%1").arg(QString::fromLatin1(p)));
    }
    UstawMost(okno, MostPrzegubowy45());
    QCoreApplication::processEvents();
    Zrzut(okno, QStringLiteral("elementy_45_przesel"));
    Pole(okno, PoleDlugosci(2))->UstawWartosc(130);
    QCoreApplication::processEvents();
    Zrzut(okno, QStringLiteral("elementy_odrzucone"));
    okno.findChild<QAction*>(QStringLiteral("acElementy"))->trigger();

    okno.Przebieg().UstawInfo({"12345678", "1", "DK 7", "12+300", "Kraków", "rzeka Wisła"});
    okno.OknoJNI().UstawDane(okno.Przebieg().Info());
    okno.OknoJNI().bbOK->setText(QStringLiteral("Zapisz"));
    Zrzut(okno.OknoJNI(), QStringLiteral("okno_identyfikacji"));
    okno.OknoJNI().hide();
    okno.Przebieg().Przelicz();
    okno.OknoTekstu().PokazSlad();
    Zrzut(okno.OknoTekstu(), QStringLiteral("przegladarka_slad"));
    okno.OknoPrzekroju().PokazWSkali(false);
    for (int typ = 0; typ < 7; ++typ) {
        okno.OknoPrzekroju().PokazPrzekroj(typ);
        Zrzut(okno.OknoPrzekroju(), QStringLiteral("przekroj_%1").arg(typ));
    }
    Zrzut(okno.OknoOProgramie(), QStringLiteral("o_programie"));
    QFile opis(katalog + QStringLiteral("/przekroje.txt"));
    if (!opis.open(QIODevice::WriteOnly) || opis.write(OpisRysunkowTekstem().toUtf8()) < 0) ++bledy;
    for (int r : RozmiaryIkony)
        if (!ObrazIkony(r).save(katalog + QStringLiteral("/ikona_%1.png").arg(r))) ++bledy;
    okno.Pomoc().PokazTemat(2);
    Zrzut(okno.Pomoc(), QStringLiteral("pomoc_temat2"));
    // Rejestr na przykładach skopiowanych do katalogu JNI i pliku uszkodzonym, posortowany
    // według KATEGORII, w szerokości okna z ekranu 1366 × 768 (obraz w pomocy).
    const QDir przyklady(QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady"));
    UtworzKatalog(KatalogJNI());
    const QString jni = QString::fromStdString(KatalogJNI());
    for (const QString& p : przyklady.entryList({QStringLiteral("*.PTV")}, QDir::Files))
        if (!QFile::copy(przyklady.filePath(p), jni + '/' + p)) ++bledy;
    testy::ZapiszPlik(KatalogJNI() + "/uszkodzony.PTV", "[PTV]\nniedokończony");
    TOknoRejestru& oknoRejestru = okno.OknoRejestru();
    oknoRejestru.Pokaz();
    oknoRejestru.Tabela()->sortByColumn(rKategoria, Qt::AscendingOrder);
    if (!QTest::qWaitFor([&oknoRejestru] { return !oknoRejestru.Przeglad().Trwa(); }, 10000)) ++bledy;
    oknoRejestru.resize(1300, 380);
    Zrzut(oknoRejestru, QStringLiteral("rejestr_obiektow"));
    return bledy ? 1 : 0;
}

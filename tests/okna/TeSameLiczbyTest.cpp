// Okno liczy to samo co wzorce wiersza poleceń: każdy katalog przypadku i każdy przykład
// wczytany w oknie daje wyniki obiektu i każdego elementu z pliku wynik.json co do bitu,
// a panel wyników pokazuje je. W budowie dla Windows ten sam test biegnie pod Wine: okno
// na Windows pokazuje te same liczby co na Linuksie.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "OknoTestowe.h"
#include "common/Slad.h"

namespace {

// NieDotyczy zapisany w JSON jako null.
double Liczba(const QJsonValue& v) { return v.isNull() ? NieDotyczy : v.toDouble(); }

// Pary (plik roboczy, wynik.json) przypadków i przykładów, w kolejności nazw.
QList<QPair<QString, QString>> Wzorce()
{
    QList<QPair<QString, QString>> pary;
    const QString dane = QStringLiteral(PONTIVA_DANE_TESTOWE);
    const QDir przypadki(dane + "/przypadki"), przyklady(dane + "/przyklady");
    for (const QString& n : przypadki.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (QFile::exists(przypadki.filePath(n + "/obiekt.PTV")))
            pary.append({przypadki.filePath(n + "/obiekt.PTV"), przypadki.filePath(n + "/wynik.json")});
    for (const QString& n : przyklady.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (QFile::exists(przyklady.filePath(n + "/wynik.json")))
            pary.append({dane + "/../../przyklady/" + n + ".PTV", przyklady.filePath(n + "/wynik.json")});
    return pary;
}

}  // namespace

class TestTeSameLiczby : public QObject {
    Q_OBJECT

private slots:
    void wzorceWOknie()
    {
        tOknoTestowe t;
        QVERIFY(t.Otworz());
        int ocenione = 0;
        for (const auto& [plik, wzorzec] : Wzorce()) {
            QFile f(wzorzec);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(wzorzec));
            const QJsonObject w = QJsonDocument::fromJson(f.readAll()).object();
            QVERIFY2(!w.isEmpty(), qPrintable(wzorzec));
            if (!w[QStringLiteral("ok")].toBool()) continue;  // odmowy sprawdzają testy przebiegu
            t.Okno().Przebieg().WczytajDane(plik.toStdString());
            const tObiektMostowy& o = Obiekt(t.Okno());
            const QByteArray opis = plik.toUtf8();
            QVERIFY2(o.PodajM1N() == Liczba(w[QStringLiteral("M1N")]), opis);
            QVERIFY2(o.PodajTN() == Liczba(w[QStringLiteral("TN")]), opis);
            QVERIFY2(o.PodajMP() == Liczba(w[QStringLiteral("MP")]), opis);
            QVERIFY2(o.PodajTP() == Liczba(w[QStringLiteral("TP")]), opis);
            QVERIFY2(o.PodajMase() == Liczba(w[QStringLiteral("PTV")]), opis);
            QCOMPARE(o.NajgorszyElement(), w[QStringLiteral("najgorszy")].toInt());
            const QJsonArray elementy = w[QStringLiteral("elementy")].toArray();
            QCOMPARE(o.LiczbaElementow, int(elementy.size()));
            for (int i = 1; i <= o.LiczbaElementow; ++i) {
                const QJsonObject e = elementy[i - 1].toObject();
                QVERIFY2(o.Elementy[i].MasaGraniczna == Liczba(e[QStringLiteral("masa")]), opis);
                QVERIFY2(o.Elementy[i].MP == Liczba(e[QStringLiteral("MP")]), opis);
                QVERIFY2(o.Elementy[i].TP == Liczba(e[QStringLiteral("TP")]), opis);
            }
            SprawdzPoprawne(t.Okno());
            ++ocenione;
        }
        QVERIFY2(ocenione >= 40, qPrintable(QString::number(ocenione)));
    }

    // Plik zapisany przez program, z polskimi literami w ścieżce dłuższej niż 260 znaków (granica starych funkcji
    // Windows): okno wczytuje go i zapisuje bajt w bajt taki sam.
    void polskieIDlugieSciezki()
    {
        tOknoTestowe t;
        QVERIFY(t.Otworz());
        QString katalog = t.Plik("Łódź");
        while (katalog.size() < 280) katalog += QStringLiteral("/Powiat łęczycki – mosty na Bzurze");
        QVERIFY(QDir().mkpath(katalog));
        const QString zrodlo = katalog + QStringLiteral("/Most żółty.PTV"), kopia = katalog + QStringLiteral("/Kopia ŻÓŁTA.PTV");
        QVERIFY(QFile::copy(QStringLiteral(PONTIVA_DANE_TESTOWE "/../../przyklady/przegubowa.PTV"), zrodlo));
        QVERIFY(t.Okno().Przebieg().WczytajDane(zrodlo.toStdString()));
        SprawdzPoprawne(t.Okno());
        QVERIFY(t.Okno().Przebieg().ZapiszDane(kopia.toStdString()));
        QFile a(zrodlo), b(kopia);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
    }
};

TEST_OKIEN(TestTeSameLiczby)
#include "TeSameLiczbyTest.moc"

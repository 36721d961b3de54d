// Okno główne offscreen: wpisywanie, strzałki, wyniki i komunikaty, edytor rozpiętości,
// lista klas, widoczność pól, linia statusu, tytuł, plik stanu; zrzuty do PNG.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "OknoTestowe.h"

class TestGlowneOkno : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dane_;
    std::unique_ptr<TGlowneOkno> okno_;

    TGlowneOkno& Okno() { return *okno_; }

private slots:
    void initTestCase() { PrzygotujTesty(); }

    void init()
    {
        dane_ = std::make_unique<QTemporaryDir>();
        UstawKatalogDanych(dane_->path().toStdString());
        okno_ = std::make_unique<TGlowneOkno>();
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
    }

    void cleanup()
    {
        okno_.reset();
        UstawKatalogDanych("");
    }

    void zrzutPoczatkowy()
    {
        UstawMostWielodzwigarowy(Okno());
        ZapiszZrzut(Okno(), QStringLiteral("glowne_okno"));
        qDebug() << Komunikaty(Okno());
    }
};

QTEST_MAIN(TestGlowneOkno)
#include "TestGlowneOkno.moc"

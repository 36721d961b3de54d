// Standardowe okna i menu kontekstowe Qt po polsku, z tłumaczeń samego Qt.
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "ui/qt/TlumaczenieQt.h"

class TestTlumaczenieQt : public QObject {
    Q_OBJECT

private slots:
    void napisyPoPolsku()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_pl.qm"))
            QSKIP("brak qtbase_pl.qm (pakiet qt6-translations-l10n)");
        QVERIFY(ZainstalujTlumaczenieQt(*QCoreApplication::instance()));
        QDialogButtonBox przyciski(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        // Napisy bez znaku mnemoniki '&', który zależy od platformy.
        auto napis = [](const QString& t) { return QString(t).remove('&').section('\t', 0, 0); };
        QCOMPARE(napis(przyciski.button(QDialogButtonBox::Open)->text()), QStringLiteral("Otwórz"));
        QCOMPARE(napis(przyciski.button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Anuluj"));
        QLineEdit pole(QStringLiteral("tekst"));
        std::unique_ptr<QMenu> menu(pole.createStandardContextMenu());
        QCOMPARE(napis(menu->actions().first()->text()), QStringLiteral("Cofnij"));
    }
};

QTEST_MAIN(TestTlumaczenieQt)
#include "TestTlumaczenieQt.moc"

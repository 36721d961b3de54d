#pragma once
// Ustawienia okna (QSettings) testów w katalogu tymczasowym, nigdy u użytkownika;
// nazwy organizacji i programu jak w programie.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

class tUstawieniaTestowe {
public:
    tUstawieniaTestowe()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Pontiva"));
        QCoreApplication::setApplicationName(QStringLiteral("Pontiva"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, katalog_.path());
    }
    // Plik ustawień programu.
    QString Plik() const { return katalog_.path() + QStringLiteral("/Pontiva/Pontiva.conf"); }

private:
    QTemporaryDir katalog_;
};

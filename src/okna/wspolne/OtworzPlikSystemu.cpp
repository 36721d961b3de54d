#include "okna/wspolne/OtworzPlikSystemu.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

void OtworzProgramemSystemu(QObject* kontekst, const QString& plik, std::function<void()> nieUdalo)
{
    // Otwarcie przez QDesktopServices uruchamia xdg-open w tle i zawsze zgłasza sukces;
    // tu czekamy na jego kod wyjścia. Bez xdg-open (inne systemy) odpowiada system od razu.
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdg.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(plik))) nieUdalo();
        return;
    }
    auto* proces = new QProcess(kontekst);
    auto zgloszone = std::make_shared<bool>(false);
    auto blad = [proces, zgloszone, nieUdalo] {
        if (!*zgloszone) *zgloszone = true, nieUdalo();
        proces->deleteLater();
    };
    QObject::connect(proces, &QProcess::finished, kontekst, [proces, blad](int kod, QProcess::ExitStatus stan) {
        if (kod != 0 || stan != QProcess::NormalExit) return blad();
        proces->deleteLater();
    });
    QObject::connect(proces, &QProcess::errorOccurred, kontekst, [blad](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) blad();
    });
    proces->start(xdg, {plik});
}

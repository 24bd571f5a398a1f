#include "Chrono.h"
#include <sys/resource.h>
#include <algorithm>
#include <chrono>
#include <cstdio>

void Registre::ajouter(const QString& nom, double cibleMs, std::function<void()> corps,
                       std::function<void()> preparer)
{
    m_operations.push_back({nom, cibleMs, std::move(corps), std::move(preparer)});
}

Mesure Registre::mesurer(const Operation& op, int essais)
{
    using Horloge = std::chrono::steady_clock;
    std::vector<double> temps;
    for (int i = 0; i <= essais; ++i) {
        if (op.preparer)
            op.preparer();
        const auto debut = Horloge::now();
        op.corps();
        const auto fin = Horloge::now();
        if (i > 0) // the first run warms the caches and is not counted
            temps.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    std::sort(temps.begin(), temps.end());
    const std::size_t n = temps.size();
    Mesure m;
    m.mediane = n % 2 ? temps[n / 2] : (temps[n / 2 - 1] + temps[n / 2]) / 2;
    m.min = temps.front();
    m.max = temps.back();
    return m;
}

int Registre::executer(int essais) const
{
    const auto ligne = [](const QString& nom, const QString& reste) {
        std::printf("%s%s\n", nom.leftJustified(34).toUtf8().constData(), reste.toUtf8().constData());
        std::fflush(stdout);
    };
    ligne(QStringLiteral("Opération"), QStringLiteral("%1%2%3%4  %5").arg(QStringLiteral("médiane ms"), 12)
                                           .arg(QStringLiteral("min"), 9).arg(QStringLiteral("max"), 9)
                                           .arg(QStringLiteral("cible"), 8).arg(QStringLiteral("résultat")));
    int manquees = 0;
    for (const Operation& op : m_operations) {
        const Mesure m = mesurer(op, essais);
        const bool ok = m.mediane <= op.cibleMs;
        manquees += !ok;
        ligne(op.nom, QStringLiteral("%1%2%3%4  %5")
                          .arg(m.mediane, 12, 'f', 2)
                          .arg(m.min, 9, 'f', 2)
                          .arg(m.max, 9, 'f', 2)
                          .arg(op.cibleMs, 8, 'f', 0)
                          .arg(ok ? QStringLiteral("OK") : QStringLiteral("MANQUÉ")));
    }
    return manquees;
}

double memoireMaxMo()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kB on Linux
}

#include "Chrono.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

Mesure mesurer(int essais, const std::function<void()>& corps, const std::function<void()>& preparer)
{
    using Horloge = std::chrono::steady_clock;
    std::vector<double> temps;
    for (int i = 0; i <= essais; ++i) {
        if (preparer)
            preparer();
        const auto debut = Horloge::now();
        corps();
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

void Registre::ajouter(const QString& nom, double cibleMs, std::function<void()> corps, std::function<void()> preparer,
                       int essais)
{
    m_operations.push_back({nom, cibleMs, std::move(corps), std::move(preparer), essais, {}});
}

void ligneTableau(const QString& premiere, const QString& reste, int largeur)
{
    std::printf("%s%s\n", premiere.leftJustified(largeur).toUtf8().constData(), reste.toUtf8().constData());
    std::fflush(stdout);
}

int Registre::executer(int essais, const QString& filtre, bool afficher)
{
    if (afficher)
        ligneTableau(QStringLiteral("Opération"),
                     QStringLiteral("%1%2%3%4%5  %6")
                         .arg(QStringLiteral("essais"), 7)
                         .arg(QStringLiteral("médiane ms"), 12)
                         .arg(QStringLiteral("min"), 9)
                         .arg(QStringLiteral("max"), 9)
                         .arg(QStringLiteral("cible"), 8)
                         .arg(QStringLiteral("résultat")));
    int manquees = 0;
    for (Operation& op : m_operations) {
        if (!op.nom.contains(filtre, Qt::CaseInsensitive))
            continue;
        const int n = op.essais > 0 ? op.essais : essais;
        op.mesure = mesurer(n, op.corps, op.preparer);
        const Mesure& m = op.mesure;
        const bool avecCible = op.cibleMs >= 0;
        const bool ok = !avecCible || m.mediane <= op.cibleMs;
        manquees += !ok;
        if (afficher)
            ligneTableau(op.nom,
                         QStringLiteral("%1%2%3%4%5  %6")
                             .arg(n, 7)
                             .arg(m.mediane, 12, 'f', 2)
                             .arg(m.min, 9, 'f', 2)
                             .arg(m.max, 9, 'f', 2)
                             .arg(avecCible ? QString::number(op.cibleMs) : QStringLiteral("—"), 8)
                             .arg(!avecCible ? QString()
                                      : ok   ? QStringLiteral("OK")
                                             : QStringLiteral("MANQUÉ")));
    }
    return manquees;
}

QStringList Registre::noms() const
{
    QStringList n;
    for (const Operation& op : m_operations)
        n << op.nom;
    return n;
}

Mesure Registre::resultat(const QString& nom) const
{
    for (const Operation& op : m_operations)
        if (op.nom == nom)
            return op.mesure;
    return {};
}

double memoireMaxMo()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kB on Linux
}

#pragma once
// A fresh program in a temporary program folder, driven by the scripted
// platform: the common ground of the widget tests.
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "base/Codec.h"
#include "platform/PlateformeScriptee.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class Banc {
public:
    Banc() : m_ancien(QDir::currentPath())
    {
        QDir::setCurrent(m_dossier.path());
    }
    ~Banc()
    {
        programme.reset();
        QDir::setCurrent(m_ancien);
    }

    // The program folder, ending with the separator.
    QString dossier() const { return QDir::toNativeSeparators(m_dossier.path()) + QDir::separator(); }
    QString chemin(const QString& nom) const { return dossier() + nom; }

    // Writes a file of the program folder from text (Windows-1252, lines as given).
    void ecrire(const QString& nom, const QString& texte) const { ecrireOctets(nom, Codec::encoder(texte)); }
    void ecrireOctets(const QString& nom, const QByteArray& octets) const
    {
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString& nom) const
    {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Settings pointing at the given base of the folder ("*" for the default).
    void reglages(const QString& base = QStringLiteral("*"), int notes = 0, int bulles = 1)
    {
        ecrire(QStringLiteral("Zuta.ini"), QStringLiteral(" %1 \r\n %2 \r\n 1500 \r\n 1500 \r\n%3\r\n")
                                               .arg(notes)
                                               .arg(bulles)
                                               .arg(base));
    }

    // Builds the program and runs its start-up.
    FrmPrincipal& demarrer()
    {
        programme = std::make_unique<Programme>(plateforme);
        programme->Main();
        return *programme->fen;
    }

    Programme& p() { return *programme; }
    FrmPrincipal& fen() { return *programme->fen; }

    // Texts of the boxes shown so far, then forgets them.
    QStringList boites()
    {
        QStringList textes;
        for (const auto& b : plateforme.boites)
            textes << b.titre + QStringLiteral(" | ") + b.texte;
        plateforme.boites.clear();
        return textes;
    }

    PlateformeScriptee plateforme;
    std::unique_ptr<Programme> programme;

private:
    QTemporaryDir m_dossier;
    QString m_ancien;
};

// A small base in the current layout, one line per entry of the list, CR LF ends.
inline QString baseTexte(const QStringList& lignes)
{
    return lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

#include "RaccourciInternet.h"
#include "base/Codec.h"
#include <QFile>
#include <QStringList>
#include <QUrl>

namespace RaccourciInternet {

bool estRaccourci(const QString& chemin)
{
    return chemin.endsWith(QLatin1String(".url"), Qt::CaseInsensitive) && !chemin.contains(QLatin1String("://"));
}

QString adresse(const QByteArray& contenu)
{
    bool dansSection = false;
    const QStringList lignes = Codec::decoder(contenu).split(QLatin1Char('\n'));
    for (QString ligne : lignes) {
        ligne = ligne.trimmed();
        if (ligne.startsWith(QLatin1Char('['))) {
            dansSection = ligne.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (dansSection && ligne.startsWith(QLatin1String("URL="), Qt::CaseInsensitive))
            return ligne.mid(4).trimmed();
    }
    return QString();
}

QString adresseDuFichier(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QString();
    return adresse(fichier.read(64 * 1024));  // a shortcut is a few lines
}

bool adresseSure(const QString& adresse)
{
    const QString schema = QUrl(adresse).scheme().toLower();
    return schema == QLatin1String("http") || schema == QLatin1String("https") || schema == QLatin1String("mailto");
}

} // namespace RaccourciInternet

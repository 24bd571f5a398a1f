#include "RaccourciInternet.h"
#include "base/Codec.h"
#include <QStringList>
#include <QUrl>

namespace RaccourciInternet {

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

bool adresseSure(const QString& adresse)
{
    const QString schema = QUrl(adresse).scheme().toLower();
    return schema == QLatin1String("http") || schema == QLatin1String("https") || schema == QLatin1String("mailto");
}

} // namespace RaccourciInternet

#include "Controles.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace Controles {

QLabel* etiquette(const QString& texte, const char* nom) { return nomme(new QLabel(texte), nom); }

QComboBox* liste(const char* nom, bool saisie)
{
    auto* c = nomme(new QComboBox, nom);
    c->setEditable(saisie);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(14);
    return c;
}

void decrire(QWidget* controle, const QString& bulle)
{
    controle->setToolTip(bulle);
    controle->setAccessibleDescription(bulle);
    if (auto* c = qobject_cast<QComboBox*>(controle); c && c->lineEdit())
        c->lineEdit()->setToolTip(bulle);
}

void nommerPourAccessibilite(QWidget* racine)
{
    for (QLabel* l : racine->findChildren<QLabel*>())
        if (l->buddy())
            l->buddy()->setAccessibleName(l->text());
    for (QAbstractButton* b : racine->findChildren<QAbstractButton*>())
        b->setAccessibleName(sansMnemonique(b->text()));
}

QString sansMnemonique(const QString& legende)
{
    QString texte;
    for (qsizetype i = 0; i < legende.size(); ++i) {
        if (legende[i] == QLatin1Char('&') && i + 1 < legende.size())
            ++i;
        texte += legende[i];
    }
    return texte;
}

} // namespace Controles

#include "FrmApropos.h"
#include "Dessins.h"
#include "base/Produit.h"
#include "platform/Controles.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString FrmApropos::Fabricant = QStringLiteral("Tavernix — 2005-2026");
const QString FrmApropos::SiteInternet = QStringLiteral("https://www.tavernix.example/zuta");
const QString FrmApropos::AdresseMail = QStringLiteral("zuta@tavernix.example");
const QString FrmApropos::Dedicace1 = QStringLiteral("À tous ceux qui découpent les recettes des magazines");
const QString FrmApropos::Dedicace2 = QStringLiteral("et ne les retrouvent jamais le jour venu.");

namespace {
QLabel* etiquette(const QString& texte, const QString& nom)
{
    auto* l = new QLabel(texte);
    l->setObjectName(nom);
    return l;
}

// An address that reacts to a click: drawn as a link, with the hand pointer,
// and reachable by the keyboard.
QLabel* lien(const QString& texte, const QString& nom, const QString& description)
{
    QLabel* l = etiquette(texte, nom);
    QFont police = l->font();
    police.setUnderline(true);
    l->setFont(police);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    l->setPalette(palette);
    l->setCursor(Qt::PointingHandCursor);
    l->setFocusPolicy(Qt::StrongFocus);
    l->setAccessibleName(texte);
    l->setAccessibleDescription(description);
    return l;
}
} // namespace

FrmApropos::FrmApropos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmApropos"));
    setWindowTitle(QStringLiteral("A propos de..."));
    creerControles();
    disposer();
}

void FrmApropos::creerControles()
{
    LabelApropos[0] = etiquette(Produit::Version, QStringLiteral("LabelApropos(0)"));
    QFont titre = LabelApropos[0]->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.6);
    LabelApropos[0]->setFont(titre);
    LabelApropos[1] = etiquette(Fabricant, QStringLiteral("LabelApropos(1)"));
    Label4 = etiquette(QStringLiteral("Site internet : "), QStringLiteral("Label4"));
    LabelUrl = lien(SiteInternet, QStringLiteral("LabelUrl"), QStringLiteral("Ouvrir le site internet"));
    Label2 = etiquette(QStringLiteral("Adresse mail :"), QStringLiteral("Label2"));
    Label3 = lien(AdresseMail, QStringLiteral("Label3"), QStringLiteral("Écrire un message"));
    Label1 = etiquette(Dedicace1, QStringLiteral("Label1"));
    Label5 = etiquette(Dedicace2, QStringLiteral("Label5"));
    for (QLabel* l : {Label1, Label5}) {
        QFont police = l->font();
        police.setItalic(true);
        l->setFont(police);
    }
    Image1 = etiquette(QString(), QStringLiteral("Image1"));
    Image1->setPixmap(Dessins::marmite(96));
    Image1->setAccessibleName(QStringLiteral("Une marmite fumante"));
    CheckInfoBulles = new QCheckBox(QStringLiteral("&Info-bulles visibles"));
    CheckInfoBulles->setObjectName(QStringLiteral("CheckInfoBulles"));
    CheckInfoBulles->setAccessibleName(Controles::sansMnemonique(CheckInfoBulles->text()));
    Command1 = new QPushButton(QStringLiteral("&OK"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(Controles::sansMnemonique(Command1->text()));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmApropos::disposer()
{
    auto* adresses = new QGridLayout;
    adresses->addWidget(Label4, 0, 0);
    adresses->addWidget(LabelUrl, 0, 1);
    adresses->addWidget(Label2, 1, 0);
    adresses->addWidget(Label3, 1, 1);
    adresses->setColumnStretch(1, 1);

    auto* textes = new QVBoxLayout;
    textes->addWidget(LabelApropos[0]);
    textes->addWidget(LabelApropos[1]);
    textes->addSpacing(10);
    textes->addLayout(adresses);
    textes->addSpacing(10);
    textes->addWidget(Label1);
    textes->addWidget(Label5);

    auto* haut = new QHBoxLayout;
    haut->addWidget(Image1, 0, Qt::AlignTop);
    haut->addSpacing(12);
    haut->addLayout(textes, 1);

    auto* bas = new QHBoxLayout;
    bas->addWidget(CheckInfoBulles);
    bas->addStretch(1);
    bas->addWidget(Command1);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addSpacing(12);
    tout->addLayout(bas);
    tout->setSizeConstraint(QLayout::SetFixedSize);
}

#include "PlateformeQt.h"
#include "Impression.h"
#include "ImpressionQt.h"
#include "OuvertureBureau.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace {
QMessageBox::Icon iconeQt(Plateforme::Icone icone)
{
    switch (icone) {
    case Plateforme::Icone::Question: return QMessageBox::Question;
    case Plateforme::Icone::Exclamation: return QMessageBox::Warning;
    case Plateforme::Icone::Information: return QMessageBox::Information;
    case Plateforme::Icone::Aucune: break;
    }
    return QMessageBox::NoIcon;
}

// "Bases Zuta! (*.don) | *.don" names its pattern twice; Qt wants "Name (*.don)".
QString filtreQt(const QString& filtre)
{
    const qsizetype barre = filtre.indexOf(QLatin1Char('|'));
    return (barre < 0 ? filtre : filtre.left(barre)).trimmed();
}

QString avecExtension(QString chemin, const QString& extensionDefaut)
{
    const QString extension = QString(extensionDefaut).remove(QLatin1Char('*'));
    if (!extension.isEmpty() && QFileInfo(chemin).suffix().isEmpty())
        chemin += extension;
    return chemin;
}
} // namespace

Plateforme::Reponse PlateformeQt::message(const QString& titre, const QString& texte, Boutons boutons, Icone icone)
{
    QMessageBox boite(iconeQt(icone), titre, texte, QMessageBox::NoButton, m_parent);
    switch (boutons) {
    case Boutons::OK: boite.setStandardButtons(QMessageBox::Ok); break;
    case Boutons::OuiNon: boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Boutons::OuiNonAnnuler:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Boutons::ReessayerAnnuler: boite.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    // Escape and the close button would otherwise press No or Cancel: a
    // hidden button of their own tells a dismissed box from an answer.
    QPushButton* fermer = boite.addButton(QMessageBox::Close);
    fermer->hide();
    boite.setEscapeButton(fermer);
    boite.exec();
    switch (boite.standardButton(boite.clickedButton())) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    case QMessageBox::Retry: return Reponse::Reessayer;
    case QMessageBox::Cancel: return Reponse::Annuler;
    case QMessageBox::Ok: return Reponse::OK;
    default: break;
    }
    return boutons == Boutons::OK ? Reponse::OK : Reponse::Fermee;
}

std::optional<int> PlateformeQt::choisir(const QString& titre, const QString& texte, const QStringList& options)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton*> boutons;
    for (const QString& option : options)
        boutons << boite.addButton(option, QMessageBox::AcceptRole);
    // Escape and the close button cancel, as "Annuler" does.
    boite.setEscapeButton(boite.addButton(QMessageBox::Cancel));
    if (!boutons.isEmpty())
        boite.setDefaultButton(qobject_cast<QPushButton*>(boutons.first()));
    boite.exec();
    const qsizetype choisi = boutons.indexOf(boite.clickedButton());
    if (choisi < 0)
        return std::nullopt;
    return static_cast<int>(choisi);
}

std::optional<QString> PlateformeQt::dialogueOuvrir(const DialogueFichier& d)
{
    const QString chemin = QFileDialog::getOpenFileName(m_parent, d.titre, d.dossierInitial, filtreQt(d.filtre));
    if (chemin.isEmpty())
        return std::nullopt;
    return chemin;
}

std::optional<QString> PlateformeQt::dialogueEnregistrer(const DialogueFichier& d)
{
    // The program asks its own overwrite question.
    const QString chemin = QFileDialog::getSaveFileName(m_parent, d.titre, d.dossierInitial, filtreQt(d.filtre),
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    if (chemin.isEmpty())
        return std::nullopt;
    return avecExtension(chemin, d.extensionDefaut);
}

std::unique_ptr<Impression> PlateformeQt::choisirImprimante(const QString& titre)
{
    // Choosing "print to file" in the dialog makes the printer write a PDF.
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialogue(imprimante.get(), m_parent);
    dialogue.setWindowTitle(titre);
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<ImpressionQt>(std::move(imprimante));
}

void PlateformeQt::apercu(const QString& titre, const std::function<void(Impression&)>& imprimer)
{
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintPreviewDialog dialogue(&imprimante, m_parent);
    dialogue.setWindowTitle(titre);
    if (m_parent)
        dialogue.resize(m_parent->size());
    QObject::connect(&dialogue, &QPrintPreviewDialog::paintRequested, [&imprimer](QPrinter* cible) {
        ImpressionQt impression(*cible);
        imprimer(impression);
    });
    dialogue.exec();
}

void PlateformeQt::ouvrir(const QString& cible, std::function<void()> siEchec)
{
    const bool adresse = cible.startsWith(QLatin1String("mailto:")) || cible.contains(QLatin1String("://"));
    OuvertureBureau::ouvrir(adresse ? QUrl(cible) : QUrl::fromLocalFile(cible), &m_ouvertures, std::move(siEchec));
}

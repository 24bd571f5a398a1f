#include "ChampsFiche.h"
#include "search/ListeTrouvee.h"
#include "RoutinesFiche.h"
#include "TexteFiche.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Commas would cut a bare name of the base file; double quotes would end a
// quoted text; "ÿ" separates a name from its slot in the found list.
const QString VirguleEtGuillemet = QStringLiteral(",\"");
const QString GuillemetEtSeparateur = QStringLiteral("\"") + SeparateurListeTrouvee;
const QString Guillemet = QStringLiteral("\"");

bool contientUnDe(const QString& texte, const QString& caracteres)
{
    for (QChar c : caracteres)
        if (texte.contains(c))
            return true;
    return false;
}

QString sans(QString texte, const QString& caracteres)
{
    for (QChar c : caracteres)
        texte.remove(c);
    return texte;
}

// Leaving for a drop-down list or another window is not leaving the field.
bool vraiChangementDeFocus(QEvent* evenement)
{
    const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
    return raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason;
}
} // namespace

ChampsFiche::ChampsFiche(Programme& programme, QObject* parent) : QObject(parent), p(programme) {}

void ChampsFiche::brancher()
{
    FrmPrincipal& f = *p.fen;
    for (QWidget* champ : {static_cast<QWidget*>(f.TextRecettNom), static_cast<QWidget*>(f.ComboRecettCat),
                           static_cast<QWidget*>(f.ComboRecettSousCat), static_cast<QWidget*>(f.ComboRecettMag),
                           static_cast<QWidget*>(f.TextRecettNumero), static_cast<QWidget*>(f.TextRecettPage),
                           static_cast<QWidget*>(f.TextRecettComment)})
        champ->installEventFilter(this);
    // A click lands on the notes' inner area.
    f.TextRecettComment->viewport()->installEventFilter(this);

    // Typing in a card list makes Enter validate the card. Only the user's
    // typing counts: the card's own filling changes nothing here.
    for (QComboBox* liste : {f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag})
        connect(liste->lineEdit(), &QLineEdit::textEdited, this, [this] { validerParDefaut(); });
    // Typing in the notes: Enter belongs to the notes. The card's own filling
    // blocks this signal.
    connect(f.TextRecettComment, &QPlainTextEdit::textChanged, this, [this] {
        if (p.fen->boutonParDefaut() == p.fen->CommandRecettValider)
            p.fen->definirBoutonParDefaut(nullptr);
    });
}

QString ChampsFiche::caracteresRefuses(QObject* champ) const
{
    const FrmPrincipal& f = *p.fen;
    if (champ == f.TextRecettNom)
        return GuillemetEtSeparateur;
    if (champ == f.TextRecettComment)
        return Guillemet;
    return VirguleEtGuillemet;
}

bool ChampsFiche::refuseSaisie(QObject* champ, QEvent* evenement) const
{
    const QString refuses = caracteresRefuses(champ);
    if (evenement->type() == QEvent::KeyPress)
        return contientUnDe(static_cast<QKeyEvent*>(evenement)->text(), refuses);
    // Letters composed through an input method arrive as a committed text.
    auto* composition = static_cast<QInputMethodEvent*>(evenement);
    if (contientUnDe(composition->commitString(), refuses))
        composition->setCommitString(sans(composition->commitString(), refuses), composition->replacementStart(),
                                     composition->replacementLength());
    return false;
}

bool ChampsFiche::eventFilter(QObject* objet, QEvent* evenement)
{
    FrmPrincipal& f = *p.fen;
    QObject* champ = objet == f.TextRecettComment->viewport() ? f.TextRecettComment : objet;
    switch (evenement->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        return refuseSaisie(champ, evenement);
    case QEvent::FocusIn:
        if (vraiChangementDeFocus(evenement))
            entree(champ);
        break;
    case QEvent::FocusOut:
        if (vraiChangementDeFocus(evenement))
            sortie(champ);
        break;
    case QEvent::MouseButtonPress:
        clic(champ);
        break;
    default:
        break;
    }
    return false;
}

void ChampsFiche::validerParDefaut()
{
    p.fen->definirBoutonParDefaut(p.fen->CommandRecettValider);
}

void ChampsFiche::entree(QObject* champ)
{
    FrmPrincipal& f = *p.fen;
    // Entering any other field of the card, with the mouse or the keyboard,
    // makes Enter validate the card, as entering a search field makes it search.
    if (champ == f.TextRecettComment)
        f.definirBoutonParDefaut(nullptr);  // Enter makes a new line in the notes
    else
        validerParDefaut();
}

void ChampsFiche::clic(QObject* champ)
{
    FrmPrincipal& f = *p.fen;
    if (champ == f.TextRecettComment)
        f.definirBoutonParDefaut(nullptr);
    else if (champ == f.TextRecettNom || champ == f.TextRecettNumero || champ == f.TextRecettPage)
        validerParDefaut();
}

void ChampsFiche::sortie(QObject* champ)
{
    FrmPrincipal& f = *p.fen;
    if (champ == f.ComboRecettCat)
        ComboRecettCat_LostFocus();
    else if (champ == f.ComboRecettSousCat)
        f.ComboRecettSousCat->setEditText(TexteFiche::sansBlancs(f.ComboRecettSousCat->currentText()));
    else if (champ == f.ComboRecettMag)
        f.ComboRecettMag->setEditText(TexteFiche::sansBlancs(f.ComboRecettMag->currentText()));
    else if (champ == f.TextRecettNom)
        TextRecettNom_LostFocus();
    else if (champ == f.TextRecettNumero)
        TextRecettNumero_LostFocus();
    else if (champ == f.TextRecettPage)
        TextRecettPage_LostFocus();
    else if (champ == f.TextRecettComment)
        TextRecettComment_LostFocus();
}

void ChampsFiche::ComboRecettCat_LostFocus()
{
    FrmPrincipal& f = *p.fen;
    f.ComboRecettCat->setEditText(TexteFiche::sansBlancs(f.ComboRecettCat->currentText()));
    const QString sousCategorie = f.ComboRecettSousCat->currentText();
    p.fiche.RemplirSousCatFiche();
    f.ComboRecettSousCat->setEditText(sousCategorie);
}

namespace {
void tailler(QLineEdit* champ, QString& tampon)
{
    const QString texte = TexteFiche::sansBlancs(champ->text());
    if (texte != champ->text())
        champ->setText(texte);
    tampon = texte;
}
} // namespace

void ChampsFiche::TextRecettNom_LostFocus()
{
    tailler(p.fen->TextRecettNom, p.etat.RecettNom);
}

void ChampsFiche::TextRecettNumero_LostFocus()
{
    tailler(p.fen->TextRecettNumero, p.etat.RecettNum);
}

void ChampsFiche::TextRecettPage_LostFocus()
{
    tailler(p.fen->TextRecettPage, p.etat.RecettPage);
}

void ChampsFiche::TextRecettComment_LostFocus()
{
    validerParDefaut();
    p.etat.RecettNotes = RoutinesFiche::notesDuChamp(*p.fen);
}

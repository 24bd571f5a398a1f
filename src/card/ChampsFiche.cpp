#include "ChampsFiche.h"
#include "CompletionNoms.h"
#include "base/ListeTrouvee.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"
#include "platform/BoutonParDefaut.h"
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
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

ChampsFiche::ChampsFiche(const Champs& champs, BoutonParDefaut& parDefaut, QObject* parent)
    : QObject(parent), m_c(champs), m_parDefaut(parDefaut)
{
    for (QWidget* champ :
         {static_cast<QWidget*>(m_c.nom), static_cast<QWidget*>(m_c.categorie),
          static_cast<QWidget*>(m_c.sousCategorie), static_cast<QWidget*>(m_c.magazine),
          static_cast<QWidget*>(m_c.numero), static_cast<QWidget*>(m_c.page), static_cast<QWidget*>(m_c.notes)})
        champ->installEventFilter(this);
    // A click lands on the notes' inner area.
    m_c.notes->viewport()->installEventFilter(this);

    // The card's lists offer the names that start with what is typed, in a
    // popup; the typed text itself is never completed inline, which would
    // store another name than the user's. Typing in them makes Enter validate
    // the card; only the user's typing counts, the card's own filling changes
    // nothing here.
    for (QComboBox* liste : {m_c.categorie, m_c.sousCategorie, m_c.magazine}) {
        new CompletionNoms(liste);
        connect(liste->lineEdit(), &QLineEdit::textEdited, this, [this] { validerParDefaut(); });
    }
    // Typing in the notes: Enter belongs to the notes. The card's own filling
    // blocks this signal.
    connect(m_c.notes, &QPlainTextEdit::textChanged, this, [this] {
        if (m_parDefaut.bouton() == m_c.valider)
            m_parDefaut.definir(nullptr);
    });
}

QString ChampsFiche::notesPourBase() const
{
    // The raw text keeps non-breaking spaces, which the plain text would
    // turn into ordinary blanks.
    return TexteFiche::notesPourBase(m_c.notes->document()->toRawText());
}

QString ChampsFiche::caracteresRefuses(QObject* champ) const
{
    using TexteFiche::Champ;
    if (champ == m_c.nom)
        return TexteFiche::caracteresRefuses(Champ::Nom);
    if (champ == m_c.notes)
        return TexteFiche::caracteresRefuses(Champ::Notes);
    return TexteFiche::caracteresRefuses(Champ::Categorie);
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
    QObject* champ = objet == m_c.notes->viewport() ? m_c.notes : objet;
    switch (evenement->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod: return refuseSaisie(champ, evenement);
    case QEvent::FocusIn:
        if (vraiChangementDeFocus(evenement))
            entree(champ);
        break;
    case QEvent::FocusOut:
        if (vraiChangementDeFocus(evenement))
            sortie(champ);
        break;
    case QEvent::MouseButtonPress: clic(champ); break;
    default: break;
    }
    return false;
}

void ChampsFiche::validerParDefaut() { m_parDefaut.definir(m_c.valider); }

void ChampsFiche::entree(QObject* champ)
{
    // Entering any other field of the card, with the mouse or the keyboard,
    // makes Enter validate the card, as entering a search field makes it search.
    if (champ == m_c.notes)
        m_parDefaut.definir(nullptr); // Enter makes a new line in the notes
    else
        validerParDefaut();
}

void ChampsFiche::clic(QObject* champ)
{
    if (champ == m_c.notes)
        m_parDefaut.definir(nullptr);
    else if (champ == m_c.nom || champ == m_c.numero || champ == m_c.page)
        validerParDefaut();
}

void ChampsFiche::sortie(QObject* champ)
{
    // Blanks at either end are trimmed; leaving the notes makes Enter
    // validate the card again.
    if (auto* liste = qobject_cast<QComboBox*>(champ)) {
        liste->setEditText(Texte::sansBlancs(liste->currentText()));
    } else if (auto* ligne = qobject_cast<QLineEdit*>(champ)) {
        const QString texte = Texte::sansBlancs(ligne->text());
        if (texte != ligne->text())
            ligne->setText(texte);
    } else if (champ == m_c.notes) {
        validerParDefaut();
    } else {
        return;
    }
    emit quitte(champ);
}

#include "VueRecettes.h"
#include "ModeleTrouvees.h"
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>

VueRecettes::VueRecettes(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setShowGrid(false);
    setAlternatingRowColors(true);
    // Rows of one height: a full base of 33,000 rows costs nothing to lay out.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* entete = horizontalHeader();
    entete->setSectionsMovable(true);
    entete->setHighlightSections(false);
    entete->setSortIndicatorShown(true);
    // Until the user chooses a column, the rows keep the found list's order.
    entete->setSortIndicator(-1, Qt::AscendingOrder);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(entete)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& ou) { menuTri(w->mapToGlobal(ou)); });
    }
    connect(this, &QAbstractItemView::doubleClicked, this, &VueRecettes::rangeeOuverte);
}

void VueRecettes::definirModele(ModeleTrouvees* modele)
{
    m_modele = modele;
    setModel(modele);
    colonnesParDefaut();
    setSortingEnabled(true);
}

void VueRecettes::colonnesParDefaut()
{
    QHeaderView* entete = horizontalHeader();
    for (int visuel = 0; visuel < ModeleTrouvees::NbColonnes; ++visuel)
        entete->moveSection(entete->visualIndex(visuel), visuel);
    entete->setSectionResizeMode(QHeaderView::Interactive);
    entete->setSectionResizeMode(ModeleTrouvees::Nom, QHeaderView::Stretch);
    const int car = fontMetrics().averageCharWidth();
    const int largeurs[ModeleTrouvees::NbColonnes] = {0, 16, 6, 7, 13, 13, 6};
    for (int c = ModeleTrouvees::Magazine; c < ModeleTrouvees::NbColonnes; ++c)
        entete->resizeSection(c, largeurs[c] * car + 12);
    entete->setSortIndicator(-1, Qt::AscendingOrder);
}

QByteArray VueRecettes::etatColonnes() const { return horizontalHeader()->saveState(); }

void VueRecettes::restaurerColonnes(const QByteArray& etat)
{
    QHeaderView* entete = horizontalHeader();
    const bool lu = !etat.isEmpty() && entete->restoreState(etat) && entete->count() == ModeleTrouvees::NbColonnes
        && entete->hiddenSectionCount() == 0 && entete->sortIndicatorSection() < ModeleTrouvees::NbColonnes;
    if (!lu)
        colonnesParDefaut();
    // A column shrunk to nothing would be lost to the user.
    for (int c = 0; c < ModeleTrouvees::NbColonnes; ++c)
        if (entete->sectionSize(c) < entete->minimumSectionSize())
            entete->resizeSection(c, entete->defaultSectionSize());
    sortByColumn(entete->sortIndicatorSection(), entete->sortIndicatorOrder());
}

void VueRecettes::keyboardSearch(const QString& recherche)
{
    // Typed letters look for a name, whatever the column the keyboard is in.
    const QModelIndex courant = currentIndex();
    if (courant.isValid() && courant.column() != ModeleTrouvees::Nom)
        selectionModel()->setCurrentIndex(courant.siblingAtColumn(ModeleTrouvees::Nom), QItemSelectionModel::NoUpdate);
    QTableView::keyboardSearch(recherche);
}

void VueRecettes::keyPressEvent(QKeyEvent* evenement)
{
    // Enter takes the user to the card of the row, never to the window's
    // default button, whose refresh would empty the card at once.
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        if (currentIndex().isValid())
            emit rangeeOuverte();
        evenement->accept();
        return;
    }
    QTableView::keyPressEvent(evenement);
}

bool VueRecettes::coupee(const QModelIndex& index) const
{
    if (!m_modele)
        return false;
    const QFontMetrics mesure(font());
    for (int c = 0; c < ModeleTrouvees::NbColonnes; ++c) {
        const QString texte = m_modele->texte(index.row(), c);
        if (!texte.isEmpty() && mesure.horizontalAdvance(texte) + 8 > columnWidth(c))
            return true;
    }
    return false;
}

bool VueRecettes::viewportEvent(QEvent* evenement)
{
    if (evenement->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(evenement);
    // Over a row cut on screen, its whole line; elsewhere the list's own
    // tooltip, when tooltips are shown.
    const auto* aide = static_cast<QHelpEvent*>(evenement);
    const QModelIndex index = indexAt(aide->pos());
    if (index.isValid() && coupee(index))
        QToolTip::showText(aide->globalPos(), m_modele->rangeeEntiere(index.row()), viewport(), visualRect(index));
    else if (!toolTip().isEmpty())
        QToolTip::showText(aide->globalPos(), toolTip(), this);
    else
        QToolTip::hideText();
    return true;
}

void VueRecettes::menuTri(const QPoint& ou)
{
    // The keyboard's way to the headers: each column sorts as a click on its
    // header does, again to reverse it.
    QMenu menu(this);
    const QHeaderView* entete = horizontalHeader();
    for (int visuel = 0; visuel < ModeleTrouvees::NbColonnes; ++visuel) {
        const int colonne = entete->logicalIndex(visuel);
        QAction* action = menu.addAction(QStringLiteral("Trier par « %1 »").arg(ModeleTrouvees::entete(colonne)));
        action->setCheckable(true);
        action->setChecked(entete->sortIndicatorSection() == colonne);
        connect(action, &QAction::triggered, this, [this, colonne] {
            const QHeaderView* h = horizontalHeader();
            const bool inverse = h->sortIndicatorSection() == colonne && h->sortIndicatorOrder() == Qt::AscendingOrder;
            sortByColumn(colonne, inverse ? Qt::DescendingOrder : Qt::AscendingOrder);
        });
    }
    menu.exec(ou);
}

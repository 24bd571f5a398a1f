#include "FrmSauvegarde.h"
#include "platform/Controles.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A closed book with a bookmark: the program keeps an index of recipes.
QPixmap dessinerLivre()
{
    QPixmap image(40, 40);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 50, 20), 2));
    p.setBrush(QColor(190, 110, 50));
    p.drawRoundedRect(QRectF(7, 4, 26, 32), 3, 3);
    p.setBrush(QColor(250, 240, 215));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(11, 8, 18, 24));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int y = 13; y <= 27; y += 4)
        p.drawLine(QPointF(14, y), QPointF(26, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    const QPointF marque[] = {{23, 2}, {28, 2}, {28, 14}, {25.5, 11}, {23, 14}};
    p.drawPolygon(marque, 5);
    return image;
}
} // namespace

FrmSauvegarde::FrmSauvegarde(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmSauvegarde"));
    setAttribute(Qt::WA_QuitOnClose, false);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(dessinerLivre());
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    CommandAnnuler = Controles::nomme(new QPushButton(QStringLiteral("&Annuler")), "CommandAnnuler");
    Controles::decrire(CommandAnnuler, QStringLiteral("Arrêter l'impression"));
    CommandAnnuler->setAccessibleName(QStringLiteral("Annuler"));
    CommandAnnuler->hide();
    connect(CommandAnnuler, &QPushButton::clicked, this, [this] { m_annulee = true; });
    auto* textes = new QVBoxLayout;
    textes->addWidget(Label1);
    textes->addWidget(Label2);
    textes->addWidget(CommandAnnuler, 0, Qt::AlignRight);
    auto* disposition = new QHBoxLayout(this);
    // The window is sized once per text; no size hints to pass on.
    disposition->setSizeConstraint(QLayout::SetNoConstraint);
    disposition->setContentsMargins(16, 12, 24, 12);
    disposition->setSpacing(14);
    disposition->addWidget(Image1);
    disposition->addLayout(textes, 1);
    preparer(QStringLiteral("Zuta! / Enregistrement base"), QStringLiteral("Sauvegarde des données en cours..."));
}

void FrmSauvegarde::preparer(const QString& titre, const QString& texte)
{
    setWindowTitle(titre);
    Label1->setText(texte);
    setAccessibleName(titre);
    Label1->setAccessibleName(texte);
    resize(std::max(300, sizeHint().width()), sizeHint().height());
}

void FrmSauvegarde::avancer(const QString& etape)
{
    Label2->setText(etape);
    Label2->setAccessibleName(etape);
    Label2->show();
    // A printout reports a page every few milliseconds: painting each one
    // would slow it down, and no eye could read them.
    if (m_dernierDessin.isValid() && m_dernierDessin.elapsed() < IntervalleDessinMs)
        return;
    m_dernierDessin.start();
    Label2->repaint();
    QCoreApplication::processEvents(m_annulable ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void FrmSauvegarde::centrerSur(const QRect& cadre)
{
    move(cadre.left() + (cadre.width() - width()) / 2, cadre.top() + (cadre.height() - height()) / 2);
}

void FrmSauvegarde::proposerAnnulation()
{
    m_annulable = true;
    // Modal, the other windows take no click, key or close meanwhile.
    setWindowModality(Qt::ApplicationModal);
    CommandAnnuler->show();
    resize(std::max(300, sizeHint().width()), sizeHint().height());
}

void FrmSauvegarde::keyPressEvent(QKeyEvent* event)
{
    if (m_annulable && event->key() == Qt::Key_Escape) {
        CommandAnnuler->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Closing it (Alt+F4) stops the operation it offers to stop.
void FrmSauvegarde::closeEvent(QCloseEvent* event)
{
    if (!m_annulable)
        return QWidget::closeEvent(event);
    event->ignore();
    CommandAnnuler->click();
}

void FrmSauvegarde::montrer()
{
    show();
    if (m_annulable)
        activateWindow(); // for Escape and Alt+A
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

#pragma once
#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// The About window: product, maker, web and mail addresses, a dedication and
// the tooltip switch. It holds no logic: the window routines connect its
// handlers and show it modally.
class FrmApropos : public QDialog {
    Q_OBJECT
public:
    explicit FrmApropos(QWidget* parent);

    static const QString Fabricant;
    static const QString SiteInternet;
    static const QString AdresseMail;
    static const QString Dedicace1;
    static const QString Dedicace2;

    std::array<QLabel*, 2> LabelApropos; // the product and version, then the maker
    QLabel* Label4;                      // "Site internet : "
    QLabel* LabelUrl;                    // the web address: a click opens the maker's site
    QLabel* Label2;                      // "Adresse mail :"
    QLabel* Label3;                      // the mail address: a click starts a new mail
    QLabel* Label1;                      // the dedication, first part
    QLabel* Label5;                      // and second part
    QLabel* Image1;
    QCheckBox* CheckInfoBulles;
    QPushButton* Command1;

private:
    void creerControles();
    void disposer();
};

#include <QTest>

class TestFichiers : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestFichiers)
#include "tst_fichiers.moc"

#include <QTest>

class TestStockage : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestStockage)
#include "tst_stockage.moc"

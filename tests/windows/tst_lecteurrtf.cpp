#include <QTest>

class TestLecteurrtf : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestLecteurrtf)
#include "tst_lecteurrtf.moc"

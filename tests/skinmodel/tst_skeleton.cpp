#include <QtTest>
#include "skinmodel/skinmodel.h"

class TestSkeleton : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty() { SkinModel model; QVERIFY(model.windows.isEmpty()); }
};

QTEST_GUILESS_MAIN(TestSkeleton)
#include "tst_skeleton.moc"

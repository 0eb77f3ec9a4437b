#include "TestMain.h"
class T : public QObject { Q_OBJECT };
TRAVONIX_TEST_MAIN(T)
#include "test_startup.moc"

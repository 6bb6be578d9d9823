#include "TestCatalogue.h"

#include <QTest>

QTEST_MAIN(TestCatalogue)

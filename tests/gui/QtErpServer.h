#pragma once
// QtTest's form of REQUIRE_ERP_SERVER: skip without the private server, fail when scripts/test
// requires it.
#include <QTest>
#include <string>

#include "support/ErpDatabase.h"

#define QT_REQUIRE_ERP_SERVER()                       \
  do {                                                \
    std::string why;                                  \
    if (!ErpServerAvailable(&why)) {                  \
      if (ErpServerRequired()) QFAIL(why.c_str());    \
      QSKIP(why.c_str());                             \
    }                                                 \
  } while (0)

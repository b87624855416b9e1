#pragma once

#include <QString>

// The files in tests/testdata, found through QUILLET_TEST_DATA (ctest sets it).
namespace TestData {

QString file(const char *name);

// Empty when the folder is there; else what is wrong, for initTestCase to
// fail with before any test opens a file that is not there.
QString problem();

} // namespace TestData

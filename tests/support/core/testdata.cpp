#include "support/core/testdata.h"

#include <QDir>
#include <QFileInfo>

namespace TestData {

QString file(const char *name)
{
    return QDir(qEnvironmentVariable("QUILLET_TEST_DATA")).filePath(QLatin1String(name));
}

QString problem()
{
    const QString folder = qEnvironmentVariable("QUILLET_TEST_DATA");
    if (folder.isEmpty())
        return QStringLiteral("QUILLET_TEST_DATA is not set; run the tests through ctest, or set it to tests/testdata");
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("QUILLET_TEST_DATA names no folder: %1").arg(folder);
    return QString();
}

} // namespace TestData

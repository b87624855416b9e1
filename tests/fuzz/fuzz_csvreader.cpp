#include "services/csvmapping.h"
#include "services/csvreader.h"
#include "services/textdecoding.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextDecoding::decode(bytes);
    const CsvTable table = CsvReader::parse(text);
    const CsvMapping mapping = CsvConverter::guessMapping(table);
    const CsvConversion converted = CsvConverter::convert(table, mapping, 0);
    if (converted.transactions.size() + converted.unparseable > table.rows.size())
        __builtin_trap();
    for (const QStringList &row : table.rows) {
        for (const QString &cell : row) {
            qint64 amount = 0;
            CsvConverter::parseAmount(cell, 5, &amount);
            for (const QString &format : CsvConverter::dateFormats())
                CsvConverter::parseDate(cell, format);
        }
    }
    return 0;
}

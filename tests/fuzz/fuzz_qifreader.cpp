#include "services/qifreader.h"
#include "services/textdecoding.h"

#include <QByteArray>

#include <cstdint>

// Whatever the bytes, the reader returns, and what it returns is consistent:
// every kept record has a date, and the source accounts add up to the records.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextDecoding::decode(bytes);
    for (const int order : {int(QifReader::DetectOrder), int(QifReader::DayFirst)}) {
        const QifParseResult result = QifReader::parse(text, order);
        int records = 0;
        for (const SourceAccount &source : result.sourceAccounts)
            records += source.records;
        if (records != result.transactions.size() || result.metadataCount < 0 || result.unparseableCount < 0)
            __builtin_trap();
        for (const ParsedTransaction &t : result.transactions) {
            if (!t.date.isValid())
                __builtin_trap();
        }
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        qint64 cents = 0;
        QifReader::parseAmount(line, &cents);
        QifReader::parseDate(line, QifReader::DetectOrder);
    }
    return 0;
}

#include "services/ofxreader.h"
#include "services/ofxtext.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>

#include <cstdint>

// Whatever the bytes: the text handed to libofx is put right the same way
// twice (a second pass changes nothing), and what the reader returns is
// consistent: every row has a date and an amount within 2^53 minor units,
// belongs to a listed account, and the accounts' counts add up to the rows.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray once = OfxText::normalized(bytes);
    if (OfxText::normalized(once) != once)
        __builtin_trap();
    OfxText::isTruncated(bytes);
    OfxText::endsInsideRow(bytes);

    const OfxParseResult result = OfxReader::parse(bytes);
    if (!result.readable)
        return 0;
    QSet<QString> keys;
    int records = 0;
    for (const StatementAccount &a : result.accounts) {
        keys.insert(a.key);
        records += a.records;
        if (a.currency < 0 || (a.records > 0 && (!a.firstDate.isValid() || a.firstDate > a.lastDate)))
            __builtin_trap();
        if (result.truncated && a.hasLedgerBalance)
            __builtin_trap();
    }
    if (records != result.transactions.size() || keys.size() != result.accounts.size() || result.unparseableCount < 0)
        __builtin_trap();
    constexpr qint64 kMaxExact = qint64(1) << 53;
    for (const ParsedTransaction &t : result.transactions) {
        if (!t.date.isValid() || t.amount > kMaxExact || t.amount < -kMaxExact || !keys.contains(t.sourceAccount))
            __builtin_trap();
    }
    return 0;
}

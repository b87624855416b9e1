// An OFX download of 100,000 rows against a QIF file of the very same rows,
// each read and imported into one account of a fresh store.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"
#include "services/importservice.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <memory>

namespace {

constexpr int kRows = 100000;

struct Row {
    QDate date;
    qint64 cents = 0;
    QString payee;
    QString memo;
    QString number;
};

QList<Row> makeRows(int count)
{
    QRandomGenerator random(20240615);
    QList<Row> rows;
    rows.reserve(count);
    const QDate start(2000, 1, 1);
    for (int i = 0; i < count; ++i) {
        Row r;
        r.date = start.addDays(random.bounded(9000));
        r.cents = qint64(random.bounded(1, 500000)) * (random.bounded(10) == 0 ? 1 : -1);
        r.payee = QStringLiteral("Payee %1").arg(random.bounded(300));
        r.memo = QStringLiteral("Memo %1").arg(i);
        if (random.bounded(20) == 0)
            r.number = QString::number(1000 + i);
        rows.append(r);
    }
    return rows;
}

void writeBoth(const QList<Row> &rows, const QString &qifPath, const QString &ofxPath)
{
    QString qif = QStringLiteral("!Account\nNChecking\nTBank\n^\n!Type:Bank\n");
    QString ofx = QStringLiteral(
        "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\n"
        "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO"
        "</STATUS><DTSERVER>20250101<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS>"
        "<CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>121000248<ACCTID>000123456789"
        "<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20000101<DTEND>20241231\n");
    int fitid = 0;
    for (const Row &r : rows) {
        qif += QStringLiteral("D%1\nT%2\nP%3\nM%4\nCX\n").arg(r.date.toString(QStringLiteral("MM/dd/yyyy")),
                                                               amountText(r.cents), r.payee, r.memo);
        if (!r.number.isEmpty())
            qif += QStringLiteral("N%1\n").arg(r.number);
        qif += QStringLiteral("^\n");
        ofx += QStringLiteral("<STMTTRN>\n<TRNTYPE>") + (r.cents < 0 ? QStringLiteral("DEBIT") : QStringLiteral("CREDIT"))
            + QStringLiteral("\n<DTPOSTED>") + r.date.toString(QStringLiteral("yyyyMMdd"))
            + QStringLiteral("120000.000[-5:EST]\n<TRNAMT>") + amountText(r.cents) + QStringLiteral("\n<FITID>")
            + QStringLiteral("2024%1").arg(++fitid, 8, 10, QLatin1Char('0')) + QLatin1Char('\n');
        if (!r.number.isEmpty())
            ofx += QStringLiteral("<CHECKNUM>%1\n").arg(r.number);
        ofx += QStringLiteral("<NAME>%1\n<MEMO>%2\n</STMTTRN>\n").arg(r.payee, r.memo);
    }
    ofx += QStringLiteral("</BANKTRANLIST><LEDGERBAL><BALAMT>0.00<DTASOF>20241231</LEDGERBAL></STMTRS></STMTTRNRS>"
                          "</BANKMSGSRSV1></OFX>\n");
    for (const auto &[path, text] : {std::pair{qifPath, qif}, std::pair{ofxPath, ofx}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
            qFatal("bench: cannot write %s", qPrintable(path));
    }
}

// A fresh store with one checking account; its id in accountId.
std::unique_ptr<BenchStore> freshStore(const QString &path, QString *accountId)
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    auto store = std::make_unique<BenchStore>(path);
    const Account account = ImportService::accountForSource(QStringLiteral("Checking"), QifReader::Bank, 0);
    store->accounts->insert(account);
    *accountId = account.id;
    return store;
}

void run(const BenchOptions &options, QTextStream &out)
{
    if (!OfxReader::isAvailable()) {
        out << "built without libofx: nothing to measure\n";
        return;
    }
    const int count = std::max(10, int(kRows * options.scale));
    const QString qifPath = QDir(options.workDir).filePath(QStringLiteral("ofx-bench.qif"));
    const QString ofxPath = QDir(options.workDir).filePath(QStringLiteral("ofx-bench.ofx"));
    const QString dbPath = QDir(options.workDir).filePath(QStringLiteral("ofx-bench.db"));
    writeBoth(makeRows(count), qifPath, ofxPath);

    std::unique_ptr<BenchStore> store;
    QString account;
    const auto fresh = [&]() {
        store.reset();  // one connection at a time
        store = freshStore(dbPath, &account);
    };
    // The mapping key of the file's one statement; empty when it was not read.
    const auto keyOf = [&ofxPath](const ImportFile &file) {
        return file.statements.isEmpty() ? QString() : ImportService::sourceKey(file.statements.first().key, ofxPath);
    };
    ImportResult qifResult;
    QList<double> qifCpu;
    const double qif = medianMs(options.repeats, [&]() {
        const double cpu = processCpuMs();
        qifResult = store->services->import()->importQif({qifPath}, {{QStringLiteral("checking"), account}});
        qifCpu.append(processCpuMs() - cpu);
    }, fresh);
    ImportResult ofxResult;
    QList<double> ofxReads;
    QList<double> ofxReadCpu;
    QList<double> ofxCpu;
    const double ofx = medianMs(options.repeats, [&]() {
        const double cpu = processCpuMs();
        ImportFile file;
        ofxReads.append(timeMs([&]() { file = ImportService::readOfx(ofxPath); }));
        ofxReadCpu.append(processCpuMs() - cpu);
        ofxResult = store->services->import()->importFiles({file}, {{keyOf(file), account}});
        ofxCpu.append(processCpuMs() - cpu);
    }, fresh);
    QList<double> qifReadCpu;
    // Reading alone, for the split between the parse and the writes.
    const double qifRead = medianMs(options.repeats, [&]() {
        const double cpu = processCpuMs();
        ImportService::readQif(qifPath);
        qifReadCpu.append(processCpuMs() - cpu);
    });
    // The same download again: every row a duplicate by its FITID.
    double again = 0;
    {
        fresh();
        const ImportFile file = ImportService::readOfx(ofxPath);
        const QString key = keyOf(file);
        store->services->import()->importFiles({file}, {{key, account}});
        ImportResult second;
        again = medianMs(options.repeats, [&]() {
            second = store->services->import()->importFiles({ImportService::readOfx(ofxPath)}, {{key, account}});
        });
        if (second.duplicates != count)
            out << "  second import: " << second.imported << " imported, expected none\n";
    }
    store.reset();
    out << "rows: " << count << " in one account\n";
    out << "  baseline, QIF file of the same rows read and imported: " << qRound64(qif) << " ms (imported "
        << qifResult.imported << ")\n";
    out << "  OFX file read through libofx and imported, FITIDs kept: " << qRound64(ofx) << " ms, ratio "
        << ratioText(ofx, qif) << " (at most 1.50x; imported " << ofxResult.imported << ")\n";
    const double ofxRead = median(ofxReads);
    out << "    of which reading: QIF " << qRound64(qifRead) << " ms, OFX " << qRound64(ofxRead)
        << " ms; importing the rows read: QIF " << qRound64(qif - qifRead) << " ms, OFX " << qRound64(ofx - ofxRead)
        << " ms, ratio " << ratioText(ofx - ofxRead, qif - qifRead) << "\n";
    out << "    CPU time: QIF " << qRound64(median(qifCpu)) << " ms, OFX " << qRound64(median(ofxCpu)) << " ms, ratio "
        << ratioText(median(ofxCpu), median(qifCpu)) << "; reading: QIF " << qRound64(median(qifReadCpu)) << " ms, OFX "
        << qRound64(median(ofxReadCpu)) << " ms; importing the rows read: ratio "
        << ratioText(median(ofxCpu) - median(ofxReadCpu), median(qifCpu) - median(qifReadCpu)) << "\n";
    out << "  the same OFX file again, every row a duplicate: " << qRound64(again) << " ms, ratio "
        << ratioText(again, qif) << "\n";
    if (!options.keep) {
        QFile::remove(qifPath);
        QFile::remove(ofxPath);
    }
}

const BenchScenario::Registrar registrar("import-ofx",
                                         "OFX import of 100,000 rows against the QIF import of the same rows", run);

} // namespace

// The search, reconcile and payee screens over one large store, each against
// the bare work underneath it measured in the same run. The store is kept in
// the work directory and reused by later runs with the same --dir and --scale.
#include "bench/generator.h"
#include "bench/scenario.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/prompt.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/searchscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QKeyEvent>
#include <QLabel>

namespace {

const QString kReconcileAccount = QStringLiteral("Reconcile Checking");
const QString kRenamePayee = QStringLiteral("Harbor Freight Lines");
const QString kRenamedPayee = QStringLiteral("Harbor Freight Co");
const QString kStoreKey = QStringLiteral("benchScreensStore");

struct Sizes {
    int total;         // transactions in the store
    int unreconciled;  // in the reconcile account, none reconciled
    int renameRows;    // rows bearing kRenamePayee
};

Sizes sizesFor(const BenchOptions &o)
{
    return {std::max(5000, int(1000000 * o.scale)), std::max(200, int(20000 * o.scale)),
            std::max(250, int(50000 * o.scale))};
}

QString sizesText(const Sizes &s)
{
    return QStringLiteral("%1/%2/%3").arg(s.total).arg(s.unreconciled).arg(s.renameRows);
}

void exec(QSqlQuery &q, const QString &sql, const QVariantList &binds = {})
{
    q.prepare(sql);
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds.at(i));
    if (!q.exec())
        qFatal("bench: %s failed: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

void generate(AppState &state, const Sizes &s, QTextStream &out)
{
    out << QStringLiteral("generating the screens store (%1 transactions); later runs reuse it\n").arg(s.total);
    out.flush();
    const QSqlDatabase db = state.database()->connection();
    StoreGenerator gen;
    const int generic = s.total - s.unreconciled;
    constexpr int kAccounts = 9;
    QStringList accounts;
    for (int a = 0; a < kAccounts; ++a) {
        accounts.append(gen.addAccount(db, QStringLiteral("Account %1").arg(a + 1)));
        gen.addTransactions(db, accounts.last(), generic / kAccounts + (a == 0 ? generic % kAccounts : 0));
    }
    const QString reconcile = gen.addAccount(db, kReconcileAccount);
    gen.addTransactions(db, reconcile, s.unreconciled);

    QSqlQuery q(db);
    exec(q, QStringLiteral("UPDATE transactions SET reconciled = 0 WHERE account_id = ?"), {reconcile});
    // One payee spread evenly over the other accounts' history.
    const int stride = std::max(1, generic / s.renameRows);
    exec(q,
         QStringLiteral("UPDATE transactions SET payee = ? WHERE rowid IN (SELECT rowid FROM transactions WHERE "
                        "account_id != ? AND rowid % %1 = 0 LIMIT %2)")
             .arg(stride)
             .arg(s.renameRows),
         {kRenamePayee, reconcile});
    exec(q, QStringLiteral("ANALYZE"));
    state.preferences()->set(kStoreKey, sizesText(s));
}

// Points the data directory at the screens store, generating it unless an
// earlier run left one of the same sizes.
void useStore(const BenchOptions &o, QTextStream &out)
{
    const Sizes sizes = sizesFor(o);
    const QString dir = QDir(o.workDir).filePath(QStringLiteral("screens-%1").arg(sizes.total));
    qputenv("QUILLET_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (state.initialize() && state.preferences()->get(kStoreKey, QString()) == sizesText(sizes)) {
            // A run stopped halfway through the rename may have left it renamed.
            QSqlQuery q(state.database()->connection());
            exec(q, QStringLiteral("UPDATE transactions SET payee = ? WHERE payee = ?"), {kRenamePayee, kRenamedPayee});
            return;
        }
    }
    QDir(dir).removeRecursively();
    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the store in %s", qPrintable(dir));
    generate(state, sizes, out);
}

void openState(AppState &state)
{
    if (!state.initialize())
        qFatal("bench: cannot open the screens store");
    Prompt::setTestMode(true);
}

QString accountNamed(AppState &state, const QString &name)
{
    for (const Account &a : state.accounts()->listLive()) {
        if (a.name == name)
            return a.id;
    }
    qFatal("bench: no account %s", qPrintable(name));
    return {};
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Space pressed and released on the widget, as the user checks a row.
void pressSpace(QWidget *w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

void printPaired(QTextStream &out, const QString &what, const Paired &p, double targetMs, const QString &baseline)
{
    out << QStringLiteral("%1: %2 ms (target < %3 ms), %4 %5 ms, ratio %6\n")
               .arg(what)
               .arg(p.ours, 0, 'f', 1)
               .arg(targetMs, 0, 'f', 0)
               .arg(baseline)
               .arg(p.base, 0, 'f', 1)
               .arg(ratioText(p.ours, p.base));
    out.flush();
}

double slowest(const QList<double> &samples)
{
    return samples.isEmpty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

// What the search box holds after each key of the words a user types.
QStringList typedTexts()
{
    QStringList texts;
    for (const QString &word : StoreGenerator::searchWords()) {
        for (int length = 1; length <= word.size(); ++length)
            texts.append(word.left(length));
    }
    texts.append(QStringLiteral("corner coffee"));
    texts.append(QStringLiteral("power & light"));
    // A word of punctuation alone is looked for outside the full-text index.
    texts.append(QStringLiteral("&"));
    return texts;
}

void searchKeystroke(const BenchOptions &o, QTextStream &out)
{
    useStore(o, out);
    AppState state;
    openState(state);
    SearchScreen screen(&state);
    screen.resize(800, 550);
    screen.show();
    settle();

    // Each text as typed: the box changes (which starts the pause), then the
    // pause ends and runs performSearch; ours is from there to the painted
    // results. The baseline is the repository's search for the same text.
    const QStringList texts = typedTexts();
    QList<double> ours;
    QList<double> base;
    int largest = 0;
    for (int round = 0; round < std::max(1, o.repeats / 2); ++round) {
        for (const QString &text : texts) {
            TransactionSearch filters;
            filters.text = text;
            base.append(timeMs([&] {
                largest = std::max(largest, int(state.transactions()->search(filters).size()));
            }));
            screen.searchEdit()->setText(text);
            ours.append(timeMs([&] {
                screen.performSearch();
                screen.grab();
            }));
        }
    }
    const Paired p{median(ours), median(base)};
    printPaired(out, QStringLiteral("search keystroke to results shown, %1 texts over %2 transactions (median)")
                         .arg(texts.size())
                         .arg(sizesFor(o).total),
                p, 100, QStringLiteral("bare repository search"));
    out << QStringLiteral("  slowest keystroke %1 ms, slowest bare search %2 ms; largest result %3 rows\n")
               .arg(slowest(ours), 0, 'f', 1)
               .arg(slowest(base), 0, 'f', 1)
               .arg(largest);

    // The same with an account chosen and "Cleared only" ticked.
    screen.accountCombo()->setCurrentIndex(3);
    screen.clearedOnlyCheck()->setChecked(true);
    ours.clear();
    base.clear();
    for (const QString &text : texts) {
        TransactionSearch filters;
        filters.text = text;
        filters.accountId = screen.accountCombo()->currentData().toString();
        filters.clearedOnly = true;
        base.append(timeMs([&] { state.transactions()->search(filters); }));
        screen.searchEdit()->setText(text);
        ours.append(timeMs([&] {
            screen.performSearch();
            screen.grab();
        }));
    }
    printPaired(out, QStringLiteral("  with an account and \"Cleared only\" (median)"), {median(ours), median(base)},
                100, QStringLiteral("bare repository search"));
    out << QStringLiteral("  slowest keystroke %1 ms, slowest bare search %2 ms\n")
               .arg(slowest(ours), 0, 'f', 1)
               .arg(slowest(base), 0, 'f', 1);
}

void reconcile(const BenchOptions &o, QTextStream &out)
{
    useStore(o, out);
    AppState state;
    openState(state);
    const QString account = accountNamed(state, kReconcileAccount);
    const QSqlDatabase db = state.database()->connection();

    int rows = 0;
    std::unique_ptr<ReconciliationScreen> screen;
    const Paired open = pairedMedians(
        o.repeats,
        [&] {
            screen->setAccount(account);
            screen->grab();
        },
        [&] { rows = bareTransactionQuery(db, QStringLiteral(" AND t.reconciled = 0"), account); },
        [&] {
            screen.reset();
            screen = std::make_unique<ReconciliationScreen>(&state);
            screen->resize(1100, 700);
            screen->show();
            settle();
        });
    printPaired(out, QStringLiteral("open reconcile (%1 unreconciled rows)").arg(rows), open, 500,
                QStringLiteral("bare unreconciled query"));

    // A toggle by key on the current row, then the window repainted; the
    // baseline repaints the same window without a toggle.
    QTableView *table = screen->table();
    table->setCurrentIndex(screen->model()->index(rows / 2, ReconciliationModel::PayeeColumn));
    QString before = screen->figureLabel(4)->text();
    bool changed = true;
    const Paired toggle = pairedMedians(
        o.repeats * 4,
        [&] {
            pressSpace(table);
            screen->grab();
            changed = changed && screen->figureLabel(4)->text() != before;
        },
        [&] { screen->grab(); }, [&] { before = screen->figureLabel(4)->text(); });
    printPaired(out, QStringLiteral("check toggle to figures shown"), toggle, 16,
                QStringLiteral("repaint alone"));
    const double figures = medianMs(o.repeats * 4, [&] { pressSpace(table); });
    out << QStringLiteral("  the toggle and figures alone, without painting: %1 ms; the figures followed every "
                          "toggle: %2\n")
               .arg(figures, 0, 'f', 3)
               .arg(changed ? QStringLiteral("yes") : QStringLiteral("NO"));
}

int bareRename(const QSqlDatabase &db, const QString &from, const QString &to)
{
    QSqlDatabase connection(db);
    connection.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = 'pending' WHERE "
                             "payee = ? AND deleted_at IS NULL"));
    q.addBindValue(to);
    q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    q.addBindValue(from);
    q.exec();
    const int rows = q.numRowsAffected();
    connection.commit();
    return rows;
}

void payeeRename(const BenchOptions &o, QTextStream &out)
{
    useStore(o, out);
    AppState state;
    openState(state);
    const QSqlDatabase db = state.database()->connection();

    PayeeScreen screen(&state);
    screen.resize(550, 500);
    const double listing = timeMs([&] {
        screen.show();
        settle();
    });

    // Ours renames through the screen (selection, "Rename to:", the button's
    // slot, the reloaded list); the bare statement renames it back.
    QList<double> ours;
    QList<double> base;
    int renamed = 0;
    int restored = 0;
    for (int i = 0; i < std::max(1, o.repeats); ++i) {
        const QList<QListWidgetItem *> items = screen.list()->findItems(kRenamePayee, Qt::MatchExactly);
        if (items.size() != 1)
            qFatal("bench: the payee to rename is not listed");
        screen.list()->clearSelection();
        items.first()->setSelected(true);
        screen.targetEdit()->setText(kRenamedPayee);
        Prompt::clear();
        ours.append(timeMs([&] {
            screen.onRename();
            settle();
        }));
        // "Renamed <n> transaction(s)."
        renamed = Prompt::records().isEmpty() ? -1
                                              : Prompt::records().last().text.section(QLatin1Char(' '), 1, 1).toInt();
        base.append(timeMs([&] { restored = bareRename(db, kRenamedPayee, kRenamePayee); }));
        screen.reload();
    }
    printPaired(out, QStringLiteral("rename a payee of %1 transactions through the payee screen").arg(restored),
                {median(ours), median(base)}, 2000, QStringLiteral("bare UPDATE in a transaction"));
    out << QStringLiteral("  the screen reported %1 renamed; listing the payees on opening took %2 ms\n")
               .arg(renamed)
               .arg(listing, 0, 'f', 1);
}

const BenchScenario::Registrar r1("search-keystroke",
                                  "search screen: the typing pause ending to results shown (vs the repository search)",
                                  searchKeystroke);
const BenchScenario::Registrar r2("reconcile",
                                  "reconcile screen: open 20,000 unreconciled rows, toggle a check (vs bare query, "
                                  "repaint)",
                                  reconcile);
const BenchScenario::Registrar r3("payee-rename",
                                  "payee screen: rename a payee of 50,000 rows (vs a bare UPDATE)", payeeRename);

} // namespace

// The shipped catalogues: every text of the program translated, with the same
// placeholders and keyboard accelerators as its source, and the default
// categories seeded in the language in force.

#include "data/categoryrepository.h"
#include "services/categoryservice.h"
#include "support/gui/testapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>


namespace {

struct Message
{
    QString context;
    QString source;
    QStringList translations;  // one per plural form, or one
    bool plural = false;
    bool unfinished = false;
};

QList<Message> readCatalogue(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), false};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (!m.plural)
                m.translations.append(xml.readElementText());
            else {
                while (xml.readNextStartElement())
                    m.translations.append(xml.readElementText());
            }
            messages.append(m);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The placeholders of a text, in sorted order: %1..%99, %L1, %n, %Ln.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// Counts the accelerator markers: an & before anything but another &.
int accelerators(const QString &text)
{
    int count = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else if (i + 1 < text.size() && !text.at(i + 1).isSpace())
            ++count;
    }
    return count;
}

QString catalogue(const QString &lang)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/resources/translations/quillet_%1.ts").arg(lang);
}

}  // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languages_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("pluralForms");
        QTest::newRow("es") << QStringLiteral("es") << 2;
        QTest::newRow("de") << QStringLiteral("de") << 2;
        QTest::newRow("fr") << QStringLiteral("fr") << 2;
        QTest::newRow("ja") << QStringLiteral("ja") << 1;
    }

    // Each message translated, with the source's placeholders and accelerator.
    void everyMessageMatchesItsSource_data() { languages_data(); }
    void everyMessageMatchesItsSource()
    {
        QFETCH(QString, lang);
        QFETCH(int, pluralForms);
        QString error;
        const QList<Message> messages = readCatalogue(catalogue(lang), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 500);
        QStringList faults;
        for (const Message &m : messages) {
            const QString where = m.context + QStringLiteral(" \"") + m.source + QLatin1Char('"');
            if (m.unfinished)
                faults.append(where + QStringLiteral(": unfinished"));
            if (m.translations.size() != (m.plural ? pluralForms : 1))
                faults.append(where + QStringLiteral(": %1 forms").arg(m.translations.size()));
            for (const QString &t : m.translations) {
                if (t.trimmed().isEmpty() && !m.source.trimmed().isEmpty())
                    faults.append(where + QStringLiteral(": empty"));
                else if (placeholders(t) != placeholders(m.source))
                    faults.append(where + QStringLiteral(": placeholders of \"%1\"").arg(t));
                else if (accelerators(t) != accelerators(m.source))
                    faults.append(where + QStringLiteral(": accelerator of \"%1\"").arg(t));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A text added to the program without a translation shows up as an
    // unfinished message when the catalogue is refreshed from the sources.
    // English carries only the plural forms of its texts.
    void noTextIsMissing_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("de") << QStringLiteral("de") << QStringList();
        QTest::newRow("en plurals") << QStringLiteral("en") << QStringList{QStringLiteral("-pluralonly")};
    }
    void noTextIsMissing()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("quillet_%1.ts").arg(lang));
        QVERIFY(QFile::copy(catalogue(lang), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(QUILLET_SOURCE_DIR));
        lupdate.start(QStringLiteral(QUILLET_LUPDATE),
                      options
                          + QStringList{QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                                        QStringLiteral("-locations"), QStringLiteral("none"),
                                        QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("app"),
                                        QStringLiteral("ui"), QStringLiteral("services"), QStringLiteral("data"),
                                        QStringLiteral("cloud"), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        QStringList missing;
        for (const Message &m : readCatalogue(copy, &error)) {
            if (m.unfinished)
                missing.append(m.context + QStringLiteral(" \"") + m.source + QLatin1Char('"'));
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogues (run make translations):\n")
                                               + missing.join(QLatin1Char('\n'))));
    }

    // A new store is seeded in the language in force, each default category's
    // identifier derived from its translated name; a store seeded earlier in
    // another language keeps its names.
    void defaultCategoriesFollowTheLanguage_data() { languages_data(); }
    void defaultCategoriesFollowTheLanguage()
    {
        QFETCH(QString, lang);
        TestApp english;
        QVERIFY(english.isReady());
        QVERIFY(english.state()->categories()->findByName(QStringLiteral("Groceries")));

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/quillet_%1.qm").arg(lang)));
        QCoreApplication::installTranslator(&translator);
        const QString groceries = QCoreApplication::translate("CategoryService", "Groceries");
        QVERIFY(groceries != QLatin1String("Groceries"));

        TestApp translated;
        QVERIFY(translated.isReady());
        const std::optional<Category> seeded = translated.state()->categories()->findByName(groceries);
        QVERIFY(seeded);
        QCOMPARE(seeded->id, CategoryService::defaultCategoryId(QStringLiteral("expense"), QString(), groceries));

        QVERIFY(english.restart());
        QVERIFY(english.state()->categories()->findByName(QStringLiteral("Groceries")));
        QVERIFY(!english.state()->categories()->findByName(groceries));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"

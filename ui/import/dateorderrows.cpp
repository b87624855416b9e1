#include "ui/import/dateorderrows.h"

#include "app/thememanager.h"
#include "services/datetext.h"
#include "services/qifreader.h"
#include "ui/import/columnheader.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace {

struct Order {
    int order;
    const char *choice;   // in the box
    const char *reading;  // after a date read this way
};

const Order kOrders[] = {
    {QifReader::MonthFirst, QT_TRANSLATE_NOOP("DateOrderRows", "Month/Day/Year"),
     QT_TRANSLATE_NOOP("DateOrderRows", "month first")},
    {QifReader::DayFirst, QT_TRANSLATE_NOOP("DateOrderRows", "Day/Month/Year"),
     QT_TRANSLATE_NOOP("DateOrderRows", "day first")},
    {QifReader::YearFirst, QT_TRANSLATE_NOOP("DateOrderRows", "Year/Month/Day"),
     QT_TRANSLATE_NOOP("DateOrderRows", "year first")},
};

} // namespace

DateOrderRows::DateOrderRows(QWidget *parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(12);
    m_grid->setColumnStretch(2, 1);
}

QString DateOrderRows::readings(const QString &dateValue, bool yearFirstToo)
{
    QList<QDate> dates;
    QStringList names;
    for (const Order &o : kOrders) {
        if (o.order == QifReader::YearFirst && !yearFirstToo)
            continue;
        const QDate date = QifReader::parseDate(dateValue, o.order);
        if (!date.isValid() || dates.contains(date))
            continue;
        dates.append(date);
        names.append(tr(o.reading));
    }
    if (dates.isEmpty())
        return tr("no date in any order");
    if (dates.size() == 1)
        return DateText::formatLong(dates.first());
    QStringList parts;
    for (qsizetype i = 0; i < dates.size(); ++i)
        parts.append(tr("%1 (%2)").arg(DateText::formatLong(dates.at(i)), names.at(i)));
    return parts.join(tr(" or "));
}

QString DateOrderRows::example(const ImportFile &file)
{
    // Read year first, "2/1'24" is Jan 24, 2002: shown only for a file read,
    // or detected, year first.
    const bool yearFirst = file.dateOrder == QifReader::YearFirst || file.detectedDateOrder == QifReader::YearFirst;
    const QString text = tr("%1 is %2").arg(file.sampleDate, readings(file.sampleDate, yearFirst));
    return file.dateOrderAmbiguous ? tr("Ambiguous: %1").arg(text) : text;
}

void DateOrderRows::clearRows()
{
    clearGrid(m_grid);
    m_rows.clear();
}

void DateOrderRows::setFiles(const QList<ImportFile> &files)
{
    QList<const ImportFile *> dated;
    for (const ImportFile &file : files) {
        if (!file.sampleDate.isEmpty())
            dated.append(&file);
    }
    bool same = dated.size() == m_rows.size();
    for (qsizetype i = 0; same && i < dated.size(); ++i)
        same = dated.at(i)->path == m_rows.at(i).path;
    if (same) {
        // The box that was just changed may be the one asking: keep it.
        for (qsizetype i = 0; i < dated.size(); ++i) {
            QComboBox *choice = m_rows.at(i).choice;
            const QSignalBlocker blocker(choice);
            choice->setCurrentIndex(choice->findData(dated.at(i)->dateOrder));
            m_rows.at(i).example->setText(example(*dated.at(i)));
        }
        return;
    }

    clearRows();
    if (dated.isEmpty())
        return;
    m_grid->addWidget(columnHeader(tr("File"), this), 0, 0);
    m_grid->addWidget(columnHeader(tr("Date order"), this), 0, 1);
    m_grid->addWidget(columnHeader(tr("Example"), this), 0, 2);
    for (qsizetype i = 0; i < dated.size(); ++i) {
        const ImportFile &file = *dated.at(i);
        const QString fileName = QFileInfo(file.path).fileName();
        const int row = int(i) + 1;
        auto *name = new QLabel(fileName, this);
        name->setTextFormat(Qt::PlainText);
        QComboBox *choice = makeChoice(file, fileName);
        name->setBuddy(choice);

        auto *readAs = new QLabel(example(file), this);
        readAs->setTextFormat(Qt::PlainText);
        readAs->setWordWrap(true);
        if (file.dateOrderAmbiguous)
            ThemeManager::setRole(readAs, ThemeManager::Body, QFont::DemiBold);

        m_grid->addWidget(name, row, 0);
        m_grid->addWidget(choice, row, 1);
        m_grid->addWidget(readAs, row, 2);
        m_rows.append({file.path, choice, readAs});
    }
    const QList<QWidget *> made = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : made)
        w->show();
}

QComboBox *DateOrderRows::makeChoice(const ImportFile &file, const QString &fileName)
{
    auto *choice = new QComboBox(this);
    choice->setAccessibleName(tr("Date order of %1").arg(fileName));
    for (const Order &o : kOrders) {
        QString text = tr(o.choice);
        if (o.order == file.detectedDateOrder)
            text = file.dateOrderAmbiguous ? tr("%1 (guessed)").arg(text) : tr("%1 (detected)").arg(text);
        choice->addItem(text, o.order);
    }
    choice->setCurrentIndex(choice->findData(file.dateOrder));
    const QString path = file.path;
    connect(choice, &QComboBox::currentIndexChanged, this,
            [this, choice, path]() { Q_EMIT orderChanged(path, choice->currentData().toInt()); });
    return choice;
}

QComboBox *DateOrderRows::choiceFor(const QString &path) const
{
    for (const Row &row : m_rows) {
        if (row.path == path)
            return row.choice;
    }
    return nullptr;
}

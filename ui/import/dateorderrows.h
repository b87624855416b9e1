#pragma once

#include "services/importservice.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;

// One row per QIF file with dates: the order its dates are read in (the one
// detected, until the user chooses another) and one of its dates read in
// each order, so that a day-first file with no day above 12 is caught
// before it is imported month-first.
class DateOrderRows : public QWidget
{
    Q_OBJECT
public:
    explicit DateOrderRows(QWidget *parent = nullptr);

    // Rebuilds the rows for other files; for the same files only shows the
    // order each is read in now.
    void setFiles(const QList<ImportFile> &files);

    // The choice box of a file, for tests and screenshots.
    QComboBox *choiceFor(const QString &path) const;

Q_SIGNALS:
    // order: a QifReader::DateOrder other than DetectOrder.
    void orderChanged(const QString &path, int order);

private:
    struct Row {
        QString path;
        QComboBox *choice = nullptr;
        QLabel *example = nullptr;
    };

    // A date value read month first and day first, and year first when
    // asked, as far as each gives a date: e.g. "May 3, 2024 (month first)
    // or Mar 5, 2024 (day first)".
    static QString readings(const QString &dateValue, bool yearFirstToo);
    // The example shown for a file: its sample date and its readings.
    static QString example(const ImportFile &file);
    void clearRows();
    QComboBox *makeChoice(const ImportFile &file, const QString &fileName);

    QGridLayout *m_grid;
    QList<Row> m_rows;
};

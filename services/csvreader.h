#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

struct CsvTable {
    QList<QStringList> rows;
    QChar separator = QLatin1Char(',');
};

// Splits comma-, semicolon- or tab-separated text into rows and fields:
// quoted fields may hold separators, doubled quotes and line breaks; rows
// that are entirely empty are dropped.
class CsvReader
{
public:
    // separator: ',', ';' or '\t'; a null QChar detects it from the first lines.
    static CsvTable parse(const QString &text, QChar separator = QChar());
    // Reads and decodes a whole file (UTF-8 with or without BOM, else Windows-1252).
    static CsvTable parseFile(const QString &path, bool *ok = nullptr, QChar separator = QChar());
    static QChar detectSeparator(const QString &text);
};

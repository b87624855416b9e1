#pragma once

#include <QDialog>

class QTextBrowser;

// What this version brings, from the notes built into the program
// (docs/whats-new.md): the section of the running version.
class WhatsNewWindow : public QDialog
{
    Q_OBJECT
public:
    WhatsNewWindow(const QString &version, const QString &productTitle, QWidget *parent = nullptr);

    QTextBrowser *notesView() const { return m_notes; }

    // The built-in notes, every version.
    static QString builtInNotes();
    // The part of notes under the "## VERSION" heading (up to the next "## "
    // heading), without the heading; all of notes when no heading names it.
    static QString sectionFor(const QString &notes, const QString &version);

private:
    QTextBrowser *m_notes = nullptr;
};

#pragma once

#include <QCompleter>

// A popup completer (case-insensitive, matching anywhere) on which Tab and
// Shift+Tab accept the highlighted completion (the first one when none is
// highlighted) and move on to the next or previous register field, the way a
// typist expects. Ctrl+Return takes the completion the same way and then
// goes on to save the row; Escape closes the popup and keeps what was typed.
class TabCompleter : public QCompleter
{
    Q_OBJECT
public:
    explicit TabCompleter(const QStringList &items, QObject *parent = nullptr);
    explicit TabCompleter(QAbstractItemModel *model, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void configure();
    // Puts the highlighted (else the first) completion into the editor and
    // closes the popup; false when there was none.
    bool acceptCompletion();
    void acceptAndMove(bool forward);
};

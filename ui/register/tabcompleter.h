#pragma once

#include <QCompleter>

// A popup completer (case-insensitive, matching anywhere) on which Tab and
// Shift+Tab accept the highlighted completion and move on to the next or
// previous register field, the way a typist expects.
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
    void acceptAndMove(bool forward);
};

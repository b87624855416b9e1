#pragma once

#include <QTableView>

// The register grid. The screen drives field-to-field movement itself, so an
// editor closed with "edit next/previous item" (Tab from an editor or from a
// completer popup) is reported as a request instead of being followed here.
class RegisterTableView : public QTableView
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 36;

    explicit RegisterTableView(QWidget *parent = nullptr);

    // The editor open on the current cell, if any.
    QWidget *activeEditor() const;
    // Writes the open editor's value to the model and closes it.
    void commitAndCloseEditor();
    // Opens the editor of the cell when the model lets it be edited.
    bool openEditor(const QModelIndex &index);

    // Rows of one line, or of two (payee over memo); their height follows the
    // current font, never below kRowHeight.
    void setTwoLineRows(bool twoLine);
    int rowHeightFor(bool twoLine) const;

Q_SIGNALS:
    // Queued: delivered on the next turn of the event loop, after the editor is gone.
    void nextFieldRequested();
    void previousFieldRequested();

protected:
    void changeEvent(QEvent *event) override;

protected Q_SLOTS:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void updateRowHeight();

    bool m_twoLine = false;
};

#pragma once

#include <QObject>
#include <QSet>

class QMenu;
class QWidget;
class RegisterModel;
class RegisterTableView;

// The register's columns: which are shown and how wide they are.
//
// Date, Chk #, the money columns and Clr are as wide as what they show at
// the current font; Payee, Category and Memo share what is left of the view
// in the proportions 250 : 180 : 180, none below a readable minimum. When
// even the minimums do not fit, Memo gives way first. A width the user set by
// dragging a column's edge is kept (in the settings store) and wins over all
// of this. The columns are fitted again whenever the view, the font or the
// figures change, so no horizontal scroll bar appears unless the user's own
// widths ask for one.
class RegisterColumns : public QObject
{
    Q_OBJECT
public:
    RegisterColumns(RegisterTableView *table, RegisterModel *model, QObject *parent = nullptr);

    // Reads the stored widths and hidden columns and fits the rest.
    void apply();
    // Shows and hides columns as stored (and Memo as two-line rows need).
    void applyVisibility();
    // Sets every width the user did not choose for the view as it is now.
    void fit();
    // Forgets every stored width and hidden column.
    void reset();

    // "Show columns" with a checkable entry per column, and "Reset register layout".
    QMenu *createHeaderMenu(QWidget *parent);

    // The narrowest view that shows every column without a scroll bar: the
    // figures whole, Payee and Category at their minimum, Memo given up.
    int leastWidth() const;
    // The width a column's content needs at the current font.
    int contentWidth(int column) const;
    // Whether Memo is hidden only because the view is too narrow for it.
    bool memoSqueezedOut() const { return m_memoSqueezed; }

Q_SIGNALS:
    // Everything stored was forgotten (the sort included).
    void wasReset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onSectionResized(int column, int oldSize, int newSize);
    void scheduleFit();
    int availableWidth() const;
    int minimumWidth(int column) const;
    bool isUserHidden(int column) const;

    // The largest amount and balance of the rows shown, which size the money
    // columns.
    struct Extremes {
        qint64 amount = 100000;
        qint64 balance = 100000;
        bool negativeBalance = false;
        bool known = false;
    };
    const Extremes &figures() const;

    RegisterTableView *m_table;
    RegisterModel *m_model;
    bool m_applying = false;
    bool m_fitPending = false;
    bool m_memoSqueezed = false;
    mutable Extremes m_extremes;
};

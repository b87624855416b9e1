#pragma once

#include <QCalendarWidget>

// A month calendar that drops down below a date editor's bottom-left corner.
// It closes on a picked day or on Escape and deletes itself when closed; its
// parent is the editor, so an item view does not see the editor lose focus
// to it.
class CalendarPopup : public QCalendarWidget
{
    Q_OBJECT
public:
    // Shows a popup for editor with date selected (today when invalid).
    static CalendarPopup *showFor(QWidget *editor, const QDate &date);

Q_SIGNALS:
    void datePicked(const QDate &date);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit CalendarPopup(QWidget *editor);
    void pick(const QDate &date);
};

#pragma once

#include <QDate>
#include <QLineEdit>

class QAction;

// What the two date editors share: a held date shown as "M/d/yyyy", the
// single-key moves of DateKeys, F4 / Alt+Down and a trailing calendar button
// that drop down the calendar. Typed text is read with the four typed formats;
// text that does not read leaves the held date as it was.
class DateLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    // The date the text reads as, else the held date.
    QDate date() const;
    // Holds and shows date; does not count as a user change.
    void setDate(const QDate &date);
    // Takes the date the text reads as (if any) and shows it again in the
    // short form; returns the held date.
    QDate commitText();

    QAction *calendarAction() const { return m_calendarAction; }

public Q_SLOTS:
    void openCalendarPopup();

protected:
    explicit DateLineEdit(QWidget *parent);

    // Called after the user moved the date (key, calendar, committed text);
    // previous is the date held before.
    virtual void userChangedDate(const QDate &previous);

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyUserDate(const QDate &date);
    void refreshCalendarIcon();

    QDate m_date;
    QAction *m_calendarAction = nullptr;
};

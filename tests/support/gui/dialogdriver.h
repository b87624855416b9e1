#pragma once

#include "app/appstate.h"
#include "data/records.h"

#include "support/gui/testapp.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class QComboBox;
class QDialog;
class QObject;
class QPushButton;
class QWidget;
class SmartAmountField;

// Helpers for tests that fill dialogs the way a user does: find a control by
// object name or text, select its text and type over it.
namespace DialogDriver {

// Pins the clock to 2024-06-20 12:00 UTC (the same day in every time zone in use).
void pinClock();
void releaseClock();

Account addAccount(AppState *state, const QString &name, Currency currency = Currency::USD);
// A live transaction of account dated 2024-05-02, stored at once.
Transaction addTransaction(AppState *state, const Account &account, const QString &payee, qint64 amount);
QString categoryId(AppState *state, const QString &name);

// The named child; the test fails hard when it is missing.
QWidget *namedChild(QObject *parent, const char *name);
template<typename T> T *child(QObject *parent, const char *name) { return static_cast<T *>(namedChild(parent, name)); }
// The first push button whose text starts with text, or null.
QPushButton *button(QWidget *parent, const QString &text);

// Selects all of a line edit or spin box and types text.
void typeInto(QWidget *w, const QString &text);
void typeAmount(SmartAmountField *box, const QString &text);
void typeCategory(QComboBox *box, const QString &text);

} // namespace DialogDriver

// Base of the dialog tests: a fresh application state over a temporary store
// per test function and the clock pinned while it lives.
class DialogTestCase : public QObject
{
protected:
    bool start();
    void stop();
    AppState *state() const { return m_app->state(); }
    Account addAccount(const QString &name, Currency currency = Currency::USD)
    {
        return DialogDriver::addAccount(state(), name, currency);
    }
    QString categoryId(const QString &name) const { return DialogDriver::categoryId(state(), name); }

private:
    std::unique_ptr<TestApp> m_app;
};

#pragma once

#include "app/appstate.h"

#include <QTemporaryDir>

#include <memory>

// An AppState initialised over a fresh data directory, with prompts in test
// mode (nothing modal is shown; answers come from Prompt's queue).
class TestApp
{
public:
    TestApp();
    ~TestApp();

    bool isReady() const { return m_ready; }
    AppState *state() const { return m_state.get(); }
    QString directory() const { return m_dir.path(); }
    // Closes the store and starts a new AppState over the same data directory.
    bool restart();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    bool m_ready = false;
};

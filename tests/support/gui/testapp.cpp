#include "support/gui/testapp.h"

#include "ui/prompt.h"

#include <QCoreApplication>
#include <QSettings>

TestApp::TestApp()
{
    qputenv("QUILLET_DATA_DIR", m_dir.path().toUtf8());
    // Settings go to the temporary directory too, so layout keys never leak between tests.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/settings"));
    // Sign-in tokens go to a file in the data directory, never to the desktop's secret store.
    qputenv("QUILLET_TOKEN_STORE", "file");
    QCoreApplication::setOrganizationName(QStringLiteral("LarkspireTest"));
    QCoreApplication::setApplicationName(QStringLiteral("QuilletTest"));
    Prompt::setTestMode(true);
    Prompt::clear();
    m_state = std::make_unique<AppState>();
    m_ready = m_state->initialize();
}

bool TestApp::restart()
{
    m_state.reset();
    qputenv("QUILLET_DATA_DIR", m_dir.path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_ready = m_state->initialize();
    return m_ready;
}

TestApp::~TestApp()
{
    m_state.reset();
    Prompt::clear();
}

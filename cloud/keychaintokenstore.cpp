#include "cloud/keychaintokenstore.h"

#include "cloud/filetokenstore.h"

#include <qt6keychain/keychain.h>

namespace LarkAccount {

KeychainTokenStore::KeychainTokenStore(const QString &appId, FileTokenStore *fallback, QObject *parent)
    : TokenStore(parent)
    , m_service(QStringLiteral("Larkspire/%1").arg(appId))
    , m_file(fallback)
{
}

void KeychainTokenStore::fallBack()
{
    if (!m_useFile)
        FileTokenStore::warnFallback(m_file->path());
    m_useFile = true;
}

void KeychainTokenStore::read(const QString &key, std::function<void(bool, const QString &)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(m_service, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [job, done = std::move(done)] {
        const QKeychain::Error error = job->error();
        done(error != QKeychain::NoError && error != QKeychain::EntryNotFound,
             error == QKeychain::NoError ? job->textData() : QString());
    });
    job->start();
}

void KeychainTokenStore::write(const QString &key, const QString &value, std::function<void(bool)> done)
{
    auto *job = new QKeychain::WritePasswordJob(m_service, this);
    job->setKey(key);
    job->setTextData(value);
    connect(job, &QKeychain::Job::finished, this, [job, done = std::move(done)] { done(job->error() != QKeychain::NoError); });
    job->start();
}

void KeychainTokenStore::remove(const QString &key, std::function<void()> done)
{
    auto *job = new QKeychain::DeletePasswordJob(m_service, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)] { done(); });
    job->start();
}

void KeychainTokenStore::load(Loaded done)
{
    if (m_useFile)
        return m_file->load(std::move(done));
    read(QLatin1String(kRefreshKey), [this, done](bool failed, const QString &refresh) {
        if (failed) {
            fallBack();
            return m_file->load(done);
        }
        if (refresh.isEmpty())
            return done({});
        read(QLatin1String(kAccessKey), [refresh, done](bool, const QString &access) { done({access, refresh}); });
    });
}

void KeychainTokenStore::save(const Tokens &tokens, Saved done)
{
    if (m_useFile)
        return m_file->save(tokens, std::move(done));
    write(QLatin1String(kRefreshKey), tokens.refresh, [this, tokens, done](bool failed) {
        if (failed) {
            fallBack();
            return m_file->save(tokens, done);
        }
        write(QLatin1String(kAccessKey), tokens.access, [done](bool failedAccess) { done(!failedAccess); });
    });
}

void KeychainTokenStore::clear(Saved done)
{
    // A file left from a run without a secret service goes too, and so do
    // secrets left from a run with one: a later run that finds the service
    // answering again must not sign the old user back in.
    m_file->clear([](bool) {});
    remove(QLatin1String(kRefreshKey), [this, done] { remove(QLatin1String(kAccessKey), [done] { done(true); }); });
}

} // namespace LarkAccount

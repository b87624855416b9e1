#pragma once

#include "cloud/tokenstore.h"

namespace LarkAccount {

// The tokens in a JSON file that only the user can read (mode 0600), for
// machines where no secret service answers.
class FileTokenStore : public TokenStore
{
    Q_OBJECT
public:
    FileTokenStore(const QString &path, QObject *parent);

    void load(Loaded done) override;
    void save(const Tokens &tokens, Saved done) override;
    void clear(Saved done) override;

    QString path() const { return m_path; }
    // Logs, once per run, that the file is in use instead of a secret service.
    static void warnFallback(const QString &path);

private:
    QString m_path;
};

} // namespace LarkAccount

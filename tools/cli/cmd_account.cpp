// login, logout and account: the online account from the command line, with
// the same token store as the app. Signing in needs no browser here: the
// service's device page approves this program from any browser.
#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/devicesignin.h"
#include "cloud/signinclient.h"
#include "tools/cli/clionline.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>

namespace {

using LarkAccount::Client;

bool usage(const QStringList &args, const char *name, QTextStream &err)
{
    if (args.isEmpty())
        return false;
    err << "usage: quillet-cli " << name << "\n";
    return true;
}

int runLogin(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (usage(args, "login", err))
        return CliExit::Usage;
    Client client(LarkAccount::Config::fromEnvironment(), store.dataDirectory());
    LarkAccount::DeviceSignIn device(&client);
    QEventLoop loop;
    int code = CliExit::Failure;
    QObject::connect(&device, &LarkAccount::DeviceSignIn::codeReady, &loop,
                     [&out](const QString &uri, const QString &userCode, const QString &complete) {
                         out << "To sign in, open " << uri << "\n";
                         out << "and enter the code " << userCode << "\n";
                         if (!complete.isEmpty())
                             out << "(or open " << complete << ")\n";
                         out << "Waiting for approval...\n";
                         out.flush();
                     });
    QObject::connect(&device, &LarkAccount::DeviceSignIn::finished, &loop,
                     [&](bool ok, const QString &error) {
                         if (!ok) {
                             err << "quillet-cli: sign-in failed: " << error << "\n";
                             loop.quit();
                             return;
                         }
                         code = CliExit::Ok;
                         client.accountApi()->get(QStringLiteral("/me"), [&](bool meOk, int, const QJsonObject &me) {
                             out << "Signed in";
                             if (meOk)
                                 out << " as " << me.value(QStringLiteral("email")).toString();
                             out << ".\n";
                             loop.quit();
                         });
                     });
    device.start();
    loop.exec();
    return code;
}

int runLogout(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (usage(args, "logout", err))
        return CliExit::Usage;
    Client client(LarkAccount::Config::fromEnvironment(), store.dataDirectory());
    QEventLoop loop;
    startClient(client, loop);
    if (!client.isAuthenticated()) {
        out << "Not signed in.\n";
        return CliExit::Ok;
    }
    client.signIn()->signOut([&loop] { loop.quit(); });
    loop.exec();
    out << "Signed out.\n";
    return CliExit::Ok;
}

int runAccount(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (usage(args, "account", err))
        return CliExit::Usage;
    Client client(LarkAccount::Config::fromEnvironment(), store.dataDirectory());
    QEventLoop loop;
    startClient(client, loop);
    if (!client.isAuthenticated()) {
        out << "Not signed in.\n";
        return CliExit::Failure;
    }
    QJsonObject me;
    QJsonArray devices;
    int failedStatus = -1;
    int answers = 0;
    auto collect = [&](bool ok, int status, const QJsonObject &) {
        if (!ok)
            failedStatus = status;
        if (++answers == 2)
            loop.quit();
    };
    client.accountApi()->get(QStringLiteral("/me"), [&](bool ok, int status, const QJsonObject &body) {
        me = body;
        collect(ok, status, body);
    });
    client.accountApi()->get(QStringLiteral("/devices"), [&](bool ok, int status, const QJsonObject &body) {
        devices = body.value(QStringLiteral("devices")).toArray();
        collect(ok, status, body);
    });
    loop.exec();
    if (failedStatus >= 0) {
        err << "quillet-cli: the account service did not answer (HTTP " << failedStatus << ")\n";
        return CliExit::Failure;
    }
    out << "email: " << me.value(QStringLiteral("email")).toString() << "\n";
    out << "name: " << me.value(QStringLiteral("display_name")).toString() << "\n";
    out << "devices: " << devices.size() << "\n";
    const QString self = Client::deviceId();
    for (const QJsonValue &value : std::as_const(devices)) {
        const QJsonObject device = value.toObject();
        const QString id = device.value(QStringLiteral("device_id")).toString();
        out << "  " << device.value(QStringLiteral("name")).toString() << "\t"
            << device.value(QStringLiteral("platform")).toString() << "\t"
            << device.value(QStringLiteral("app_version")).toString() << "\tlast seen "
            << device.value(QStringLiteral("last_seen_at")).toString() << (id == self ? "\t(this device)" : "")
            << "\n";
    }
    return CliExit::Ok;
}

const CliCommand::Registrar loginCommand("login", "login", runLogin);
const CliCommand::Registrar logoutCommand("logout", "logout", runLogout);
const CliCommand::Registrar accountCommand("account", "account", runAccount);

} // namespace

#include "tools/cli/clionline.h"

#include "cloud/accountclient.h"

#include <QEventLoop>

void startClient(LarkAccount::Client &client, QEventLoop &loop)
{
    bool restored = false;
    client.start([&] {
        restored = true;
        loop.quit();
    });
    if (!restored)
        loop.exec();
}

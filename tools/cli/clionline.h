#pragma once

class QEventLoop;

namespace LarkAccount {
class Client;
}

// Restores the stored sign-in, waiting when the token store answers later.
void startClient(LarkAccount::Client &client, QEventLoop &loop);

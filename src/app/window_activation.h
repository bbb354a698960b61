#pragma once

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;
class QWidget;

namespace tavu {

// A second start of the program brings the running window to the front instead of leaving
// without a trace. The running copy listens on a local socket of this user; the second start
// connects to it, and the connection itself is the request.

// The socket's name for `instanceName`: in the user's own runtime folder, so that neither
// another user nor another session of the same name is reached.
QString activationServerName(const std::string& instanceName);

// Asks the running copy to show its window; false when none answers within `timeoutMs`.
bool askRunningWindowToShow(const QString& serverName, int timeoutMs = 2000);

// Brings `window` to the front: restored if minimised, raised and activated.
void bringToFront(QWidget& window);

// Listens for second starts while it lives and brings `window` to the front for each.
class WindowActivationServer : public QObject {
    Q_OBJECT
public:
    WindowActivationServer(const QString& serverName, QWidget& window);
    ~WindowActivationServer() override;
    bool listening() const;

private:
    void showWindow();

    QLocalServer* server_;
    QWidget& window_;
};

} // namespace tavu

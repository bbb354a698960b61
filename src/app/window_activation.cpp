#include "window_activation.h"

#include "folders/user_folders.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace tavu {

QString activationServerName(const std::string& instanceName) {
    const QString name = QString::fromStdString(instanceName);
#ifndef _WIN32
    // The single-instance lock lives in the same folder (made by the guard before we get here).
    const auto dir = UserFolders::fromProcess().instanceLockDir();
    if (!dir.empty())
        return QString::fromStdString((dir / (instanceName + ".socket")).string());
    return name + QLatin1Char('-') + qEnvironmentVariable("USER");
#else
    return name + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#endif
}

bool askRunningWindowToShow(const QString& serverName, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

void bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

WindowActivationServer::WindowActivationServer(const QString& serverName, QWidget& window)
    : server_(new QLocalServer(this))
    , window_(window) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the copy holding the single-instance guard gets here, so a socket left by a copy
    // that crashed is stale and may go.
    QLocalServer::removeServer(serverName);
    server_->listen(serverName);
    connect(server_, &QLocalServer::newConnection, this, &WindowActivationServer::showWindow);
}

WindowActivationServer::~WindowActivationServer() = default;

bool WindowActivationServer::listening() const {
    return server_->isListening();
}

void WindowActivationServer::showWindow() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
    }
    bringToFront(window_);
}

} // namespace tavu

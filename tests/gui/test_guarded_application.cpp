// A handler that throws is reported in the error box and the program goes on.
#include "app/guarded_application.h"

#include <QPushButton>
#include <QtTest>
#include <stdexcept>

using namespace tavu;

class GuardedApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorOfAHandlerIsShownAndTheLoopGoesOn();
};

void GuardedApplicationTest::errorOfAHandlerIsShownAndTheLoopGoesOn() {
    auto* app = static_cast<GuardedApplication*>(QCoreApplication::instance());
    QStringList shown;
    app->setErrorHandler([&shown](const QString& message) { shown << message; });
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1)
            throw std::runtime_error("ファイルを開けません");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(shown, QStringList{QStringLiteral("ファイルを開けません")});
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(shown.size(), 1);
}

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_guarded_application.moc"

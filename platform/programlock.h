#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running program per user. The first start holds a lock file in the user's data
// folder and listens on a local channel that belongs to that lock; a later start finds
// the lock held, hands its command-line arguments to the running program over the
// channel and ends. The running program gets them with `startedAgain` (and comes to
// the front). A lock left behind by a program that crashed is taken over: QLockFile
// sees that its process is gone.
class ProgramLock : public QObject {
    Q_OBJECT
public:
    enum class Start {
        Alone,      // this start is the running program
        HandedOver, // another program runs and took the arguments: this start ends
        NoAnswer,   // another program holds the lock but did not take the arguments
        Unlocked,   // the lock could not be taken (no data folder): run without it
    };

    // `folder`: the user's data folder, created when missing.
    explicit ProgramLock(const QString &folder, QObject *parent = nullptr);
    ~ProgramLock() override;

    // Takes the lock, or hands `arguments` to the program that holds it; waits up to
    // `waitMs` for a program that is just starting or just ending.
    Start start(const QStringList &arguments, int waitMs = 5000);

    // The user's data folder of the program (ProgramFolder::userDataLocation()).
    static QString userDataFolder();

signals:
    void startedAgain(const QStringList &arguments);

private:
    bool listen();
    void receive(QLocalSocket *socket);
    bool handOver(const QStringList &arguments, int waitMs);

    QString m_folder;
    QString m_channel;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

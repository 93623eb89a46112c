#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace brivane::platform {

// One running copy per user and program folder. start() either hands the
// arguments of this start to the running copy and asks it to come forward
// (the caller then ends with status 0), or makes this copy the one that
// answers later starts. It reports what happened and never quits by itself.
//
// The second start's side is a short synchronous exchange; a running copy
// that does not answer within kAnswerTimeoutMs counts as one that refused,
// and this start goes on as a normal copy. The running copy's side never
// blocks: it reads each connection as bytes arrive.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Role {
        Undecided,  // start() has not run
        Primary,    // this copy answers later starts
        Secondary,  // handed off: the caller ends with status 0
        Standalone, // goes on starting but answers nobody (check switched off,
                    // running copy refused or did not answer, no socket)
    };

    static constexpr int kAnswerTimeoutMs = 2000;

    // programFolder tells installations (and test homes) apart: copies with
    // different program folders use different archives and never meet.
    explicit SingleInstance(QString programFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // arguments are the command-line arguments without the program path.
    Role start(const QStringList& arguments);
    Role role() const { return m_role; }
    bool isPrimary() const { return m_role == Role::Primary; }
    bool isSecondary() const { return m_role == Role::Secondary; }

    // The full path of the local socket this copy serves or looks for; empty
    // when the user has no private folder for it (the copy then starts alone).
    QString serverName() const { return m_serverName; }
    static QString serverNameFor(const QString& programFolder);
    // BRIVANE_NO_SINGLE_INSTANCE=1 switches the check off (every test sets it).
    static bool isSwitchedOff();

Q_SIGNALS:
    // A later start handed over its arguments (they may be empty).
    void argumentsReceived(const QStringList& arguments);
    // A later start asks this copy to come forward.
    void activationRequested();
    // A hand-off record was refused; message is the text to show.
    void handOffRefused(const QString& message);

private:
    Role handOff(QLocalSocket& socket, const QStringList& arguments);
    bool listen();
    void serve(QLocalSocket* socket);
    void later(std::function<void()> emitter);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    Role m_role = Role::Undecided;
};

} // namespace brivane::platform

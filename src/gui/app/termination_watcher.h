#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (the session ending, `kill`, Ctrl+C in a terminal) into a normal
// end of the program, so the tables are closed and the single-instance lock is released
// just as when the user closes the main window.
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    static void handleSignal(int signal);
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

#pragma once

#include "app/core/UpdateCheck.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

// Runs the update check on a worker thread and hands its result back to the thread that owns this
// object, through a queued signal. Destroying the object stops a check still running.
class CUpdateChecker : public QObject
{
    Q_OBJECT

public:
    explicit CUpdateChecker(QObject* parent = nullptr);
    ~CUpdateChecker() override;

    // False while another check is still running.
    bool Start(const CUpdateCheck::Inputs& inputs, bool automatic);
    bool IsRunning() const;

signals:
    void Finished(const CUpdateCheck::Result& result, bool automatic);

private:
    void Stop();

    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic_bool> m_cancel;
};

#include "app/core/UpdateChecker.h"

#include <QThread>

CUpdateChecker::CUpdateChecker(QObject* parent)
    : QObject(parent)
{
}

CUpdateChecker::~CUpdateChecker()
{
    Stop();
}

bool CUpdateChecker::IsRunning() const
{
    return m_thread && m_thread->isRunning();
}

void CUpdateChecker::Stop()
{
    if (!m_thread)
        return;
    m_cancel->store(true);
    m_thread->wait();
    m_thread.reset();
}

bool CUpdateChecker::Start(const CUpdateCheck::Inputs& inputs, bool automatic)
{
    if (IsRunning())
        return false;
    Stop();
    m_cancel = std::make_shared<std::atomic_bool>(false);
    // The thread holds copies of the inputs and of the cancel flag, nothing of the program's state.
    m_thread.reset(QThread::create([this, inputs, automatic, cancel = m_cancel]() {
        const CUpdateCheck::Result result = CUpdateCheck::Run(inputs, *cancel);
        if (!cancel->load())
            QMetaObject::invokeMethod(
                this, [this, result, automatic]() { emit Finished(result, automatic); }, Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

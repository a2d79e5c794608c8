// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"

#include <windows.h>

struct SingleInstanceLock::Handle
{
    explicit Handle(const QString& name)
        : name(name)
    {
        // Kernel object names may hold any character but the backslash, which would name a
        // namespace instead.
        this->name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    }
    ~Handle()
    {
        if (mutex) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
    }
    QString name;
    HANDLE mutex = nullptr;
};

SingleInstanceLock::SingleInstanceLock(const QString& name)
    : m_handle(std::make_unique<Handle>(name))
{
}

SingleInstanceLock::~SingleInstanceLock() = default;

QString SingleInstanceLock::location() const
{
    return m_handle->name;
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_handle->mutex)
        return true;
    const std::wstring name = m_handle->name.toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    if (!mutex) {
        m_error = Error::Unavailable;
        m_errorString = QStringLiteral("cannot make the mutex %1 (error %2)").arg(m_handle->name).arg(GetLastError());
        return false;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        m_error = Error::HeldElsewhere;
        m_errorString.clear();
        return false;
    }
    m_handle->mutex = mutex;
    m_error = Error::None;
    m_errorString.clear();
    return true;
}

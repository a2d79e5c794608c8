// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

// One copy of the program per user and product: the first copy holds the lock for its whole life
// and a later copy of the same user leaves. Another user's copy has a lock of its own. A copy
// that died without letting go does not shut the next one out, and nor does anything another
// user leaves where the lock would be. On Unix the lock is a kernel lock on a file in the user's
// runtime directory (userRuntimeDirectory); on Windows the session's named mutex.
class SingleInstanceLock final
{
public:
    enum class Error {
        None,
        HeldElsewhere, // another copy (or another lock object of this one) holds it
        Unavailable,   // the system could not make the lock (no private directory for it); a copy
                       // may still run then, only without the guard; errorString() says why
    };

    // name: the product's lock name, see singleInstanceLockName.
    explicit SingleInstanceLock(const QString& name);
    ~SingleInstanceLock(); // releases the lock
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this object holds the lock, taken now or before. False when it is held elsewhere
    // or cannot be made; error() tells which.
    bool tryAcquire();
    Error error() const { return m_error; }
    // Why the lock is Unavailable, for the user; empty otherwise.
    QString errorString() const { return m_errorString; }
    // The lock's file (Unix; it holds the holder's process id) or mutex name (Windows); empty when
    // there is no place for it.
    QString location() const;

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    Error m_error = Error::None;
    QString m_errorString;
};

// The lock name of a product: its name followed by " Wireless Gaming Mouse Mutex1".
QString singleInstanceLockName(const QString& productName);

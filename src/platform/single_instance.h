#pragma once

#include <QString>
#include <memory>

// One copy of the program per product: the first copy holds the lock for its whole life and a
// later copy leaves. A copy that died without letting go does not shut the next one out.
class SingleInstanceLock final
{
public:
    enum class Error {
        None,
        HeldElsewhere, // another copy (or another lock object of this one) holds it
        Unavailable,   // the system could not make the lock (a temp directory that is not writable);
                       // a copy may still run then, only without the guard
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

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    Error m_error = Error::None;
};

// The lock name of a product: its name followed by " Wireless Gaming Mouse Mutex1".
QString singleInstanceLockName(const QString& productName);

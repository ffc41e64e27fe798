#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <atomic>
#include <utility>

// The host's automation object: operations called by dispatch id with variant arguments.
// By-reference arguments are elements of args that the host may replace. Reference counted:
// the object deletes itself when the last reference is released.
class IRudoDisp {
public:
    struct TInvokeResult {
        bool Dispatched = false; // false: the call itself failed (unknown id, host gone)
        QVariant Value;          // the operation's result (WordBool or text)
        QString Error;           // why the call was not dispatched
    };

    virtual void AddRef() = 0;
    virtual void Release() = 0;
    virtual TInvokeResult Invoke(qint32 dispId, QVariantList &args) = 0;

protected:
    virtual ~IRudoDisp() = default;
};

// The usual implementation of the counting part.
class TRudoDispObject : public IRudoDisp {
public:
    void AddRef() override { m_references.fetch_add(1, std::memory_order_relaxed); }
    void Release() override
    {
        if (m_references.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }

private:
    std::atomic<int> m_references{0};
};

// A counted reference, as an interface variable holds one.
class TRudoDispPtr {
public:
    TRudoDispPtr() = default;
    TRudoDispPtr(IRudoDisp *object) : m_object(object)
    {
        if (m_object)
            m_object->AddRef();
    }
    TRudoDispPtr(const TRudoDispPtr &other) : TRudoDispPtr(other.m_object) {}
    TRudoDispPtr(TRudoDispPtr &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    TRudoDispPtr &operator=(TRudoDispPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~TRudoDispPtr()
    {
        if (m_object)
            m_object->Release();
    }

    IRudoDisp *Get() const { return m_object; }
    IRudoDisp *operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    IRudoDisp *m_object = nullptr;
};

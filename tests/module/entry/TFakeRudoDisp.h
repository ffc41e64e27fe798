#pragma once

#include "platform/win/IRudoDisp.h"

// A host automation object that answers nothing; it only shows how many references are held
// on it, and tells alive when it has been deleted.
class TFakeRudoDisp : public IRudoDisp {
public:
    explicit TFakeRudoDisp(bool &alive) : m_alive(alive) { m_alive = true; }

    void AddRef() override { ++m_references; }
    void Release() override
    {
        if (--m_references == 0)
            delete this;
    }
    TInvokeResult Invoke(qint32, QVariantList &) override { return {false, {}, QStringLiteral("not a host")}; }

    int References() const { return m_references; }

protected:
    ~TFakeRudoDisp() override { m_alive = false; }

private:
    bool &m_alive;
    int m_references = 0;
};

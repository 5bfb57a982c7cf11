// Test aid: the windows a test registers are unregistered when it ends, so that one test's
// registrations never open real windows in another test of the same program.
#pragma once

#include "shell/commands.h"

#include <functional>

class ScopedWindows {
public:
    explicit ScopedWindows(const std::function<void()>& registration = {}) : m_before(registeredWindows())
    {
        if (registration)
            registration();
    }
    ~ScopedWindows()
    {
        for (const QString& w : registeredWindows())
            if (!m_before.contains(w))
                unregisterWindow(w);
    }
    ScopedWindows(const ScopedWindows&) = delete;
    ScopedWindows& operator=(const ScopedWindows&) = delete;

private:
    QStringList m_before;
};

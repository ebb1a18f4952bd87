// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <mutex>
#include <optional>
#include <utility>

// The one process-wide instance of a state object, built on first use from the services the
// composition root handed in beforehand.
template <typename T>
class SharedInstance
{
public:
    explicit SharedInstance(const char* typeName) : m_typeName(typeName) {}

    bool configure(typename T::Services services)
    {
        const std::lock_guard lock(m_mutex);
        if (m_instance) {
            return false;
        }
        m_services = std::move(services);
        return true;
    }

    T& get()
    {
        const std::lock_guard lock(m_mutex);
        if (!m_instance) {
            if (!m_services) {
                qFatal("%s::shared() was used before %s::configureShared()", m_typeName, m_typeName);
            }
            // Never deleted: the shared objects live until the process ends, and their players and
            // timers must not be torn down after the application object is gone.
            m_instance = new T(std::move(*m_services));
            m_services.reset();
        }
        return *m_instance;
    }

private:
    const char* m_typeName;
    std::mutex m_mutex;
    std::optional<typename T::Services> m_services;
    T* m_instance = nullptr;
};

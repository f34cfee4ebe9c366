// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <QPointer>

#include <functional>

// Counts the program's loaded windows and tells when the last one is gone.
class FormRegistry {
public:
    void setOnLastUnloaded(std::function<void()> cb) { m_onLast = std::move(cb); }
    int loadedCount() const { return m_loaded; }

    void loaded() { ++m_loaded; }
    void unloaded()
    {
        if (--m_loaded == 0 && m_onLast)
            m_onLast();
    }

private:
    int m_loaded = 0;
    std::function<void()> m_onLast;
};

// Holds at most one copy of a window. Reaching the window through the slot
// creates and loads it when it is not loaded; unloading empties the slot.
template <class F> class FormSlot {
public:
    using Factory = std::function<F *()>;

    FormSlot(FormRegistry &registry, Factory factory)
        : m_registry(registry), m_factory(std::move(factory))
    {}
    FormSlot(const FormSlot &) = delete;
    FormSlot &operator=(const FormSlot &) = delete;
    ~FormSlot() { delete m_form.data(); }

    F *get()
    {
        if (!m_form) {
            F *form = m_factory();
            // The slot holds the window before its load handler runs, so
            // that the handler and whatever it reaches see this copy.
            m_form = form;
            m_registry.loaded();
            QObject::connect(form, &Form::unloaded, form, [this, form] {
                if (m_form == form)
                    m_form = nullptr;
                m_registry.unloaded();
            });
            form->load();
        }
        return m_form;
    }
    F *operator->() { return get(); }

    bool isLoaded() const { return m_form && !m_form->isUnloading(); }
    F *ifLoaded() const { return isLoaded() ? m_form.data() : nullptr; }

    void unload()
    {
        if (m_form)
            m_form->unload();
    }

private:
    FormRegistry &m_registry;
    Factory m_factory;
    QPointer<F> m_form;
};

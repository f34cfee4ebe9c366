// SPDX-License-Identifier: MIT
#pragma once

#include "notestore.h"

// A data source on one table of the note store, standing on its first
// record: a read gives the field's value with its reading rule applied; a
// write is one edit of the record, its field assignments and an update; a
// window that shows a field watches it.
class DataSource {
public:
    DataSource(NoteStore &store, Table table) : m_store(store), m_table(table) {}

    template <class T> T get(const Setting<T> &field) const
    {
        Q_ASSERT(field.table == m_table);
        return m_store.get(field);
    }
    template <class T> void set(const Setting<T> &field, const typename Change::Same<T>::type &v)
    {
        Q_ASSERT(field.table == m_table);
        m_store.set(field, v);
    }
    void write(std::initializer_list<Change> changes) { m_store.write(changes); }
    template <class T, class F> void watch(const Setting<T> &field, const QObject *context, F f)
    {
        Q_ASSERT(field.table == m_table);
        m_store.watch(field, context, std::move(f));
    }

private:
    NoteStore &m_store;
    Table m_table;
};

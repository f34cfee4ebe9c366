// SPDX-License-Identifier: MIT
#pragma once

#include "notestore.h"

// A data source on one table of the note store, standing on its first
// record: every read takes the value from the file at that moment; every
// write is one edit of the record, its field assignments and an update.
class DataSource {
public:
    DataSource(NoteStore &store, Table table) : m_store(store), m_table(table) {}

    QVariant value(const Field &field) const
    {
        Q_ASSERT(field.table == m_table);
        return m_store.value(field);
    }
    bool isOn(const Field &field) const
    {
        Q_ASSERT(field.table == m_table);
        return m_store.isOn(field);
    }
    void write(std::initializer_list<Assignment> values) { m_store.write(values); }

private:
    NoteStore &m_store;
    Table m_table;
};

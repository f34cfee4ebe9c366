#pragma once

#include "notestore.h"

// A data source on one table of the note store, standing on its first
// record. Every read takes the value from the file at that moment; every
// write is one edit of the record, its field assignments and an update.
class DataSource {
public:
    DataSource(NoteStore &store, Table table) : m_store(store), m_table(table) {}

    void MoveFirst() {}
    QVariant Field(const QString &name) const { return m_store.read(m_table, name); }

    void Edit() { m_pending.clear(); }
    void SetField(const QString &name, const QVariant &value) { m_pending.append({name, value}); }
    void Update()
    {
        m_store.write(m_table, m_pending);
        m_pending.clear();
    }

    // One whole edit-and-update of one or two fields.
    void write(const fields::Row &values)
    {
        Edit();
        for (const auto &v : values)
            SetField(v.first, v.second);
        Update();
    }

private:
    NoteStore &m_store;
    Table m_table;
    fields::Row m_pending;
};

#pragma once

#include <vector>

#include <QObject>
#include <QString>
#include <QVariant>

#include "data/recordset.h"

// A screen's connection to one record source of the database. Each screen
// owns its data controls; other screens use them through the screen registry,
// so that every screen sees the same rows, current row and filter.
class DataControl : public QObject
{
    Q_OBJECT

public:
    enum class CommandType { Table, Text };

    explicit DataControl(const QString &recordSource = {}, CommandType type = CommandType::Table,
                         QObject *parent = nullptr);

    // The source that the next refresh() opens; an SQL text takes its values
    // bound in order (?1, ?2, ...), never written into it.
    void setRecordSource(const QString &recordSource, CommandType type, std::vector<QVariant> params = {});
    const QString &recordSource() const { return m_recordSource; }

    // Reads the rows anew from the program's database: the filter is removed,
    // the first row becomes current, a row added and not yet stored is
    // dropped. When the source cannot be read the recordset stays closed
    // (no rows) and false is returned.
    bool refresh();

    Recordset &recordset() { return m_recordset; }
    Recordset *operator->() { return &m_recordset; }

private:
    QString m_recordSource;
    CommandType m_commandType;
    std::vector<QVariant> m_params;
    Recordset m_recordset;
};

// Points the control at the program's database with an SQL text and reads it.
// There is one database per run; every data control reads the same file.
bool OpenRecordSourceWithAppPath(DataControl &control, const QString &sql);

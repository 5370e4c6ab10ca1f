#include "data/datacontrol.h"

#include "data/database.h"

DataControl::DataControl(const QString &recordSource, CommandType type, QObject *parent)
    : QObject(parent), m_recordSource(recordSource), m_commandType(type)
{
}

void DataControl::setRecordSource(const QString &recordSource, CommandType type, std::vector<QVariant> params)
{
    m_recordSource = recordSource;
    m_commandType = type;
    m_params = std::move(params);
}

bool DataControl::refresh()
{
    if (m_recordSource.isEmpty()) {
        m_recordset.close();
        return false;
    }
    return m_recordset.open(Database::current(), m_recordSource, m_commandType == CommandType::Text, m_params);
}

bool OpenRecordSourceWithAppPath(DataControl &control, const QString &sql)
{
    control.setRecordSource(sql, DataControl::CommandType::Text);
    return control.refresh();
}

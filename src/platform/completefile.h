#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "platform/diskerrors.h"

// A file that takes its name only when every byte written to it is on the
// disk. It is written under a temporary name beside its place, which is
// removed again when anything fails, so that nobody ever finds a file cut
// short under the real name. QSaveFile alone is not enough: it reports
// success although writing out its buffer failed (a full disk). So every
// write goes straight to the disk and is checked, and the file is synced and
// measured before it takes its name.
class CompleteFile
{
public:
    explicit CompleteFile(const QString &path);

    bool open();
    // False when not every byte reached the file; nothing more is written then.
    bool write(const QByteArray &bytes);
    // Syncs the file, gives it its name and syncs the folder that holds it.
    bool commit();

    // Why the last step failed, in German ("Datenträger voll").
    QString failure() const { return m_failure; }
    // What was written so far.
    qint64 size() const { return m_written; }

private:
    bool fail(int errorNumber);

    QSaveFile m_file;
    QString m_path;
    qint64 m_written = 0;
    QString m_failure;
};

namespace filesystem {

// Makes renames and removals in a folder survive a power cut in the order
// they were made. False when the disk refuses.
bool syncFolder(const QString &folder);

} // namespace filesystem

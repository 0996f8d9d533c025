#include "files/atomicfile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A failed flush must stop the commit: Qt 6.4's commit() does not see it
    // and would put the short temporary file in place of the old one.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

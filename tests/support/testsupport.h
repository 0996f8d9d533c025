#pragma once
#include <QByteArray>
#include <QString>

namespace testsupport {

QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);

} // namespace testsupport

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

namespace Platform {

// File names are bytes on Linux; Qt's file-name codec turns them into the
// text its widgets show and back.
inline QString PathToQString(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

inline std::string PathFromQString(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace Platform

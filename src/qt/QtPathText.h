#pragma once

#include <QByteArray>
#include <QDir>
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

// Qt writes "/" on every system; the program shows and derives paths in the
// system's own form ("C:\Logs\x.log" on Windows).
inline std::string PathFromQString(const QString& path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

} // namespace Platform

#include "nameonlyicons.h"

#include <QFileInfo>

QMimeType NameOnlyIcons::mimeType(const QFileInfo &info) const
{
    return m_mimeTypes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

QIcon NameOnlyIcons::icon(const QFileInfo &info) const
{
    if (info.isDir())
        return icon(info.isRoot() ? Drive : Folder);
    const QMimeType type = mimeType(info);
    const QIcon themed
        = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    return themed.isNull() ? icon(File) : themed;
}

QString NameOnlyIcons::type(const QFileInfo &info) const
{
    if (info.isDir())
        return QFileIconProvider::type(info);
    return mimeType(info).comment();
}

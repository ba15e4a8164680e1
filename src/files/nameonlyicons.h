#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

// Icons and type names for the file dialogs, chosen from the file's name alone. Qt's own
// provider reads the first bytes of a file whose name says nothing, and a file whose
// read never returns (found in system folders) would freeze the dialog for good.
class NameOnlyIcons : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QMimeType mimeType(const QFileInfo &info) const;
    QMimeDatabase m_mimeTypes;
};

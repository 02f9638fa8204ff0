#pragma once

#include "PeModule.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <map>

// Writes a resource-only Windows module: a 32-bit DLL with no code and one
// ".rsrc" section holding the resources added, laid out as the system's
// resource lookup expects (named entries first, sorted by upper-case name, then
// numbered entries in ascending order; 512-byte file and 4096-byte section
// alignment; a valid header checksum). The output depends only on what was
// added: no time stamps.
class PeModuleWriter final {
public:
    // Adds (or replaces) a resource. Names are stored upper-case, as resource
    // compilers store them. Fails for a name longer than 65535 characters or a
    // name starting with "#", which the lookup would read as a number.
    Status add(const PeResourceId& type, const PeResourceId& name, QByteArray data, quint16 language = 0);

    // Adds the version resource (type 16, name 1): VS_FIXEDFILEINFO with the
    // version as file and product version, and a string table (Polish, Unicode)
    // with the given key/value strings, FileVersion and ProductVersion included.
    void setVersion(const PeFileVersion& version, const QList<QPair<QString, QString>>& strings = {});

    // The complete module.
    QByteArray build() const;

private:
    // Ordered as the directory tables must list them.
    struct IdOrder {
        bool operator()(const PeResourceId& a, const PeResourceId& b) const;
    };
    std::map<PeResourceId, std::map<PeResourceId, std::map<quint16, QByteArray>, IdOrder>, IdOrder> m_tree;

    QByteArray buildResourceSection(quint32 sectionRva) const;
};

// A VS_VERSIONINFO block as the version resource holds it.
QByteArray BuildVersionInfo(const PeFileVersion& version, const QList<QPair<QString, QString>>& strings);

// "6.0.0.1".
QString FileVersionText(const PeFileVersion& v);

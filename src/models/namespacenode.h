#pragma once

#include "namespacemodel.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace tarnwick {

// One place in the tree; the model's own, shared by its source files.
struct NamespaceModel::Node
{
    NameSpace nameSpace = FolderSpace;
    QString name;
    QString path;       // the folder; for Desktop the desktop folder its children come from
    bool fixed = false; // a special place or a volume: not a listing's to add or drop
    bool volume = false;
    bool network = false; // a volume that is a server's place
    // The desktop's volume this node shows, if it knows it; a volume that is
    // not mounted has no path and no children.
    QString volumeId;
    QString iconName;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    // The listed children by name (fixed ones are not listed), so a large
    // folder's listing finds what it already shows without a scan.
    QHash<QString, Node *> byName;
    // Where this node last sat among its siblings; checked before use.
    mutable size_t rowHint = 0;
    bool loaded = false;
    bool loading = false;
    bool mayHaveChildren = true;
    bool link = false; // reached through a symbolic link
};

} // namespace tarnwick

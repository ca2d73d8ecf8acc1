#pragma once
// The model tree of the data and results window as plain entries: each with
// its key and text, bold on the first two levels. The window turns it into
// its tree view; tests read it directly.
#include <QString>
#include <vector>

struct Model;

struct TreeEntry {
    QString key;  // "komb3"; empty for the entries that list values
    QString text; // "#3 Node"
    bool bold = false;
    std::vector<TreeEntry> children;
};

// The root "Model" with its four sections, E,A groups, nodes, elements and
// nodal loads, and one entry per item with its values below it.
TreeEntry Ftiakse_treeview(const Model &m);

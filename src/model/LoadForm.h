#pragma once
// What the nodal loads dialog (frmEPIKOMBIO) shows and does, without a
// widget.
#include "model/LoadEditing.h"

class LoadForm {
public:
    LoadForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    LoadInput fields;
    LoadField focus = LoadField::None;
    bool selectAll = false;
    EditEffects effects;

    int nodeEntries() const;         // node box: 1..nodes
    std::vector<int> loaded() const; // the list of loaded nodes

    // Opening on `node` (0: node 1).
    void open(int node = 0);
    // Choosing a node in the node box or in the list of loaded nodes shows
    // its load; the focus stays.
    void selectNode(int n);
    void pressApply();
    void pressDelete();

private:
    void begin();
    void afterApply(const LoadApplied &applied);

    Model &m_model;
    Interaction &m_user;
};

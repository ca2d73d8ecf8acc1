#pragma once
class Workspace;

// Empties the model tables and counts, the results and their extrema. Leaves
// the file name, both flags, the settings and the view as they are.
void Clear_Model(Workspace &ws);

#pragma once
#include <QString>

class MessageLog;
struct Model;

// Delete node n (1..node count): later nodes move down one row with their
// loads and springs, element references above n drop by one, the freed last
// row is all zeros. The caller makes sure no element uses node n any more.
// Writes one green log line and sets the model-changed flag.
void Diagrafi_Kombou(Model &model, MessageLog &log, int n);

// Delete element e (1..element count) the same way.
void Diagrafi_Stoixeiou(Model &model, MessageLog &log, int e);

// The log line of deleting item n of `count`: "<Singular> deleted: #n." and,
// when later items moved down, "<Plural> renumbered: #n+1." or
// "<Plural> renumbered: #n+1 to #count.". Also the label of the step.
QString deletionText(const QString &singular, const QString &plural, int n, int count);
QString nodeDeletionText(int n, int count);
QString elementDeletionText(int e, int count);
